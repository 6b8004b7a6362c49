// CheckDefaultPrinter and SubmitPdf on libcups's default connection.
#include "app/window/print_service.h"

#include <cups/cups.h>

namespace {

std::string OptionText(const cups_dest_t& dest, const char* name) {
  const char* value = cupsGetOption(name, dest.num_options, dest.options);
  return value ? value : "";
}

}  // namespace

PrinterCheck CheckDefaultPrinter() {
  PrinterCheck check;
  cups_dest_t* dests = nullptr;
  // cupsGetDests2 asks the service on every call; cupsGetDests keeps its first answer.
  const int count = cupsGetDests2(CUPS_HTTP_DEFAULT, &dests);
  const ipp_status_t status = cupsLastError();
  if (const cups_dest_t* dest = cupsGetDest(nullptr, nullptr, count, dests)) {
    check.found = true;
    check.name = dest->name;
    check.stopped = OptionText(*dest, "printer-state") == "5";
    check.accepting = OptionText(*dest, "printer-is-accepting-jobs") == "true";
    check.state_reason = OptionText(*dest, "printer-state-reasons");
  } else if (status > IPP_STATUS_OK_EVENTS_COMPLETE) {
    check.error = cupsLastErrorString();
  }
  cupsFreeDests(count, dests);
  return check;
}

SubmitResult SubmitPdf(const std::string& printer, const std::string& path,
                       const std::string& title) {
  cups_option_t* options = nullptr;
  int option_count = cupsAddOption("document-format", "application/pdf", 0, &options);
  SubmitResult result;
  result.job = cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.c_str(), path.c_str(), title.c_str(),
                              option_count, options);
  cupsFreeOptions(option_count, options);
  if (result.job == 0) {
    result.error = cupsLastErrorString();
  }
  return result;
}
