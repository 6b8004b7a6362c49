// Lays out report lines on A4 pages in twips and character columns, with page headings and
// footers, and hands the finished document to the print service or a PDF file.
#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/printer.h"

class QPageLayout;
class QPagedPaintDevice;
class QPainter;

// A laid-out document: every page's lines, ready to be painted on any paged device.
class ReportDocument;

// Where a document goes when no PDF file has been set and no printer is installed: the PDF file
// the user chose, or nullopt when the user declines.
using PdfFileQuestion = std::function<std::optional<QString>()>;

// A document starts at the first operation after EndDocument or AbandonDocument. Positions are
// twips from the top-left corner of the printable area (A4, 10 mm margins); a column is the
// current font's average character width, column 1 beginning at the left edge of the printable
// area. Rows that reach the bottom continue on a new page, under the page heading if one is set;
// every page gets the footer "第 n 页  共 N 页" at its bottom margin.
class ReportPrinter : public virtual Printer {
 public:
  explicit ReportPrinter(PdfFileQuestion ask_for_pdf = {});
  ~ReportPrinter() override;

  // Writes every later document to this PDF file instead of the printer, without asking; an
  // empty path returns to the default printer.
  void SetPdfFile(const QString& path);
  // Keeps the next document instead of sending it, for a preview; TakeKeptDocument hands it over.
  void KeepNextDocument();
  std::shared_ptr<const ReportDocument> TakeKeptDocument();

  PrintStatus SetPrintPosition(float across_twips, float down_twips) final;
  // "宋体" prints in AR PL UMing CN, a Song face with half-em columns.
  PrintStatus SetPrintFontName(const std::string& name) final;
  PrintStatus SetPrintFontSize(float points) final;
  PrintStatus PrintLine(const std::vector<PrintText>& texts) final;
  PrintStatus SetPageHeading(const std::vector<PrintText>& texts) final;
  PrintStatus EndDocument() final;
  void AbandonDocument() final;

 private:
  struct State;
  PrintStatus EnsureDocument();

  PdfFileQuestion ask_for_pdf_;
  std::unique_ptr<State> state_;
};

// The report's page: A4 portrait with 10 mm margins.
QPageLayout ReportPageLayout();

// The document's page count.
int PageCount(const ReportDocument& document);
// Paints every page of the document on the device, one page after another, scaled to its
// resolution. False when the device refuses.
bool PaintDocument(const ReportDocument& document, QPagedPaintDevice& device);
