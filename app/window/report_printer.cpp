// Report lines on QPrinter through QPainter: twips, character columns, pages, and PDF instead of a
// missing printer.
#include "app/window/report_printer.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRawFont>
#include <QStandardPaths>
#include <QString>
#include <QTimer>
#include <algorithm>
#include <array>
#include <optional>

namespace {

const QString kDocumentName = QStringLiteral("超高渐变段横坡计算书");

// The report asks for 宋体; this Song face has the same half-em average width, so the report's
// columns fit on an A4 page, and its digits extract from a PDF as text.
QString FamilyFor(const std::string& name) {
  if (name == "宋体") {
    return QStringLiteral("AR PL UMing CN");
  }
  return QString::fromStdString(name);
}

PrintStatus Failure(const QString& reason) {
  return {PrintStatus::Failed, reason.toStdString()};
}

PrintStatus Declined() {
  return {PrintStatus::Declined, {}};
}

// Asks whether to save the document as PDF and where; an empty path when the user declines.
QString AskForPdfFile(QWidget* parent) {
  const QString title = QStringLiteral("打印");
  if (QMessageBox::question(
          parent, title, QStringLiteral("未找到打印机，是否将计算书保存为 PDF 文件？"),
          QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) != QMessageBox::Yes) {
    return {};
  }
  const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("保存计算书"),
                                              QDir(folder).filePath(kDocumentName + ".pdf"),
                                              QStringLiteral("PDF 文件 (*.pdf)"));
  if (!path.isEmpty() && !path.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive)) {
    path += QStringLiteral(".pdf");
  }
  return path;
}

}  // namespace

struct ReportPrinter::State {
  QString pdf_file;
  std::unique_ptr<Document> document;
  // Set while the rest of a discarded document is being refused.
  std::optional<PrintStatus> abandoned;
  // Owns the pending timer that forgets a discarded document once the caller has left it.
  std::unique_ptr<QObject> abandon_timer_owner;
};

struct ReportPrinter::Document {
  struct Glyph {
    bool looked_up = false;
    quint32 index = 0;  // 0: the font has no glyph for the character
    qreal advance = 0;
  };

  // The printer before the painter, so that the painter ends before the printer goes.
  std::unique_ptr<QPrinter> printer;
  QString pdf_file;  // empty when printing on a printer
  QPainter painter;

  qreal dots_per_twip = 0;
  qreal page_bottom = 0;  // device pixels below the top of the printable area
  qreal start_across = 0;
  qreal start_down = 0;
  qreal line_top = 0;
  bool page_has_text = false;

  QFont font;
  std::optional<QFontMetricsF> metrics;
  QRawFont raw_font;
  qreal column_width = 0;

  // Most report texts are digits and a few Latin signs, so their glyphs are looked up once per
  // font and drawn as one glyph run per line: far cheaper than laying out every text.
  std::array<Glyph, 128> ascii_glyphs;
  QHash<char16_t, Glyph> other_glyphs;
  QList<quint32> line_glyphs;
  QList<QPointF> line_positions;

  Document(std::unique_ptr<QPrinter> p, QString pdf) : printer(std::move(p)), pdf_file(pdf) {}

  void UseFont() {
    const QFont device_font(font, printer.get());
    metrics.emplace(device_font);
    column_width = metrics->averageCharWidth();
    raw_font = QRawFont::fromFont(device_font);
    painter.setFont(font);
    ascii_glyphs = {};
    other_glyphs.clear();
  }

  Glyph& GlyphFor(char16_t c) {
    Glyph& glyph = c < ascii_glyphs.size() ? ascii_glyphs[c] : other_glyphs[c];
    if (!glyph.looked_up) {
      glyph.looked_up = true;
      const QChar ch(c);
      int count = 1;
      if (raw_font.glyphIndexesForChars(&ch, 1, &glyph.index, &count) && count == 1 &&
          glyph.index != 0) {
        QPointF advance;
        raw_font.advancesForGlyphIndexes(&glyph.index, &advance, 1);
        glyph.advance = advance.x();
      } else {
        glyph.index = 0;
      }
    }
    return glyph;
  }

  // Adds the text's glyphs at x to the line's glyph run; false, adding nothing, when the font
  // lacks one of them and the text needs the painter's font fallback.
  bool AppendGlyphs(const QString& text, qreal x, qreal* width) {
    const qsizetype first = line_glyphs.size();
    qreal pen = x;
    for (const QChar ch : text) {
      const Glyph* glyph = ch.isSurrogate() ? nullptr : &GlyphFor(ch.unicode());
      if (!glyph || glyph->index == 0) {
        line_glyphs.resize(first);
        line_positions.resize(first);
        return false;
      }
      line_glyphs.append(glyph->index);
      line_positions.append(QPointF(pen, 0));
      pen += glyph->advance;
    }
    *width = pen - x;
    return true;
  }

  void DrawLine(const std::vector<PrintText>& texts) {
    const qreal baseline = line_top + metrics->ascent();
    struct Fallback {
      qreal x;
      QString text;
    };
    std::vector<Fallback> fallbacks;
    qreal x = start_across;
    for (const PrintText& item : texts) {
      if (item.column >= 1) {
        x = (item.column - 1) * column_width;
      }
      const QString text = QString::fromStdString(item.text);
      qreal width = 0;
      if (!AppendGlyphs(text, x, &width)) {
        width = metrics->horizontalAdvance(text);
        fallbacks.push_back({x, text});
      }
      x += width;
    }
    if (!line_glyphs.isEmpty()) {
      QGlyphRun run;
      run.setRawFont(raw_font);
      run.setGlyphIndexes(line_glyphs);
      run.setPositions(line_positions);
      painter.drawGlyphRun(QPointF(0, baseline), run);
    }
    // After the run has let go of them, so that the lists keep their storage for the next line.
    line_glyphs.clear();
    line_positions.clear();
    for (const Fallback& fallback : fallbacks) {
      painter.drawText(QPointF(fallback.x, baseline), fallback.text);
    }
  }

