// The printed report of a calculation, written through the host's printer operations.
#pragma once

#include <string>

#include "app/calc_record.h"
#include "app/printer.h"

// Prints the report of the record's last run and ends the document; after the first printer
// operation that does not succeed it abandons the document instead. Sets the record's CaseText
// only when the whole document was printed. Returns that operation's status, or EndDocument's.
PrintStatus PrintReport(CalcRecord& record, Printer& printer);

// The footer of page `page` of `pages`, centred at every page's bottom margin: "第 2 页  共 8 页".
std::string PageFooter(int page, int pages);
