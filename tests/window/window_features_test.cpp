// The window as a person meets it: where prompts stand, its frame and fonts, the note line, the
// diagram, the context menu with its exports, and leaving it at any time.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "app/window/diagram_view.h"
#include "app/window/main_window.h"
#include "dialog_script.h"
#include "entry/prompt_texts.h"
#include "output/section_table.h"
#include "qt_gtest_printers.h"

namespace {

constexpr int Px(int twips) {
  return twips / 15;
}

// A single run at KI 115 of the transition from K1 100 (2 %) to K2 160 (6 %): every value
// confirmed with Enter, then `output` at the output question and one key prompt after N.
std::vector<Reply> SingleRun(const QString& output = "x") {
  std::vector<Reply> replies;
  for (const char* value : {"1", "1", "100", "2", "160", "6", "115", "N"}) {
    replies.push_back({value});
    replies.push_back({""});
  }
  replies.push_back({""});  // the key prompt of the immediate display
  replies.push_back({output});
  if (output == "N") {
    replies.push_back({""});
  }
  return replies;
}

QPushButton* Button(MainWindow& window, const char* name) {
  return window.findChild<QPushButton*>(name);
}

void Calculate(MainWindow& window, const std::vector<Reply>& replies) {
  DialogScript script(replies);
  QTest::mouseClick(Button(window, "Command1"), Qt::LeftButton);
  EXPECT_TRUE(script.allRepliesUsed());
}

// The dialog's frame in the window's coordinates.
QRect InWindow(QWidget* dialog, MainWindow& window) {
  const QRect frame = dialog->frameGeometry();
  return QRect(window.mapFromGlobal(frame.topLeft()), frame.size());
}

TEST(WindowFeatures, PromptsStandAboveThePanelAndTheKeyPromptLeftOfIt) {
  MainWindow window;
  window.show();
  DialogScript script(SingleRun());
  int checked = 0;
  script.setDialogHook([&](QWidget* dialog) {
    // Placed after the frame is known: let that happen first.
    QTest::qWait(5);
    const QRect place = InWindow(dialog, window);
    SCOPED_TRACE(dialog->windowTitle().toStdString());
    if (dialog->windowTitle() == QString::fromStdString(prompt::SectionTitle(1, 1))) {
      EXPECT_LT(place.right(), Px(3480));
      EXPECT_LE(place.top(), Px(9120));  // beside band 4, from 7560 to 9120 twips
      EXPECT_GE(place.bottom(), Px(7560));
    } else {
      EXPECT_LT(place.bottom(), Px(4680));
      EXPECT_GE(place.left(), 0);
      EXPECT_LE(place.right(), window.width());
    }
    ++checked;
  });
  QTest::mouseClick(Button(window, "Command1"), Qt::LeftButton);
  EXPECT_EQ(18, checked);
}

TEST(WindowFeatures, OpensAtItsLayoutPlusAMarginWithItsIcon) {
  MainWindow window;
  const QSize least(Px(10320 + 120), Px(9735 + 120));
  EXPECT_EQ(least, window.minimumSize());
  EXPECT_EQ(least, window.size());
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_FALSE(window.windowIcon().pixmap(32, 32).isNull());
}

// The width of a text at a desktop scale: the font's metrics at that many device pixels per
// logical one, in logical pixels.
qreal WidthAtScale(const QFont& font, const QString& text, int scale) {
  QFont scaled(font);
  scaled.setPointSizeF(font.pointSizeF() * scale);
  return QFontMetricsF(scaled).horizontalAdvance(text) / scale;
}

TEST(WindowFeatures, CaptionsHaveARealBoldFaceAndEveryFieldTextFits) {
  MainWindow window;
  for (const char* name : {"Label1", "Label19", "Command1"}) {
    const QFont font = window.findChild<QWidget*>(name)->font();
    const QFontInfo info(font);
    EXPECT_EQ(QString("Noto Serif CJK SC"), info.family()) << name;
    // A face of its own in bold, not a regular one thickened, which scaling loses.
    EXPECT_TRUE(info.bold()) << name;
    EXPECT_TRUE(QFontDatabase::styles(info.family()).contains("Bold")) << name;
    EXPECT_TRUE(info.styleName().contains("Bold")) << name << " " << info.styleName().toStdString();
  }
  struct Fit {
    const char* field;
    const char* text;
  };
  const Fit fits[] = {
      {"Text1", " K9999+999.999"}, {"Text2", " K9999+999.999"},  {"Text10", " K9999+999.999"},
      {"Text6", " K9999+999.999"}, {"Text3", " -12.345 %"},      {"Text4", " -12.345 %"},
      {"Text7", " -12.345 %"},     {"Text11", " -12.345 %"},     {"Text5", " 655320.000 米"},
      {"Text8", " 655320.000 米"}, {"Text8", " -655320.000 米"}, {"Text9", " 20.000 米"},
      {"Text9", "单点计算"},
  };
  for (const Fit& fit : fits) {
    auto* field = window.findChild<QLineEdit*>(fit.field);
    // The frame and the line edit's own margin of 2 pixels on each side.
    const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
    const int room = field->width() - 2 * frame - 4;
    for (int scale : {1, 2}) {
      EXPECT_LE(WidthAtScale(field->font(), fit.text, scale), room)
          << fit.field << " \"" << fit.text << "\" at " << scale << "×";
    }
  }
}

TEST(WindowFeatures, ANoteAfterAPrintStaysUntilTheNextCommand) {
  MainWindow window;
  window.show();
  auto* note = window.findChild<QLabel*>("NoteLine");
  ASSERT_NE(nullptr, note);
  EXPECT_EQ(Qt::NoFocus, note->focusPolicy());
  EXPECT_GE(note->y(), Px(4380));
  EXPECT_LE(note->geometry().bottom(), Px(4640));
  EXPECT_EQ(Px(240), note->x());
  EXPECT_EQ(Px(10320), note->x() + note->width());

  Calculate(window, SingleRun());
  QTemporaryDir dir;
  const QString pdf = dir.filePath("report.pdf");
  window.host().printer().SetPdfFile(pdf);
  {
    DialogScript script({});
    QTest::mouseClick(Button(window, "Command3"), Qt::LeftButton);
  }
  EXPECT_EQ(QString("计算书已保存为 %1（共 1 页）").arg(QDir::toNativeSeparators(pdf)),
            note->text());
  // The next command clears it; an abandoned click leaves no note either.
  Calculate(window, {{"", Answer::Escape}});
  EXPECT_EQ(QString(), note->text());
}

TEST(WindowFeatures, TheDiagramFollowsTheCalculationAndTheSectionShown) {
  MainWindow window;
  window.show();
  auto* diagram = window.findChild<DiagramView*>("Diagram");
  ASSERT_NE(nullptr, diagram);
  EXPECT_EQ(Qt::NoFocus, diagram->focusPolicy());
  EXPECT_EQ(QRect(Px(240), Px(120), Px(10320 - 240), Px(4320 - 120)), diagram->geometry());
  EXPECT_TRUE(diagram->model().empty);

  Calculate(window, SingleRun());
  ASSERT_FALSE(diagram->model().empty);
  ASSERT_TRUE(diagram->model().shown.has_value());
  EXPECT_EQ(1, diagram->model().shown->section);
  EXPECT_EQ(115, diagram->model().shown->station);

  // An abandoned click leaves the diagram as it was.
  const DiagramModel before = diagram->model();
  std::vector<Reply> abandoned = SingleRun();
  abandoned.resize(5);
  abandoned.back() = {"", Answer::Escape};
  Calculate(window, abandoned);
  EXPECT_EQ(before.shown->station, diagram->model().shown->station);
  EXPECT_EQ(before.left.samples.size(), diagram->model().left.samples.size());
}

QAction* MenuAction(MainWindow& window, const QString& caption) {
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text() == caption)
      return action;
  }
  ADD_FAILURE() << "no action " << caption.toStdString();
  return nullptr;
}