  bool Failed() const {
    return printer->printerState() == QPrinter::Error ||
           printer->printerState() == QPrinter::Aborted;
  }

  QString FailureReason(const QString& printer_detail) const {
    if (!pdf_file.isEmpty()) {
      return QStringLiteral("无法写入 PDF 文件 %1").arg(QDir::toNativeSeparators(pdf_file));
    }
    return printer_detail.arg(printer->printerName());
  }
};

ReportPrinter::ReportPrinter(QWidget* dialog_parent)
    : dialog_parent_(dialog_parent), state_(std::make_unique<State>()) {}

ReportPrinter::~ReportPrinter() = default;

void ReportPrinter::SetPdfFile(const QString& path) {
  state_->pdf_file = path;
}

PrintStatus ReportPrinter::EnsureDocument() {
  if (state_->abandoned) {
    return *state_->abandoned;
  }
  if (state_->document) {
    return PrintStatus::Success();
  }

  QString pdf_file = state_->pdf_file;
  std::unique_ptr<QPrinter> printer;
  if (pdf_file.isEmpty()) {
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull() && !QPrinterInfo::availablePrinters().isEmpty()) {
      info = QPrinterInfo::availablePrinters().constFirst();
    }
    if (info.isNull()) {
      pdf_file = AskForPdfFile(dialog_parent_);
      if (pdf_file.isEmpty()) {
        return Abandon(Declined());
      }
    } else {
      printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
  }
  if (!printer) {
    printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdf_file);
    // A PDF has no hardware margins; these stand in for a printer's, so that the page looks
    // as it would on paper.
    printer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
  }
  printer->setDocName(kDocumentName);

  auto document = std::make_unique<Document>(std::move(printer), pdf_file);
  if (!document->painter.begin(document->printer.get())) {
    const QString reason = document->FailureReason(QStringLiteral("无法打开打印机 %1"));
    document.reset();
    return Abandon(Failure(reason));
  }
  Document& doc = *document;
  const int dpi = doc.printer->resolution();
  doc.dots_per_twip = dpi / 1440.0;
  doc.page_bottom = doc.printer->pageLayout().paintRectPixels(dpi).height();
  doc.font = QFont(FamilyFor("宋体"));
  doc.font.setPointSizeF(10);
  doc.UseFont();
  state_->document = std::move(document);
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::Abandon(PrintStatus status) {
  if (std::unique_ptr<Document> document = std::move(state_->document)) {
    document->printer->abort();
    document->painter.end();
    if (!document->pdf_file.isEmpty()) {
      QFile::remove(document->pdf_file);
    }
  }
  state_->abandoned = status;
  // The report runs in one go without returning to the event loop; once control is back there,
  // the caller has left this document, and its next operation belongs to a new one.
  state_->abandon_timer_owner = std::make_unique<QObject>();
  QTimer::singleShot(0, state_->abandon_timer_owner.get(),
                     [state = state_.get()] { state->abandoned.reset(); });
  return status;
}

PrintStatus ReportPrinter::SetPrintPosition(float across_twips, float down_twips) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  Document& doc = *state_->document;
  doc.start_across = across_twips * doc.dots_per_twip;
  doc.start_down = down_twips * doc.dots_per_twip;
  doc.line_top = doc.start_down;
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::SetPrintFontName(const std::string& name) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  Document& doc = *state_->document;
  doc.font.setFamily(FamilyFor(name));
  doc.UseFont();
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::SetPrintFontSize(float points) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  if (!(points > 0)) {
    return Abandon(Failure(QStringLiteral("字号无效：%1").arg(QString::number(points))));
  }
  Document& doc = *state_->document;
  doc.font.setPointSizeF(points);
  doc.UseFont();
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::PrintLine(const std::vector<PrintText>& texts) {
  if (PrintStatus status = EnsureDocument(); !status.ok()) {
    return status;
  }
  Document& doc = *state_->document;
  const bool blank =
      std::all_of(texts.begin(), texts.end(), [](const PrintText& t) { return t.text.empty(); });
  // A blank line only moves down, so that blank lines at the foot of a page never open an
  // empty one.
  if (!blank) {
    if (doc.page_has_text && doc.line_top + doc.metrics->lineSpacing() > doc.page_bottom) {
      if (!doc.printer->newPage()) {
        return Abandon(Failure(doc.FailureReason(QStringLiteral("打印机 %1 无法换页"))));
      }
      doc.line_top = doc.start_down;
      doc.page_has_text = false;
    }
    doc.DrawLine(texts);
    doc.page_has_text = true;
  }
  doc.line_top += doc.metrics->lineSpacing();
  return PrintStatus::Success();
}

PrintStatus ReportPrinter::EndDocument() {
  if (state_->abandoned) {
    PrintStatus status = *state_->abandoned;
    state_->abandoned.reset();
    state_->abandon_timer_owner.reset();
    return status;
  }
  std::unique_ptr<Document> document = std::move(state_->document);
  if (!document) {
    return PrintStatus::Success();
  }
  if (!document->painter.end() || document->Failed()) {
    const QString reason = document->FailureReason(QStringLiteral("打印机 %1 出错"));
    document->printer->abort();
    if (!document->pdf_file.isEmpty()) {
      QFile::remove(document->pdf_file);
    }
    return Failure(reason);
  }
  return PrintStatus::Success();
}
