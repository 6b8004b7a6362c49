// The printed report of a calculation, written through the host's printer operations.
#pragma once

#include "app/calc_host.h"
#include "app/calc_record.h"

// Prints the report of the record's last run and ends the document. Sets the record's CaseText
// only when the whole document was printed. Returns the first printer operation that did not
// succeed.
PrintStatus PrintReport(CalcRecord& record, CalcHost& host);
