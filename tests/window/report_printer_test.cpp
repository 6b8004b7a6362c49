// The printing layer, checked on the PDF it writes: pdftotext -bbox gives back where each word
// landed, in points from the page's top-left corner.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFont>
#include <QFontMetricsF>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <map>
#include <ostream>
#include <tuple>

#include "app/calc_host.h"
#include "app/calc_record.h"
#include "app/window/report_printer.h"
#include "output/print_report.h"

// Shows a QString as its text in failure messages.
void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

namespace {

// The PDF page's printable area begins 10 mm in from the left and top edges.
constexpr double kMargin = 10 * 72 / 25.4;
// The report's starting position, 1500 twips across and 1000 down, in points.
constexpr double kStartAcross = 1500 / 20.0;
constexpr double kStartDown = 1000 / 20.0;
// Well under half a column (about 5 points at 10 points).
constexpr double kTolerance = 0.6;

struct FontGeometry {
  double column;        // average character width, points
  double line_spacing;  // points
};

// The report face at the PDF's own resolution, where its metrics are measured.
FontGeometry Geometry(double points) {
  QPrinter device(QPrinter::HighResolution);
  device.setOutputFormat(QPrinter::PdfFormat);
  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setPointSizeF(points);
  const QFontMetricsF metrics(font, &device);
  const double to_points = 72.0 / device.resolution();
  return {metrics.averageCharWidth() * to_points, metrics.lineSpacing() * to_points};
}

double ColumnX(int column, double points) {
  return kMargin + (column - 1) * Geometry(points).column;
}

struct PdfWord {
  int page = 0;
  double x = 0;
  double top = 0;
  double bottom = 0;
  QString text;
};

// pdftotext lists a page's words block by block; the tests read them line by line, left to
// right. Words of one line differ in top only by their fonts' ascents.
void SortInReadingOrder(std::vector<PdfWord>& words) {
  std::sort(words.begin(), words.end(), [](const PdfWord& a, const PdfWord& b) {
    return std::tie(a.page, a.top) < std::tie(b.page, b.top);
  });
  std::vector<std::pair<int, const PdfWord*>> lines;
  int line = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    if (i > 0 && (words[i].page != words[i - 1].page || words[i].top - words[i - 1].top > 2)) {
      ++line;
    }
    lines.push_back({line, &words[i]});
  }
  std::stable_sort(lines.begin(), lines.end(), [](const auto& a, const auto& b) {
    return std::tie(a.first, a.second->x) < std::tie(b.first, b.second->x);
  });
  std::vector<PdfWord> sorted;
  for (const auto& [number, word] : lines) {
    sorted.push_back(*word);
  }
  words = sorted;
}

std::vector<PdfWord> ReadWords(const QString& pdf) {
  QProcess pdftotext;
  pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
  if (!pdftotext.waitForFinished(60000) || pdftotext.exitCode() != 0) {
    ADD_FAILURE() << "pdftotext could not read " << pdf.toStdString() << ": "
                  << pdftotext.readAllStandardError().toStdString();
    return {};
  }
  std::vector<PdfWord> words;
  QXmlStreamReader xml(pdftotext.readAllStandardOutput());
  int page = 0;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) {
      continue;
    }
    if (xml.name() == QLatin1String("page")) {
      ++page;
    } else if (xml.name() == QLatin1String("word")) {
      const QXmlStreamAttributes a = xml.attributes();
      PdfWord word{page,
                   a.value("xMin").toDouble(),
                   a.value("yMin").toDouble(),
                   a.value("yMax").toDouble(),
                   {}};
      word.text = xml.readElementText();
      words.push_back(word);
    }
  }
  SortInReadingOrder(words);
  return words;
}

int PageCount(const std::vector<PdfWord>& words) {
  return words.empty() ? 0 : words.back().page;
}

