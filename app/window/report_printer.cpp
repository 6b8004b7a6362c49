// Report lines laid out on A4 pages, then painted into a PDF that goes to the print service or
// to the user's file.
#include "app/window/report_printer.h"

#include <QBuffer>
#include <QDir>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRawFont>
#include <QSaveFile>
#include <QTemporaryFile>
#include <algorithm>
#include <array>

#include "app/messages.h"
#include "app/window/print_service.h"
#include "output/print_report.h"

namespace {

const QString kDocumentName = QStringLiteral("超高渐变段横坡计算书");

// Device pixels per inch of the laid-out document; a PDF keeps them exactly.
constexpr int kResolution = 1200;
constexpr double kMarginMillimetres = 10;

// The report asks for 宋体; this Song face has the same half-em average width, so the report's
// columns fit on an A4 page, and its digits extract from a PDF as text.
QString FamilyFor(const std::string& name) {
  if (name == "宋体") {
    return QStringLiteral("AR PL UMing CN");
  }
  return QString::fromStdString(name);
}

}  // namespace

QPageLayout ReportPageLayout() {
  return QPageLayout(
      QPageSize(QPageSize::A4), QPageLayout::Portrait,
      QMarginsF(kMarginMillimetres, kMarginMillimetres, kMarginMillimetres, kMarginMillimetres),
      QPageLayout::Millimeter);
}

namespace {

std::unique_ptr<QPdfWriter> NewWriter(QIODevice* device) {
  auto writer = std::make_unique<QPdfWriter>(device);
  writer->setResolution(kResolution);
  writer->setPageLayout(ReportPageLayout());
  writer->setTitle(kDocumentName);
  writer->setCreator(kDocumentName);
  return writer;
}

}  // namespace

// One laid-out line: where it stands, in which font, and its texts from left to right.
struct LaidOutLine {
  struct Piece {
    qreal x = 0;  // device pixels from the printable area's left edge
    QString text;
  };
  qreal top = 0;  // device pixels below the printable area's top edge
  int font = 0;   // index into ReportDocument::fonts
  std::vector<Piece> pieces;
};

class ReportDocument {
 public:
  std::vector<QFont> fonts;
  std::vector<std::vector<LaidOutLine>> pages;
  QRectF paint_rect;  // the printable area in device pixels
  int footer_font = 0;
};

int PageCount(const ReportDocument& document) {
  return static_cast<int>(document.pages.size());
}

namespace {

// Draws one document's lines with one glyph run per line: most report texts are digits and a
// few Latin signs, so their glyphs are looked up once per font, far cheaper than laying out
// every text.
class PagePainter {
 public:
  PagePainter(const ReportDocument& document, QPainter& painter, QPaintDevice& device)
      : document_(document), painter_(painter) {
    for (const QFont& font : document.fonts) {
      const QFont device_font(font, &device);
      fonts_.push_back(
          {device_font, QFontMetricsF(device_font), QRawFont::fromFont(device_font), {}, {}});
    }
  }

  void Paint(int page) {
    for (const LaidOutLine& line : document_.pages[page]) {
      DrawLine(line);
    }
    const QString footer = QString::fromStdString(PageFooter(page + 1, PageCount(document_)));
    Font& font = fonts_[document_.footer_font];
    painter_.setFont(font.font);
    const qreal width = font.metrics.horizontalAdvance(footer);
    // Centred in the bottom margin, below the printable area.
    const qreal margin = kMarginMillimetres / 25.4 * kResolution;
    const qreal baseline = document_.paint_rect.height() + margin / 2 + font.metrics.ascent() / 2;
    painter_.drawText(QPointF((document_.paint_rect.width() - width) / 2, baseline), footer);
  }

 private:
  struct Glyph {
    bool looked_up = false;
    quint32 index = 0;  // 0: the font has no glyph for the character
    qreal advance = 0;
  };
  struct Font {
    QFont font;
    QFontMetricsF metrics;
    QRawFont raw;
    std::array<Glyph, 128> ascii;
    QHash<char16_t, Glyph> other;
  };

