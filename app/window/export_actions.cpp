// The context menu's actions: the core builds each text, image source and report; this writes
// them where the user chose.
#include "app/window/export_actions.h"

#include <QBuffer>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QVBoxLayout>

#include "app/messages.h"
#include "app/window/diagram_view.h"
#include "app/window/qt_host.h"
#include "output/print_report.h"
#include "output/section_table.h"

namespace {

std::string Native(const QString& path) {
  return QDir::toNativeSeparators(path).toStdString();
}

void TellSaveFailed(QtHost& host, const std::string& reason) {
  host.ShowNote({});
  host.ShowMessage(message::kSaveFailed + reason);
}

// Writes the bytes, then says what was written, or why not.
void Save(QtHost& host, const QString& path, const QByteArray& bytes, const std::string& note) {
  if (const std::optional<std::string> failure = WriteWholeFile(path, bytes)) {
    TellSaveFailed(host, *failure);
    return;
  }
  host.ShowNote(note);
}

QByteArray SvgOf(const DiagramModel& model, QSize size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setSize(size);
  svg.setViewBox(QRect(QPoint(0, 0), size));
  svg.setTitle(QStringLiteral("超高渐变段横坡示意图"));
  QPainter painter(&svg);
  PaintDiagram(painter, QRectF(QPointF(0, 0), size), model);
  painter.end();
  return buffer.data();
}

QByteArray PngOf(const DiagramModel& model, QSize size) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  RenderDiagramImage(model, size, 2.0).save(&buffer, "PNG");
  return buffer.data();
}

}  // namespace

std::optional<std::string> WriteWholeFile(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
    const QString why = file.errorString();
    file.cancelWriting();
    return message::FileNotWritten(Native(path), why.toStdString());
  }
  return std::nullopt;
}

void CopyTable(const CalcRecord& record, QtHost& host) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(ClipboardText(record)));
  host.ShowNote(TableCopiedNote(SectionTable(record).size()));
}

void ExportCsv(const CalcRecord& record, QtHost& host) {
  const std::optional<QString> path =
      host.AskForSaveFile(QStringLiteral("导出计算表"), QStringLiteral("超高渐变段横坡计算表.csv"),
                          {QStringLiteral("CSV 文件 (*.csv)")});
  if (!path) {
    return;
  }
  const std::string bytes = CsvFileBytes(record);
  Save(host, *path, QByteArray::fromStdString(bytes),
       TableExportedNote(Native(*path), SectionTable(record).size()));
}

void SaveReportAsPdf(CalcRecord& record, QtHost& host) {
  const std::optional<QString> path =
      host.AskForSaveFile(QStringLiteral("保存计算书"), QStringLiteral("超高渐变段横坡计算书.pdf"),
                          {QStringLiteral("PDF 文件 (*.pdf)")});
  if (!path) {
    return;
  }
  host.printer().SetPdfFile(*path);
  const PrintStatus status = PrintReport(record, host);
  host.printer().SetPdfFile({});
  if (status.kind == PrintStatus::Failed) {
    TellSaveFailed(host, status.reason);
  } else if (status.ok()) {
    host.ShowNote(message::PrintedNote(status));
  }
}

void PreviewReport(CalcRecord& record, QtHost& host, QWidget* parent,
                   const std::function<void()>& print) {
  host.printer().KeepNextDocument();
  if (!PrintReport(record, host).ok()) {
    return;
  }
  const std::shared_ptr<const ReportDocument> document = host.printer().TakeKeptDocument();
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setPageLayout(ReportPageLayout());

  QDialog dialog(parent);
  dialog.setWindowTitle(
      QStringLiteral("超高渐变段横坡计算 — 打印预览（共 %1 页）").arg(PageCount(*document)));
  auto* pages = new QPrintPreviewWidget(&printer, &dialog);
  QObject::connect(pages, &QPrintPreviewWidget::paintRequested, &dialog,
                   [&](QPrinter* device) { PaintDocument(*document, *device); });
  pages->setViewMode(QPrintPreviewWidget::SinglePageView);
  pages->fitToWidth();
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QPushButton* print_button =
      buttons->addButton(QStringLiteral("打 印"), QDialogButtonBox::ActionRole);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  QObject::connect(print_button, &QPushButton::clicked, &dialog, [&] {
    dialog.accept();
    print();
  });
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(pages);
  layout->addWidget(buttons);
  dialog.resize(720, 900);
  dialog.exec();
}

void SaveDiagram(const DiagramModel& model, QSize logical_size, QtHost& host) {
  const QString png = QStringLiteral("PNG 图片 (*.png)");
  const QString svg = QStringLiteral("SVG 图片 (*.svg)");
  const std::optional<QString> path = host.AskForSaveFile(
      QStringLiteral("保存示意图"), QStringLiteral("超高渐变段横坡示意图.png"), {png, svg});
  if (!path) {
    return;
  }
  const bool as_svg = path->endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
  Save(host, *path, as_svg ? SvgOf(model, logical_size) : PngOf(model, logical_size),
       message::DiagramSavedNote(Native(*path)));
}