// The one word with this text; fails the test when there is none or more than one.
PdfWord Word(const std::vector<PdfWord>& words, const QString& text) {
  std::vector<PdfWord> found;
  for (const PdfWord& word : words) {
    if (word.text == text) {
      found.push_back(word);
    }
  }
  if (found.size() != 1) {
    ADD_FAILURE() << "\"" << text.toStdString() << "\" found " << found.size() << " times";
    return {};
  }
  return found.front();
}

PrintStatus::Kind Kind(const PrintStatus& status) {
  return status.kind;
}

// Sets up a document as the report does: 1500/1000 twips, 宋体 at the given size.
void StartDocument(ReportPrinter& printer, float points) {
  ASSERT_TRUE(printer.SetPrintPosition(1500, 1000).ok());
  ASSERT_TRUE(printer.SetPrintFontName("宋体").ok());
  ASSERT_TRUE(printer.SetPrintFontSize(points).ok());
}

class ReportPrinterTest : public testing::Test {
 protected:
  QString Pdf(const QString& name = QStringLiteral("report.pdf")) const {
    return dir_.filePath(name);
  }

  QTemporaryDir dir_;
};

TEST_F(ReportPrinterTest, MeasuresColumnsFromTheLeftEdgeOfThePrintableArea) {
  // Half an em: column 58 of a 10-point line lies well inside an A4 page.
  EXPECT_NEAR(5.0, Geometry(10).column, 0.1);

  const std::vector<std::vector<PrintText>> lines = {
      {{27, "c27"}, {42, "c42"}, {57, "c57"}},
      {{28, "c28"}, {41, "c41"}, {56, "c56"}},
      {{30, "c30"}},
      {{43, "c43"}, {58, "c58"}},
      {{1, "c1"}, {28, "断面桩号"}},
  };
  ReportPrinter printer;
  printer.SetPdfFile(Pdf());
  StartDocument(printer, 12);
  ASSERT_TRUE(printer.PrintLine({{26, "title26"}}).ok());
  ASSERT_TRUE(printer.SetPrintFontSize(10).ok());
  for (const std::vector<PrintText>& line : lines) {
    ASSERT_TRUE(printer.PrintLine(line).ok());
  }
  ASSERT_TRUE(printer.EndDocument().ok());

  const std::vector<PdfWord> words = ReadWords(Pdf());
  // Columns at 12 points are wider, so the title lands at column 26 only if the columns of
  // both sizes start from the same left edge.
  EXPECT_NEAR(ColumnX(26, 12), Word(words, "title26").x, kTolerance);
  for (const std::vector<PrintText>& line : lines) {
    for (const PrintText& text : line) {
      EXPECT_NEAR(ColumnX(text.column, 10), Word(words, QString::fromStdString(text.text)).x,
                  kTolerance)
          << text.text;
    }
  }
}

TEST_F(ReportPrinterTest, PutsATextWithoutColumnRightAfterThePreviousOne) {
  ReportPrinter printer;
  printer.SetPdfFile(Pdf());
  StartDocument(printer, 10);
  // A first text without a column starts at the starting position across.
  ASSERT_TRUE(printer.PrintLine({{0, "first"}}).ok());
  // Latin letters and the blank are one column wide, Chinese characters two.
  ASSERT_TRUE(
      printer.PrintLine({{30, "AB"}, {0, "CD"}, {0, " EF"}, {0, " 桩号"}, {0, " GH"}}).ok());
  ASSERT_TRUE(printer.PrintLine({{0, "IJ"}, {40, "KL"}}).ok());
  // Armenian is not in the report face; the painter's fallback font draws it.
  ASSERT_TRUE(printer.PrintLine({{45, "Աբ"}, {0, "MN"}, {0, " OP"}}).ok());
  ASSERT_TRUE(printer.EndDocument().ok());

  const std::vector<PdfWord> words = ReadWords(Pdf());
  EXPECT_NEAR(kMargin + kStartAcross, Word(words, "first").x, kTolerance);
  EXPECT_NEAR(ColumnX(30, 10), Word(words, "ABCD").x, kTolerance);
  EXPECT_NEAR(ColumnX(35, 10), Word(words, "EF").x, kTolerance);
  EXPECT_NEAR(ColumnX(38, 10), Word(words, "桩号").x, kTolerance);
  EXPECT_NEAR(ColumnX(43, 10), Word(words, "GH").x, kTolerance);
  EXPECT_NEAR(kMargin + kStartAcross, Word(words, "IJ").x, kTolerance);
  EXPECT_NEAR(ColumnX(40, 10), Word(words, "KL").x, kTolerance);

  QFont font(QStringLiteral("AR PL UMing CN"));
  font.setPointSizeF(10);
  QPrinter device(QPrinter::HighResolution);
  device.setOutputFormat(QPrinter::PdfFormat);
  const double armenian_width =
      QFontMetricsF(font, &device).horizontalAdvance("Աբ") * 72.0 / device.resolution();
  EXPECT_NEAR(ColumnX(45, 10), Word(words, "Աբ").x, kTolerance);
  EXPECT_NEAR(ColumnX(45, 10) + armenian_width, Word(words, "MN").x, kTolerance);
  EXPECT_NEAR(ColumnX(45, 10) + armenian_width + 3 * Geometry(10).column, Word(words, "OP").x,
              kTolerance);
}