const QStringList kMenu = {"复制计算表", "导出计算表为 CSV 文件…", "保存计算书为 PDF 文件…",
                           "打印预览…", "保存示意图为图片…"};

TEST(WindowFeatures, TheMenuIsDisabledBeforeTheFirstCalculationAndJoinsNoFocusOrder) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  bool checked = false;
  QTimer::singleShot(50, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(nullptr, menu);
    QStringList captions;
    for (QAction* action : menu->actions()) {
      captions << action->text();
      EXPECT_FALSE(action->isEnabled()) << action->text().toStdString();
    }
    EXPECT_EQ(kMenu, captions);
    checked = true;
    menu->close();
  });
  // The keyboard's menu key, with the focus in a field.
  QTest::keyClick(window.findChild<QLineEdit*>("Text1"), Qt::Key_Menu);
  EXPECT_TRUE(checked);
  EXPECT_EQ(nullptr, window.findChild<QWidget*>("qt_menubar"));
}

TEST(WindowFeatures, CopiesTheTableWhereverTheFocusIsAndCtrlCStillCopiesAField) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  Calculate(window, SingleRun());
  window.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* field = window.findChild<QLineEdit*>("Text5");
  field->setFocus();
  // Through the window system, as a real key press comes, so that shortcuts are looked up.
  QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QString copied = QGuiApplication::clipboard()->text();
  EXPECT_EQ(
      QString("序号\t桩号\t桩号（米）\t距起点 Lp（米）\t左侧横坡 Ip(L)（%）\t右侧横坡 Ip(R)（%）\n"
              "1\tK0+115.000\t115.000\t15.000\t2.625\t0.750"),
      copied);
  EXPECT_EQ(QString("计算表已复制到剪贴板（2 行）"), window.findChild<QLabel*>("NoteLine")->text());
  field->selectAll();
  QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QString(" 60.000 米"), QGuiApplication::clipboard()->text());
}

