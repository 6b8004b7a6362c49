// Prints report lines on the default printer, or on a PDF file, in twips and character columns.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "app/calc_host.h"

class QWidget;
class QString;

// A document starts at the first operation after construction or after EndDocument. Positions
// are twips from the top-left corner of the printable area; a column is the current font's
// average character width, column 1 beginning at the left edge of the printable area. After a
// status other than Ok the document is discarded: its remaining operations return that status
// without printing or asking anything, until EndDocument or until control returns to the event
// loop, and the operation after that starts a new document.
class ReportPrinter {
 public:
  // dialog_parent: the window over which the printer's own questions are asked.
  explicit ReportPrinter(QWidget* dialog_parent = nullptr);
  ~ReportPrinter();

  // Prints every later document into this PDF file, without asking anything; an empty path
  // returns to the default printer.
  void SetPdfFile(const QString& path);

  // Sets where the next line starts: its top (down) and the place of a first text that has
  // no column (across). Lines that continue on a new page start at the same down position.
  PrintStatus SetPrintPosition(float across_twips, float down_twips);
  // Sets the font face; "宋体" prints in AR PL UMing CN, a Song face with half-em columns.
  PrintStatus SetPrintFontName(const std::string& name);
  // Sets the font size in points; the column width and the line spacing follow it.
  PrintStatus SetPrintFontSize(float points);
  // Prints the texts on the current line and moves down by the font's line spacing.
  PrintStatus PrintLine(const std::vector<PrintText>& texts);
  // Finishes the document and hands it to the printer or writes the PDF file.
  PrintStatus EndDocument();

 private:
  struct Document;
  struct State;

  // The current document, started on demand; Ok, or the status that the caller gets back.
  PrintStatus EnsureDocument();
  // Discards the current document and answers the rest of it with this status.
  PrintStatus Abandon(PrintStatus status);

  QWidget* dialog_parent_;
  std::unique_ptr<State> state_;
};