TEST_F(ReportPrinterTest, StartsAtTheDownPositionAndMovesDownByTheFontsLineSpacing) {
  ReportPrinter printer;
  printer.SetPdfFile(Pdf());
  StartDocument(printer, 12);
  ASSERT_TRUE(printer.PrintLine({{26, "TITLE"}}).ok());
  ASSERT_TRUE(printer.SetPrintFontSize(10).ok());
  ASSERT_TRUE(printer.PrintLine({}).ok());
  ASSERT_TRUE(printer.PrintLine({{27, "row"}}).ok());
  ASSERT_TRUE(printer.PrintLine({{27, "next"}}).ok());
  ASSERT_TRUE(printer.EndDocument().ok());

  const std::vector<PdfWord> words = ReadWords(Pdf());
  const double top = kMargin + kStartDown;
  const PdfWord title = Word(words, "TITLE");
  const PdfWord row = Word(words, "row");
  EXPECT_NEAR(top, title.top, 0.3);
  EXPECT_NEAR(top + Geometry(12).line_spacing + Geometry(10).line_spacing, row.top, 0.3);
  EXPECT_NEAR(Geometry(10).line_spacing, Word(words, "next").top - row.top, 0.05);
  EXPECT_NEAR(1.2, (title.bottom - title.top) / (row.bottom - row.top), 0.02);
}

TEST_F(ReportPrinterTest, ContinuesALongDocumentOnNewPagesWithEveryRowOnce) {
  constexpr int kRows = 400;
  ReportPrinter printer;
  printer.SetPdfFile(Pdf());
  StartDocument(printer, 10);
  for (int i = 0; i < kRows; ++i) {
    ASSERT_TRUE(
        printer.PrintLine({{27, QStringLiteral("R%1").arg(i).toStdString()}, {43, "1.500"}}).ok());
  }
  ASSERT_TRUE(printer.EndDocument().ok());

  const std::vector<PdfWord> words = ReadWords(Pdf());
  const double rows_per_page = (841.89 - 2 * kMargin - kStartDown) / Geometry(10).line_spacing;
  EXPECT_EQ(static_cast<int>(std::ceil(kRows / std::floor(rows_per_page))), PageCount(words));
  std::map<int, int> pages_starting;  // page -> number of the first row on it
  PdfWord previous;
  for (int i = 0; i < kRows; ++i) {
    const PdfWord row = Word(words, QStringLiteral("R%1").arg(i));
    if (row.page != previous.page) {
      EXPECT_NEAR(kMargin + kStartDown, row.top, 0.3) << "first row of page " << row.page;
      pages_starting[row.page] = i;
    } else {
      EXPECT_NEAR(Geometry(10).line_spacing, row.top - previous.top, 0.05) << "row " << i;
    }
    EXPECT_LE(row.bottom, 841.89 - kMargin) << "row " << i;
    previous = row;
  }
  EXPECT_EQ(PageCount(words), static_cast<int>(pages_starting.size()));
}