QByteArray Bytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(WindowFeatures, ExportsTheTableTheReportAndTheDiagramToFilesThatOpen) {
  MainWindow window;
  window.show();
  Calculate(window, SingleRun());
  QTemporaryDir dir;
  const QString csv = dir.filePath("表.csv");
  const QString pdf = dir.filePath("计算书.pdf");
  const QString png = dir.filePath("图.png");
  const QString svg = dir.filePath("图.svg");
  DialogScript script(
      {{csv, Answer::SaveAs}, {pdf, Answer::SaveAs}, {png, Answer::SaveAs}, {svg, Answer::SaveAs}});
  auto* note = window.findChild<QLabel*>("NoteLine");
  MenuAction(window, kMenu[1])->trigger();
  const QByteArray table = Bytes(csv);
  EXPECT_TRUE(table.startsWith("\xEF\xBB\xBF序号,桩号,")) << table.toStdString();
  EXPECT_TRUE(table.endsWith("1,K0+115.000,115.000,15.000,2.625,0.750\r\n")) << table.toStdString();
  EXPECT_EQ(QString("计算表已导出为 %1（2 行）").arg(QDir::toNativeSeparators(csv)), note->text());

  MenuAction(window, kMenu[2])->trigger();
  QProcess pdfinfo;
  pdfinfo.start("pdfinfo", {pdf});
  ASSERT_TRUE(pdfinfo.waitForFinished(30000));
  EXPECT_EQ(0, pdfinfo.exitCode()) << pdfinfo.readAllStandardError().toStdString();
  EXPECT_TRUE(note->text().startsWith("计算书已保存为 ")) << note->text().toStdString();

  MenuAction(window, kMenu[4])->trigger();
  const QImage image(png);
  ASSERT_FALSE(image.isNull());
  auto* diagram = window.findChild<DiagramView*>("Diagram");
  EXPECT_EQ(diagram->size() * 2, image.size());
  MenuAction(window, kMenu[4])->trigger();
  QSvgRenderer renderer(svg);
  EXPECT_TRUE(renderer.isValid());
  EXPECT_EQ(QString("示意图已保存为 %1").arg(QDir::toNativeSeparators(svg)), note->text());
  EXPECT_TRUE(script.allRepliesUsed());
}

