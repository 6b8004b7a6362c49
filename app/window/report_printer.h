// Prints report lines on the default printer, or on a PDF file, in twips and character columns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/calc_host.h"

class QWidget;
class QString;

class ReportPrinter {
 public:
  // dialog_parent: the window over which the printer's own questions are asked.
  explicit ReportPrinter(QWidget* dialog_parent = nullptr);
  ~ReportPrinter();

  // Prints every later document into this PDF file, without asking anything.
  void SetPdfFile(const QString& path);

  PrintStatus SetPrintPosition(float across_twips, float down_twips);
  PrintStatus SetPrintFontName(const std::string& name);
  PrintStatus SetPrintFontSize(float points);
  PrintStatus PrintLine(const std::vector<PrintText>& texts);
  PrintStatus EndDocument();

 private:
  struct Document;
  QWidget* dialog_parent_;
  std::unique_ptr<Document> document_;
};