  static Glyph& GlyphFor(Font& font, char16_t c) {
    Glyph& glyph = c < font.ascii.size() ? font.ascii[c] : font.other[c];
    if (!glyph.looked_up) {
      glyph.looked_up = true;
      const QChar ch(c);
      int count = 1;
      if (font.raw.glyphIndexesForChars(&ch, 1, &glyph.index, &count) && count == 1 &&
          glyph.index != 0) {
        QPointF advance;
        font.raw.advancesForGlyphIndexes(&glyph.index, &advance, 1);
        glyph.advance = advance.x();
      } else {
        glyph.index = 0;
      }
    }
    return glyph;
  }

  // Adds the text's glyphs at x to the line's run; false, adding nothing, when the font lacks
  // one of them and the text needs the painter's font fallback.
  bool AppendGlyphs(Font& font, const QString& text, qreal x) {
    const qsizetype first = glyphs_.size();
    qreal pen = x;
    for (const QChar ch : text) {
      const Glyph* glyph = ch.isSurrogate() ? nullptr : &GlyphFor(font, ch.unicode());
      if (!glyph || glyph->index == 0) {
        glyphs_.resize(first);
        positions_.resize(first);
        return false;
      }
      glyphs_.append(glyph->index);
      positions_.append(QPointF(pen, 0));
      pen += glyph->advance;
    }
    return true;
  }

  void DrawLine(const LaidOutLine& line) {
    Font& font = fonts_[line.font];
    const qreal baseline = line.top + font.metrics.ascent();
    std::vector<const LaidOutLine::Piece*> fallbacks;
    for (const LaidOutLine::Piece& piece : line.pieces) {
      if (!AppendGlyphs(font, piece.text, piece.x)) {
        fallbacks.push_back(&piece);
      }
    }
    if (!glyphs_.isEmpty()) {
      QGlyphRun run;
      run.setRawFont(font.raw);
      run.setGlyphIndexes(glyphs_);
      run.setPositions(positions_);
      painter_.drawGlyphRun(QPointF(0, baseline), run);
    }
    // After the run has let go of them, so that the lists keep their storage for the next line.
    glyphs_.clear();
    positions_.clear();
    if (!fallbacks.empty()) {
      painter_.setFont(font.font);
      for (const LaidOutLine::Piece* piece : fallbacks) {
        painter_.drawText(QPointF(piece->x, baseline), piece->text);
      }
    }
  }

  const ReportDocument& document_;
  QPainter& painter_;
  std::vector<Font> fonts_;
  QList<quint32> glyphs_;
  QList<QPointF> positions_;
};

}  // namespace

bool PaintDocument(const ReportDocument& document, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) {
    return false;
  }
  // The document was laid out at its own resolution; a device of another one is scaled to it.
  const qreal scale = static_cast<qreal>(device.logicalDpiX()) / kResolution;
  PagePainter pages(document, painter, device);
  for (int page = 0; page < PageCount(document); ++page) {
    if (page > 0 && !device.newPage()) {
      return false;
    }
    painter.save();
    painter.scale(scale, scale);
    pages.Paint(page);
    painter.restore();
  }
  return painter.end();
}

// Where the document goes.
struct Destination {
  enum Kind { Printer, PdfFile, Kept };
  Kind kind = Printer;
  std::string printer;
  // Opened as the document starts, so that a file that cannot be written is told at once; it
  // replaces the old file only when committed.
  std::shared_ptr<QSaveFile> saving;
};

namespace {

PrintStatus NotWritten(const QString& path, const QString& why) {
  return PrintStatus::Failure(
      message::FileNotWritten(QDir::toNativeSeparators(path).toStdString(), why.toStdString()));
}

}  // namespace

struct ReportPrinter::State {
  QString pdf_file;
  bool keep_next = false;
  std::shared_ptr<ReportDocument> kept;

  // The document being laid out; empty between documents.
  std::optional<Destination> destination;
  std::shared_ptr<ReportDocument> document;
  QBuffer metrics_buffer;
  std::unique_ptr<QPdfWriter> metrics_device;  // measures fonts as the PDF will draw them