TEST(WindowFeatures, ASaveThatFailsSaysSoAndLeavesTheOldFile) {
  MainWindow window;
  window.show();
  Calculate(window, SingleRun());
  QTemporaryDir dir;
  // A name inside a file, as if it were a folder: no one can write there, root neither.
  const QString old = dir.filePath("old.csv");
  {
    QFile file(old);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old table");
  }
  const QString path = QDir(old).filePath("表.csv");
  DialogScript script({{path, Answer::SaveAs}});
  MenuAction(window, kMenu[1])->trigger();
  ASSERT_EQ(2, script.messages().size());  // the file dialog, then the message
  EXPECT_TRUE(script.messages().back().startsWith("保存失败：无法写入文件 " + path))
      << script.messages().back().toStdString();
  EXPECT_EQ(QString(), window.findChild<QLabel*>("NoteLine")->text());
  EXPECT_EQ(QByteArray("old table"), Bytes(old));
  EXPECT_EQ(QStringList{"old.csv"}, QDir(dir.path()).entryList(QDir::Files));
}

// Closing the window ends the program also while a prompt waits, so a long step-through can be
// left at once.
TEST(WindowFeatures, ClosingTheWindowWhileAPromptWaitsEndsTheProgram) {
  MainWindow window;
  window.show();
  int prompts = 0;
  QTimer closer;
  QObject::connect(&closer, &QTimer::timeout, [&] {
    if (window.host().openDialog() != nullptr && ++prompts == 1)
      window.close();
  });
  closer.start(5);
  QTimer::singleShot(0, [&] { QTest::mouseClick(Button(window, "Command1"), Qt::LeftButton); });
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(1); });
  watchdog.start(30000);
  EXPECT_EQ(0, QApplication::exec());
  EXPECT_EQ(1, prompts);
}

// A prompt whose window goes away counts as its Cancel: at a confirmation the value stands and
// the dialogue goes on; at a value prompt the click is abandoned as after Cancel.
TEST(WindowFeatures, APromptWhoseWindowIsDestroyedCountsAsItsCancel) {
  MainWindow window;
  window.show();
  Calculate(window, SingleRun());
  const QString k1 = window.findChild<QLineEdit*>("Text1")->text();
  std::vector<Reply> replies = SingleRun();
  replies.resize(7);
  replies[4] = {"200"};
  replies[5] = {"", Answer::DestroyWindow};  // K1's confirmation: K1 200 stands
  replies[6] = {"", Answer::DestroyWindow};  // I1's prompt: the click is abandoned
  DialogScript script(replies);
  QStringList shown;
  script.setDialogHook([&](QWidget*) { shown << window.findChild<QLineEdit*>("Text1")->text(); });
  QTest::mouseClick(Button(window, "Command1"), Qt::LeftButton);
  EXPECT_TRUE(script.allRepliesUsed());
  // K1 as each of its prompts and I1's found it.
  EXPECT_EQ(QStringList({" K0+100.000", " K0+200.000", " K0+200.000"}), shown.mid(4));
  EXPECT_EQ(k1, window.findChild<QLineEdit*>("Text1")->text());
}

TEST(WindowFeatures, AfterALostPromptTheNextClickRunsAsUsual) {
  MainWindow window;
  window.show();
  {
    DialogScript script({{"", Answer::DestroyWindow}});
    QTest::mouseClick(Button(window, "Command1"), Qt::LeftButton);
    EXPECT_TRUE(script.allRepliesUsed());
  }
  Calculate(window, SingleRun());
  EXPECT_EQ(QString(" K0+115.000"), window.findChild<QLineEdit*>("Text6")->text());
}

}  // namespace
