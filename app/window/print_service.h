// The system's print service (CUPS): the default printer's state, and submitting a PDF to it.
#pragma once

#include <string>

// The default printer as the print service sees it now.
struct PrinterCheck {
  bool found = false;  // false also when no print service answers
  std::string name;
  bool stopped = false;
  bool accepting = false;
  std::string state_reason;
};

PrinterCheck CheckDefaultPrinter();

// The job number the print service gave the file, or 0 with its error text.
struct SubmitResult {
  int job = 0;
  std::string error;
};

SubmitResult SubmitPdf(const std::string& printer, const std::string& path,
                       const std::string& title);