  qreal dots_per_twip = static_cast<qreal>(kResolution) / 1440;
  qreal start_across = 0;
  qreal start_down = 0;
  qreal line_top = 0;
  bool page_has_text = false;
  QFont font;
  std::vector<QFontMetricsF> metrics;  // of each of the document's fonts, as the PDF draws them
  int font_index = 0;
  qreal column_width = 0;
  qreal line_spacing = 0;
  std::vector<PrintText> heading;
  int heading_font = 0;

  void UseFont() {
    auto found = std::find(document->fonts.begin(), document->fonts.end(), font);
    if (found == document->fonts.end()) {
      document->fonts.push_back(font);
      metrics.emplace_back(font, metrics_device.get());
      found = document->fonts.end() - 1;
    }
    font_index = static_cast<int>(found - document->fonts.begin());
    column_width = metrics[font_index].averageCharWidth();
    line_spacing = metrics[font_index].lineSpacing();
  }

  // Lays the texts out at line_top in the given font, at its columns.
  void LayOut(const std::vector<PrintText>& texts, int in_font) {
    const QFontMetricsF& in = metrics[in_font];
    const qreal columns = in.averageCharWidth();
    LaidOutLine line;
    line.top = line_top;
    line.font = in_font;
    qreal x = start_across;
    for (const PrintText& item : texts) {
      if (item.column >= 1) {
        x = (item.column - 1) * columns;
      }
      const QString text = QString::fromStdString(item.text);
      line.pieces.push_back({x, text});
      x += in.horizontalAdvance(text);
    }
    document->pages.back().push_back(std::move(line));
  }

  void NewPage() {
    document->pages.emplace_back();
    line_top = start_down;
    page_has_text = false;
    if (!heading.empty()) {
      LayOut(heading, heading_font);
      // The heading and the empty line after it.
      line_top +=
          2 * QFontMetricsF(document->fonts[heading_font], metrics_device.get()).lineSpacing();
      page_has_text = true;
    }
  }

  void Reset() {
    destination.reset();
    document.reset();
    metrics.clear();
    heading.clear();
  }
};

ReportPrinter::ReportPrinter(PdfFileQuestion ask_for_pdf)
    : ask_for_pdf_(std::move(ask_for_pdf)), state_(std::make_unique<State>()) {}

ReportPrinter::~ReportPrinter() = default;

void ReportPrinter::SetPdfFile(const QString& path) {
  state_->pdf_file = path;
}

void ReportPrinter::KeepNextDocument() {
  state_->keep_next = true;
}

std::shared_ptr<const ReportDocument> ReportPrinter::TakeKeptDocument() {
  return std::move(state_->kept);
}

