// The default printer and job submission through libcups.
#include "app/window/print_service.h"

#include <cups/cups.h>

#include <cstdlib>
#include <string>

PrinterCheck CheckDefaultPrinter() {
  cups_dest_t* dests = nullptr;
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  PrinterCheck check;
  if (cups_dest_t* dest = cupsGetDest(nullptr, nullptr, count, dests)) {
    check.found = true;
    check.name = dest->name;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    check.stopped = state != nullptr && std::atoi(state) == IPP_PSTATE_STOPPED;
    const char* accepting =
        cupsGetOption("printer-is-accepting-jobs", dest->num_options, dest->options);
    check.accepting = accepting == nullptr || std::string(accepting) == "true";
    const char* reasons = cupsGetOption("printer-state-reasons", dest->num_options, dest->options);
    check.state_reason = reasons != nullptr ? reasons : "";
  }
  cupsFreeDests(count, dests);
  return check;
}

SubmitResult SubmitPdf(const std::string& printer, const std::string& path,
                       const std::string& title) {
  const int job =
      cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), path.c_str(), title.c_str(), 0, nullptr);
  if (job == 0) {
    return {0, cupsLastErrorString()};
  }
  return {job, {}};
}
