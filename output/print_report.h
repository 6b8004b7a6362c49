// The printed report of a calculation, written through the host's printer operations.
#pragma once

#include "app/calc_record.h"
#include "app/printer.h"

// Prints the report of the record's last run and ends the document; after the first printer
// operation that does not succeed it abandons the document instead. Sets the record's CaseText
// only when the whole document was printed. Returns that operation's status, or EndDocument's.
PrintStatus PrintReport(CalcRecord& record, Printer& printer);