TEST_F(ReportPrinterTest, FailsOnAnUnwritablePdfAndStartsAfreshAfterwards) {
  // The two ways a caller leaves a failed document: it ends it, or it returns to the event loop.
  const std::vector<std::function<void(ReportPrinter&)>> ways_of_leaving = {
      [](ReportPrinter& printer) { EXPECT_EQ(PrintStatus::Failed, Kind(printer.EndDocument())); },
      [](ReportPrinter&) { QCoreApplication::processEvents(); },
  };
  for (size_t way = 0; way < ways_of_leaving.size(); ++way) {
    SCOPED_TRACE(way);
    const QString unwritable = Pdf(QStringLiteral("missing/report.pdf"));
    const QString good = Pdf(QStringLiteral("good%1.pdf").arg(way));
    ReportPrinter printer;
    printer.SetPdfFile(unwritable);
    const PrintStatus failed = printer.SetPrintPosition(1500, 1000);
    EXPECT_EQ(PrintStatus::Failed, failed.kind);
    EXPECT_NE(std::string::npos, failed.reason.find("missing/report.pdf")) << failed.reason;
    // Even with a usable file set now, the rest of the failed document is refused.
    printer.SetPdfFile(good);
    EXPECT_EQ(PrintStatus::Failed, Kind(printer.PrintLine({{27, "lost"}})));

    ways_of_leaving[way](printer);
    StartDocument(printer, 10);
    ASSERT_TRUE(printer.PrintLine({{27, "kept"}}).ok());
    ASSERT_TRUE(printer.EndDocument().ok());
    const std::vector<PdfWord> words = ReadWords(good);
    ASSERT_EQ(1u, words.size());
    EXPECT_EQ(QStringLiteral("kept"), words[0].text);
    EXPECT_FALSE(QFile::exists(unwritable));
  }
}

// Answers the printer's modal dialogs as they open, one action per dialog, and keeps what each
// asked. A dialog with no action left is cancelled, so that a wrong path cannot hang the test.
class DialogAnswers {
 public:
  using Action = std::function<void(QWidget*)>;

  explicit DialogAnswers(std::vector<Action> actions) : actions_(actions.begin(), actions.end()) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { AnswerOpenDialog(); });
    timer_.start(10);
  }

  static Action Click(QMessageBox::StandardButton button) {
    return [button](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      ASSERT_NE(nullptr, box);
      box->button(button)->click();
    };
  }
  static Action SaveAs(const QString& path) {
    return [path](QWidget* dialog) {
      auto* files = qobject_cast<QFileDialog*>(dialog);
      ASSERT_NE(nullptr, files);
      files->selectFile(path);
      // The dialog may still be applying its suggested name while its folder loads; the typed
      // name is what a click on Save takes.
      if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))) {
        name->setText(path);
      }
      // QFileDialog makes accept() protected; through QDialog it still runs the file dialog's.
      static_cast<QDialog*>(files)->accept();
    };
  }
  static Action Cancel() {
    return [](QWidget* dialog) { qobject_cast<QDialog*>(dialog)->reject(); };
  }

  // The message of each question, or "file dialog".
  const QStringList& asked() const { return asked_; }

 private:
  void AnswerOpenDialog() {
    QPointer<QWidget> dialog = QApplication::activeModalWidget();
    if (!dialog || dialog->property("answered").toBool()) {
      return;
    }
    dialog->setProperty("answered", true);
    auto* box = qobject_cast<QMessageBox*>(dialog);
    asked_.append(box ? box->text() : QStringLiteral("file dialog"));
    if (actions_.empty()) {
      ADD_FAILURE() << "unexpected dialog: " << asked_.back().toStdString();
      qobject_cast<QDialog*>(dialog.data())->reject();
      return;
    }
    const Action action = actions_.front();
    actions_.pop_front();
    action(dialog);
  }

  std::deque<Action> actions_;
  QStringList asked_;
  QTimer timer_;
};