PrintStatus ReportPrinter::EnsureDocument() {
  State& s = *state_;
  if (s.destination) {
    return PrintStatus::Success();
  }
  Destination destination;
  QString pdf_file = s.pdf_file;
  if (s.keep_next) {
    s.keep_next = false;
    destination.kind = Destination::Kept;
  } else if (pdf_file.isEmpty()) {
    // A printer that cannot take the job is told before anything is laid out.
    const PrinterCheck check = CheckDefaultPrinter();
    if (check.found && check.stopped) {
      return PrintStatus::Failure(message::PrinterStopped(check.name));
    }
    if (check.found && !check.accepting) {
      return PrintStatus::Failure(message::PrinterNotAccepting(check.name));
    }
    if (check.found) {
      destination = {Destination::Printer, check.name, {}};
    } else {
      const std::optional<QString> file = ask_for_pdf_ ? ask_for_pdf_() : std::nullopt;
      if (!file) {
        return {PrintStatus::Declined};
      }
      pdf_file = *file;
    }
  }
  if (destination.kind != Destination::Kept && !pdf_file.isEmpty()) {
    destination.kind = Destination::PdfFile;
    destination.saving = std::make_shared<QSaveFile>(pdf_file);
    if (!destination.saving->open(QIODevice::WriteOnly)) {
      return NotWritten(pdf_file, destination.saving->errorString());
    }
  }
  s.destination = destination;
  s.document = std::make_shared<ReportDocument>();
  if (!s.metrics_device) {
    s.metrics_device = NewWriter(&s.metrics_buffer);
  }
  s.document->paint_rect = ReportPageLayout().paintRectPixels(kResolution);
  s.document->pages.emplace_back();
  s.start_across = s.start_down = s.line_top = 0;
  s.page_has_text = false;
  s.font = QFont(FamilyFor("宋体"));
  s.font.setPointSizeF(10);
  s.UseFont();
  s.document->footer_font = s.font_index;
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::SetPrintPosition(float across_twips, float down_twips) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  State& s = *state_;
  s.start_across = across_twips * s.dots_per_twip;
  s.start_down = down_twips * s.dots_per_twip;
  s.line_top = s.start_down;
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::SetPrintFontName(const std::string& name) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  state_->font.setFamily(FamilyFor(name));
  state_->UseFont();
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::SetPrintFontSize(float points) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  if (!(points > 0)) {
    return PrintStatus::Failure("字号无效：" + std::to_string(points));
  }
  state_->font.setPointSizeF(points);
  state_->UseFont();
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::PrintLine(const std::vector<PrintText>& texts) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  State& s = *state_;
  const bool blank =
      std::all_of(texts.begin(), texts.end(), [](const PrintText& t) { return t.text.empty(); });
  // A blank line only moves down, so that blank lines at the foot of a page never open an
  // empty one.
  if (!blank) {
    if (s.page_has_text && s.line_top + s.line_spacing > s.document->paint_rect.height()) {
      s.NewPage();
    }
    s.LayOut(texts, s.font_index);
    s.page_has_text = true;
  }
  s.line_top += s.line_spacing;
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::SetPageHeading(const std::vector<PrintText>& texts) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  state_->heading = texts;
  state_->heading_font = state_->font_index;
  return PrintStatus::Success();
}

void ReportPrinter::AbandonDocument() {
  state_->Reset();
}

namespace {

// Paints the document into a PDF on the device.
bool WritePdf(const ReportDocument& document, QIODevice& device) {
  const std::unique_ptr<QPdfWriter> writer = NewWriter(&device);
  return PaintDocument(document, *writer);
}

PrintStatus SaveAsPdf(const ReportDocument& document, QSaveFile& file) {
  if (!WritePdf(document, file) || !file.commit()) {
    const QString why = file.errorString();
    file.cancelWriting();
    return NotWritten(file.fileName(), why);
  }
  PrintStatus saved;
  saved.file = QDir::toNativeSeparators(file.fileName()).toStdString();
  saved.pages = PageCount(document);
  return saved;
}

PrintStatus SendToPrinter(const ReportDocument& document, const std::string& printer) {
  QTemporaryFile file(QDir::tempPath() + QStringLiteral("/superelevation-XXXXXX.pdf"));
  if (!file.open() || !WritePdf(document, file) || !file.flush()) {
    return NotWritten(file.fileName(), file.errorString());
  }
  const SubmitResult submitted =
      SubmitPdf(printer, file.fileName().toStdString(), kDocumentName.toStdString());
  if (submitted.job == 0) {
    return PrintStatus::Failure(message::JobRefused(printer, submitted.error));
  }
  PrintStatus sent;
  sent.printer = printer;
  sent.job = submitted.job;
  sent.pages = PageCount(document);
  return sent;
}

}  // namespace

PrintStatus ReportPrinter::EndDocument() {
  State& s = *state_;
  if (!s.destination) {
    return PrintStatus::Success();
  }
  const Destination destination = *s.destination;
  const std::shared_ptr<ReportDocument> document = s.document;
  s.Reset();
  switch (destination.kind) {
    case Destination::Kept: {
      s.kept = document;
      PrintStatus kept;
      kept.pages = PageCount(*document);
      return kept;
    }
    case Destination::PdfFile:
      return SaveAsPdf(*document, *destination.saving);
    case Destination::Printer:
      break;
  }
  return SendToPrinter(*document, destination.printer);
}
