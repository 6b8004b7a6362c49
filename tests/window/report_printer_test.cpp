// The printing layer, checked on the PDF it writes: pdftotext -bbox gives back where each word
// landed, in points from the page's top-left corner.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
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

#include <unistd.h>

#include "app/calc_host.h"
#include "app/calc_record.h"
#include "app/window/report_printer.h"
#include "output/print_report.h"
#include "qt_gtest_printers.h"

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

// The words pdftotext reads from a page's footer, "第 2 页  共 8 页".
QStringList FooterWords(int page, int pages) {
  return {QStringLiteral("第"), QString::number(page),  QStringLiteral("页"),
          QStringLiteral("共"), QString::number(pages), QStringLiteral("页")};
}

QStringList TextsFrom(const std::vector<PdfWord>& words, size_t first) {
  QStringList texts;
  for (size_t i = first; i < words.size(); ++i) {
    texts << words[i].text;
  }
  return texts;
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
  const QString unwritable = Pdf(QStringLiteral("missing/report.pdf"));
  const QString good = Pdf(QStringLiteral("good.pdf"));
  ReportPrinter printer;
  printer.SetPdfFile(unwritable);
  // Told at the first operation, before anything is laid out.
  const PrintStatus failed = printer.SetPrintPosition(1500, 1000);
  EXPECT_EQ(PrintStatus::Failed, failed.kind);
  EXPECT_NE(std::string::npos, failed.reason.find("missing/report.pdf")) << failed.reason;
  printer.AbandonDocument();

  printer.SetPdfFile(good);
  StartDocument(printer, 10);
  ASSERT_TRUE(printer.PrintLine({{27, "kept"}}).ok());
  const PrintStatus saved = printer.EndDocument();
  ASSERT_TRUE(saved.ok()) << saved.reason;
  EXPECT_EQ(QDir::toNativeSeparators(good).toStdString(), saved.file);
  EXPECT_EQ(1, saved.pages);
  const std::vector<PdfWord> words = ReadWords(good);
  ASSERT_FALSE(words.empty());
  EXPECT_EQ(QStringLiteral("kept"), words[0].text);
  EXPECT_EQ(FooterWords(1, 1), TextsFrom(words, 1));
  EXPECT_FALSE(QFile::exists(unwritable));
}

TEST_F(ReportPrinterTest, AFolderWithoutWritePermissionLeavesTheOldFileUntouched) {
  const QString folder = dir_.filePath(QStringLiteral("locked"));
  ASSERT_TRUE(QDir().mkpath(folder));
  const QString path = QDir(folder).filePath(QStringLiteral("report.pdf"));
  {
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("old report");
  }
  const bool root = geteuid() == 0;
  // Root may write into any folder; a path whose folder is a plain file fails for everyone.
  const QString target = root ? QDir(path).filePath(QStringLiteral("x.pdf")) : path;
  if (!root) {
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
  }
  ReportPrinter printer;
  printer.SetPdfFile(target);
  const PrintStatus status = printer.SetPrintPosition(1500, 1000);
  EXPECT_EQ(PrintStatus::Failed, status.kind);
  printer.AbandonDocument();
  QFile::setPermissions(folder,
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QFile old(path);
  ASSERT_TRUE(old.open(QIODevice::ReadOnly));
  EXPECT_EQ(QByteArray("old report"), old.readAll());
  EXPECT_EQ(QStringList{QStringLiteral("report.pdf")}, QDir(folder).entryList(QDir::Files));
}

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
  ASSERT_TRUE(PrintReport(record, printer).ok());

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
  // Then only the footer, below the printable area.
  EXPECT_EQ(FooterWords(1, 1), TextsFrom(words, next));
  EXPECT_GT(words.back().top, 841.89 - kMargin);
}

// A report long enough for several pages: each continued page starts with the column headings
// at the same places as on page 1 and an empty line, and every page has its footer.
TEST_F(ReportPrinterTest, RepeatsTheColumnHeadingsAndNumbersEveryPage) {
  CalcRecord record;
  record.SectionCount = 199;
  record.ComputedSections = 200;
  record.K1 = 1000;
  record.K2 = 1199;
  record.I1 = 2;
  record.I2 = 6;
  record.TurnDirection = 1;
  record.CurvePosition = 1;
  record.Stations.assign(202, 0);
  record.LeftSlopes.assign(202, 1.5f);
  record.RightSlopes.assign(202, -1.5f);
  for (int i = 1; i <= 200; ++i) {
    record.Stations[i] = 999 + i;
  }
  ReportPrinter printer;
  printer.SetPdfFile(Pdf());
  const PrintStatus printed = PrintReport(record, printer);
  ASSERT_TRUE(printed.ok()) << printed.reason;
  const std::vector<PdfWord> words = ReadWords(Pdf());
  const int pages = PageCount(words);
  ASSERT_GE(pages, 3);
  EXPECT_EQ(pages, printed.pages);

  std::map<int, std::vector<PdfWord>> headings;  // page -> its "断面桩号" words
  for (const PdfWord& word : words) {
    if (word.text == QStringLiteral("断面桩号") || word.text == QStringLiteral("左侧横坡(%)") ||
        word.text == QStringLiteral("右侧横坡(%)")) {
      headings[word.page].push_back(word);
    }
  }
  ASSERT_EQ(static_cast<size_t>(pages), headings.size());
  const double top = kMargin + kStartDown;
  for (int page = 2; page <= pages; ++page) {
    SCOPED_TRACE(page);
    ASSERT_EQ(3u, headings[page].size());
    for (size_t i = 0; i < 3; ++i) {
      EXPECT_NEAR(headings[1][i].x, headings[page][i].x, 0.05);
      EXPECT_NEAR(top, headings[page][i].top, 0.3);
    }
    // The first row stands two lines below the headings.
    const auto first_row = std::find_if(words.begin(), words.end(), [&](const PdfWord& w) {
      return w.page == page && w.text.startsWith(QStringLiteral("K"));
    });
    ASSERT_NE(words.end(), first_row);
    EXPECT_NEAR(top + 2 * Geometry(10).line_spacing, first_row->top, 0.3);
  }
  // Every row once, and each page's footer, centred.
  for (int i = 1; i <= 200; ++i) {
    const QString station = QStringLiteral("K1+%1.000").arg(i - 1, 3, 10, QLatin1Char('0'));
    EXPECT_EQ(1, std::count_if(words.begin(), words.end(),
                               [&](const PdfWord& w) {
                                 return w.text == station &&
                                        std::fabs(w.x - ColumnX(27, 10)) < kTolerance;
                               }))
        << station.toStdString();
  }
  for (int page = 1; page <= pages; ++page) {
    SCOPED_TRACE(page);
    std::vector<PdfWord> footer;
    for (const PdfWord& word : words) {
      if (word.page == page && word.top > 841.89 - kMargin) {
        footer.push_back(word);
      }
    }
    EXPECT_EQ(FooterWords(page, pages), TextsFrom(footer, 0));
    ASSERT_FALSE(footer.empty());
    const double centre = (footer.front().x + footer.back().x + 5) / 2;
    EXPECT_NEAR(595.28 / 2, centre, 6);
  }
}

}  // namespace
