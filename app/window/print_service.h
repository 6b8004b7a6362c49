// The print service through libcups: the default printer's state, and PDF jobs sent to it.
#pragma once

#include <string>

// The default destination as the print service reports it at the time of the call.
struct PrinterCheck {
  bool found = false;        // the service named a default destination
  std::string name;          // its queue name
  bool stopped = false;      // printer-state is stopped (5)
  bool accepting = false;    // printer-is-accepting-jobs
  std::string state_reason;  // printer-state-reasons as the service lists them, e.g. "paused"
  // When no default was found: the service's reason (unreachable, no destinations), if it gave
  // one. Empty when found.
  std::string error;
};

// Asks the print service (CUPS_SERVER, or the client configuration) afresh for its default
// destination and that destination's state.
PrinterCheck CheckDefaultPrinter();

// A submitted job, or why there is none.
struct SubmitResult {
  int job = 0;        // the job id; 0 when no job was submitted
  std::string error;  // the service's reason when job is 0
};

// Submits the file at `path` to the queue `printer` as one PDF job named `title`.
SubmitResult SubmitPdf(const std::string& printer, const std::string& path,
                       const std::string& title);