const QString kPdfQuestion = QStringLiteral("未找到打印机，是否将计算书保存为 PDF 文件？");

class ReportPrinterWithoutPrinterTest : public ReportPrinterTest {
 protected:
  void SetUp() override {
    if (!QPrinterInfo::availablePrinters().isEmpty()) {
      GTEST_SKIP() << "a printer is installed; these tests need a machine without one";
    }
  }
};

TEST_F(ReportPrinterWithoutPrinterTest, RefusingThePdfDeclinesTheWholeDocument) {
  struct Case {
    const char* name;
    std::vector<DialogAnswers::Action> actions;
    QStringList asked;
  };
  const std::vector<Case> cases = {
      {"no to the question", {DialogAnswers::Click(QMessageBox::No)}, {kPdfQuestion}},
      {"cancel on the file dialog",
       {DialogAnswers::Click(QMessageBox::Yes), DialogAnswers::Cancel()},
       {kPdfQuestion, "file dialog"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<DialogAnswers::Action> actions = c.actions;
    actions.push_back(DialogAnswers::Click(QMessageBox::No));
    DialogAnswers answers(actions);
    ReportPrinter printer;
    EXPECT_EQ(PrintStatus::Declined, Kind(printer.SetPrintPosition(1500, 1000)));
    // The rest of the document asks nothing more.
    EXPECT_EQ(PrintStatus::Declined, Kind(printer.PrintLine({{27, "row"}})));
    EXPECT_EQ(PrintStatus::Declined, Kind(printer.EndDocument()));
    EXPECT_EQ(c.asked, answers.asked());
    // After its end, the next document asks again.
    EXPECT_EQ(PrintStatus::Declined, Kind(printer.SetPrintFontSize(10)));
    EXPECT_EQ(c.asked + QStringList{kPdfQuestion}, answers.asked());
  }
}

TEST_F(ReportPrinterWithoutPrinterTest, AsksAgainForTheNextDocumentAndSavesThePdf) {
  DialogAnswers answers({DialogAnswers::Click(QMessageBox::No),
                         DialogAnswers::Click(QMessageBox::Yes),
                         DialogAnswers::SaveAs(Pdf(QStringLiteral("计算书")))});
  ReportPrinter printer;
  EXPECT_EQ(PrintStatus::Declined, Kind(printer.SetPrintPosition(1500, 1000)));
  // The caller stops at the refusal and goes back to the event loop; a later Print click
  // starts a new document.
  QCoreApplication::processEvents();
  StartDocument(printer, 10);
  ASSERT_TRUE(printer.PrintLine({{27, "saved"}}).ok());
  ASSERT_TRUE(printer.EndDocument().ok());

  EXPECT_EQ(QStringList({kPdfQuestion, kPdfQuestion, "file dialog"}), answers.asked());
  const std::vector<PdfWord> words = ReadWords(Pdf(QStringLiteral("计算书.pdf")));
  ASSERT_EQ(1u, words.size());
  EXPECT_EQ(QStringLiteral("saved"), words[0].text);
}

// Hands the report's printer operations to a ReportPrinter; the report needs nothing else.
class PrinterHost : public CalcHost {
 public:
  explicit PrinterHost(ReportPrinter& printer) : printer_(printer) {}

  std::optional<std::string> InputBox(const std::string& prompt) override {
    ADD_FAILURE() << "the report asked: " << prompt;
    return std::nullopt;
  }
  void SetText(TextField, const std::string& text) override {
    ADD_FAILURE() << "the report wrote a field: " << text;
  }
  std::string GetText(TextField) override { return {}; }
  void ShowMessage(const std::string& text) override {
    ADD_FAILURE() << "the report showed: " << text;
  }
  PrintStatus SetPrintPosition(float across, float down) override {
    return printer_.SetPrintPosition(across, down);
  }
  PrintStatus SetPrintFontName(const std::string& name) override {
    return printer_.SetPrintFontName(name);
  }
  PrintStatus SetPrintFontSize(float points) override { return printer_.SetPrintFontSize(points); }
  PrintStatus PrintLine(const std::vector<PrintText>& texts) override {
    return printer_.PrintLine(texts);
  }
  PrintStatus EndDocument() override { return printer_.EndDocument(); }
  void End() override { ADD_FAILURE() << "the report ended the program"; }

 private:
  ReportPrinter& printer_;
};

TEST_F(ReportPrinterTest, PrintsAReportWithItsTextsAtTheirColumns) {
  CalcRecord record;
  record.SectionCount = 2;
  record.ComputedSections = 3;
  record.K1 = 12345.6789;
  record.K2 = 12405.5;
  record.I1 = -2;
  record.I2 = 4;
  record.TurnDirection = 1;
  record.CurvePosition = 1;
  record.Stations = {12345.6789, 12345.6789, 12355.6789, 12365.6789};
  record.LeftSlopes = {0, -2.00049f, 1.23456f, 0};
  record.RightSlopes = {0, 3.1f, -0.5f, 0};
  ReportPrinter printer;
  printer.SetPdfFile(Pdf());
  PrinterHost host(printer);
  ASSERT_TRUE(PrintReport(record, host).ok());

  // Each printed line's words, with the column each starts at: a Latin letter, a digit or a
  // blank is one column wide, a Chinese character two. Line 0 is 12 points, the rest 10.
  struct Line {
    int number;  // how many lines the report printed before it
    std::vector<std::pair<QString, int>> words;
  };
  const std::vector<Line> lines = {
      {0, {{"---", 26}, {"超高渐变段横坡计算", 30}, {"---", 49}}},
      {2, {{"计算段落", 27}, {":", 36}, {"K12+345.68", 38}, {"---", 49}, {"K12+405.500", 53}}},
      {4, {{"本超高渐变段位于第一缓和曲线", 28}, {"(", 57}, {"平曲线右偏", 59}, {")", 70}}},
      {6, {{"起始超高桩号", 32}, {":", 45}, {"K12+345.679", 47}}},
      {7, {{"抵达全超高桩号", 30}, {":", 45}, {"K12+405.500", 47}}},
      {9, {{"起始設计横坡", 32}, {":", 45}, {"I1=", 47}, {"-2.000", 51}, {"%", 58}}},
      {10, {{"抵达全超高横坡", 30}, {":", 45}, {"I2=", 47}, {"4.000", 52}, {"%", 58}}},
      {12, {{"断面桩号", 28}, {"左侧横坡(%)", 41}, {"右侧横坡(%)", 56}}},
      {14, {{"K12+345.679", 27}, {"-2.000", 42}, {"3.100", 58}}},
      {15, {{"K12+355.679", 27}, {"1.235", 43}, {"-0.500", 57}}},
      {16, {{"K12+365.679", 27}, {"0.000", 43}, {"0.000", 58}}},
  };
  std::vector<PdfWord> words = ReadWords(Pdf());
  const double top = kMargin + kStartDown;
  size_t next = 0;
  for (const Line& line : lines) {
    const double points = line.number == 0 ? 12 : 10;
    const double line_top = line.number == 0 ? top
                                             : top + Geometry(12).line_spacing +
                                                   (line.number - 1) * Geometry(10).line_spacing;
    for (const auto& [text, column] : line.words) {
      SCOPED_TRACE(text.toStdString());
      ASSERT_LT(next, words.size());
      const PdfWord& word = words[next++];
      EXPECT_EQ(text, word.text);
      EXPECT_NEAR(ColumnX(column, points), word.x, kTolerance);
      EXPECT_NEAR(line_top, word.top, 0.3);
      EXPECT_EQ(1, word.page);
    }
  }
  EXPECT_EQ(next, words.size());
}

}  // namespace

int main(int argc, char** argv) {
  // Before QApplication: test discovery runs this binary too, with no display.
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
