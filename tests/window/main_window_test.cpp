// Tests of the main window: the form's controls, its painting, focus order and commands.
#include "app/window/main_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <map>

#include "dialog_script.h"
#include "qt_gtest_printers.h"

namespace {

// The form is given in twips; the window works in logical pixels of 15 twips.
QRect Pixels(int left, int top, int width, int height) {
  for (int twips : {left, top, width, height})
    EXPECT_EQ(0, twips % 15) << twips << " twips is no whole pixel";
  return QRect(left / 15, top / 15, width / 15, height / 15);
}

template <typename Control>
Control* Find(MainWindow& window, const QString& name) {
  auto* control = window.findChild<Control*>(name);
  EXPECT_NE(nullptr, control) << name.toStdString();
  return control;
}

struct ControlCase {
  const char* name;
  int left, top, width, height;  // twips
};

const ControlCase kControls[] = {
    {"Label1", 5040, 4920, 1815, 255},  {"Label9", 4920, 5160, 255, 255},
    {"Text1", 5160, 5160, 1575, 285},   {"Label3", 6960, 4920, 1815, 255},
    {"Label7", 7080, 5160, 255, 255},   {"Text3", 7320, 5160, 1215, 285},
    {"Label2", 5040, 5880, 1815, 255},  {"Label10", 4920, 6120, 255, 255},
    {"Text2", 5160, 6120, 1575, 285},   {"Label4", 6960, 5880, 1815, 255},
    {"Label8", 7080, 6120, 255, 255},   {"Text4", 7320, 6120, 1215, 285},
    {"Label19", 4200, 6840, 1815, 255}, {"Label20", 4080, 7080, 255, 255},
    {"Text10", 4320, 7080, 1455, 285},  {"Label5", 6360, 6840, 1455, 255},
    {"Label11", 6120, 7080, 255, 255},  {"Text5", 6360, 7080, 1335, 285},
    {"Label17", 8400, 6840, 855, 255},  {"Label18", 7800, 7080, 375, 255},
    {"Text9", 8160, 7080, 1335, 285},   {"Label6", 4680, 8160, 975, 255},
    {"Label12", 4080, 8400, 255, 255},  {"Text6", 4320, 8400, 1575, 285},
    {"Label15", 6240, 8160, 1215, 255}, {"Label16", 6000, 8400, 255, 255},
    {"Text8", 6240, 8400, 1215, 285},   {"Label13", 8160, 7800, 1215, 255},
    {"Label14", 7680, 8040, 495, 255},  {"Text7", 8160, 8040, 1215, 285},
    {"Label21", 8160, 8400, 1215, 255}, {"Label22", 7680, 8640, 495, 255},
    {"Text11", 8160, 8640, 1215, 285},  {"Command1", 5400, 9360, 855, 375},
    {"Command2", 6480, 9360, 855, 375}, {"Command3", 7560, 9360, 855, 375},
};

TEST(MainWindow, PlacesEveryControlAtItsFormPosition) {
  MainWindow window;
  for (const ControlCase& c : kControls) {
    QWidget* control = Find<QWidget>(window, c.name);
    EXPECT_EQ(Pixels(c.left, c.top, c.width, c.height), control->geometry()) << c.name;
  }
  EXPECT_EQ(22, window.findChildren<QLabel*>(QRegularExpression("^Label")).size());
  EXPECT_EQ(11, window.findChildren<QLineEdit*>(QRegularExpression("^Text")).size());
  EXPECT_EQ(3, window.findChildren<QPushButton*>().size());
}

TEST(MainWindow, OpensTitledAndLargeEnoughForTheWholeForm) {
  MainWindow window;
  EXPECT_EQ(QString("超高渐变段横坡计算"), window.windowTitle());
  EXPECT_GE(window.width(), 10350 / 15);
  EXPECT_GE(window.height(), 9750 / 15);
}

struct LabelCase {
  const char* name;
  const char* text;
};

const LabelCase kCaptionLabels[] = {
    {"Label1", "超高渐变段起点桩号"},  {"Label3", "超高渐变段起点横坡"},
    {"Label2", "超高渐变段终点桩号"},  {"Label4", "超高渐变段终点横坡"},
    {"Label19", "第一个计算断面桩号"}, {"Label5", "超高渐变段长度"},
    {"Label17", "断面间距"},           {"Label6", "待定点桩号"},
    {"Label15", "计算中线长度"},       {"Label13", "左侧断面横坡"},
    {"Label21", "右侧断面横坡"},
};

const LabelCase kSymbolLabels[] = {
    {"Label9", "K1"},  {"Label7", " I1"},    {"Label10", "K2"},    {"Label8", " I2"},
    {"Label20", "KI"}, {"Label11", " L"},    {"Label18", " DL"},   {"Label12", "Kp"},
    {"Label16", "Lp"}, {"Label14", "Ip(L)"}, {"Label22", "Ip(R)"},
};

// The requested face, its size and weight, and the installed face that stands in for it.
void ExpectFont(const QFont& font, const QString& family, double points, const QString& face,
                const char* control) {
  EXPECT_EQ(family, font.family()) << control;
  EXPECT_DOUBLE_EQ(points, font.pointSizeF()) << control;
  EXPECT_EQ(QFont::Bold, font.weight()) << control;
  EXPECT_EQ(face, QFontInfo(font).family()) << control;
}

void ExpectPlainLabel(QLabel* label, const char* text, const char* name) {
  EXPECT_EQ(QString(text), label->text()) << name;
  EXPECT_EQ(Qt::AlignLeft, label->alignment() & Qt::AlignHorizontal_Mask) << name;
  EXPECT_EQ(QFrame::NoFrame, label->frameShape()) << name;
  EXPECT_FALSE(label->wordWrap()) << name;
  EXPECT_FALSE(label->autoFillBackground()) << name;
  EXPECT_EQ(QColor(255, 255, 192), label->palette().color(label->backgroundRole())) << name;
  // Not cut off at the right edge.
  EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width()) << name;
}

TEST(MainWindow, CaptionLabelsAreSongtiNinePointBold) {
  MainWindow window;
  for (const LabelCase& c : kCaptionLabels) {
    auto* label = Find<QLabel>(window, c.name);
    ExpectPlainLabel(label, c.text, c.name);
    ExpectFont(label->font(), "宋体", 9, "Noto Serif CJK SC", c.name);
  }
}

TEST(MainWindow, SymbolLabelsAreSansSerifEightPointBold) {
  MainWindow window;
  for (const LabelCase& c : kSymbolLabels) {
    auto* label = Find<QLabel>(window, c.name);
    ExpectPlainLabel(label, c.text, c.name);
    ExpectFont(label->font(), "MS Sans Serif", 8.25, "Liberation Sans Narrow", c.name);
  }
}

TEST(MainWindow, FieldsStartEmptySingleLineFramedAndWhite) {
  MainWindow window;
  for (int number = 1; number <= 11; ++number) {
    const QString name = QString("Text%1").arg(number);
    auto* field = Find<QLineEdit>(window, name);
    const std::string label = name.toStdString();
    EXPECT_EQ(QString(), field->text()) << label;
    EXPECT_TRUE(field->hasFrame()) << label;
    EXPECT_FALSE(field->isReadOnly()) << label;
    EXPECT_EQ(Qt::AlignLeft, field->alignment() & Qt::AlignHorizontal_Mask) << label;
    EXPECT_EQ(QColor(Qt::white), field->palette().color(QPalette::Base)) << label;
    EXPECT_EQ(QColor(Qt::black), field->palette().color(QPalette::Text)) << label;
    ExpectFont(field->font(), "MS Sans Serif", 8.25, "Liberation Sans Narrow", label.c_str());
  }
}

struct ButtonCase {
  const char* name;
  const char* text;
  QColor colour;  // invalid: the style's own button colour
};

const ButtonCase kButtons[] = {
    {"Command1", "计 算", QColor(192, 255, 192)},
    {"Command2", "退 出", QColor(255, 192, 192)},
    {"Command3", "打 印", QColor()},
};

TEST(MainWindow, ButtonsHaveTheirCaptionsAndFontAndNoneIsDefault) {
  MainWindow window;
  for (const ButtonCase& c : kButtons) {
    auto* button = Find<QPushButton>(window, c.name);
    EXPECT_EQ(QString(c.text), button->text()) << c.name;
    ExpectFont(button->font(), "宋体", 9, "Noto Serif CJK SC", c.name);
    EXPECT_FALSE(button->isDefault()) << c.name;
    EXPECT_FALSE(button->autoDefault()) << c.name;
  }
}

class ButtonColours : public testing::TestWithParam<QString> {
 protected:
  void TearDown() override { QApplication::setStyle("Fusion"); }
};

TEST_P(ButtonColours, ArePaintedUnderTheApplicationStyle) {
  QApplication::setStyle(GetParam());
  MainWindow window;
  window.show();
  for (const ButtonCase& c : kButtons) {
    auto* button = Find<QPushButton>(window, c.name);
    const QImage image = button->grab().toImage();
    // Left of the caption, inside the frame.
    const QColor painted = image.pixelColor(6, image.height() / 2);
    const QColor expected =
        c.colour.isValid() ? c.colour : QApplication::palette(button).color(QPalette::Button);
    EXPECT_EQ(expected, painted) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(MainWindow, ButtonColours, testing::ValuesIn(QStyleFactory::keys()),
                         [](const testing::TestParamInfo<QString>& info) {
                           return info.param.toStdString();
                         });

struct LineCase {
  const char* name;
  int x1, y1, x2, y2;  // twips
  int penWidth;        // pixels
};

const LineCase kLines[] = {
    {"Line1", 3480, 4680, 10320, 4680, 3}, {"Line2", 3480, 4680, 3480, 9120, 3},
    {"Line3", 3480, 9120, 10320, 9120, 3}, {"Line4", 10320, 4680, 10320, 9120, 3},
    {"Line7", 3480, 5640, 10320, 5640, 2}, {"Line5", 3480, 6600, 10320, 6600, 2},
    {"Line6", 3480, 7560, 10320, 7560, 2},
};

TEST(MainWindow, PaintsTheBackgroundAndThePanelLines) {
  MainWindow window;
  const QImage image = window.grab().toImage();
  const QColor lineColour(192, 64, 0);
  EXPECT_EQ(QColor(255, 255, 192), image.pixelColor(10, 10));
  EXPECT_EQ(QColor(255, 255, 192), image.pixelColor(240, 320));  // inside band 1
  for (const LineCase& line : kLines) {
    // Across the line at its middle, the run of line-coloured pixels is the pen width.
    const QPoint middle((line.x1 + line.x2) / 2 / 15, (line.y1 + line.y2) / 2 / 15);
    const bool horizontal = line.y1 == line.y2;
    int run = 0;
    for (int offset = -5; offset <= 5; ++offset) {
      const QPoint p = horizontal ? middle + QPoint(0, offset) : middle + QPoint(offset, 0);
      run += image.valid(p) && image.pixelColor(p) == lineColour ? 1 : 0;
    }
    EXPECT_EQ(line.penWidth, run) << line.name;
    // And the line reaches both of its ends.
    EXPECT_EQ(lineColour, image.pixelColor(line.x1 / 15, line.y1 / 15)) << line.name;
    EXPECT_EQ(lineColour, image.pixelColor(line.x2 / 15, line.y2 / 15)) << line.name;
  }
}

TEST(MainWindow, TabMovesThroughTheFormOrderStartingAtText1) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  const QStringList expected = {"Text1", "Text2",  "Text3",    "Text4",    "Text5",
                                "Text6", "Text7",  "Command1", "Command2", "Text8",
                                "Text9", "Text10", "Text11",   "Command3", "Text1"};
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  EXPECT_EQ(expected, visited);
}

TEST(MainWindow, EnterAndEscapeInAFieldClickNothing) {
  MainWindow window;
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  std::vector<std::unique_ptr<QSignalSpy>> clicks;
  for (const ButtonCase& c : kButtons)
    clicks.push_back(
        std::make_unique<QSignalSpy>(Find<QPushButton>(window, c.name), &QPushButton::clicked));
  auto* text1 = Find<QLineEdit>(window, "Text1");
  QTest::keyClicks(text1, "12");
  QTest::keyClick(text1, Qt::Key_Return);
  QTest::keyClick(text1, Qt::Key_Escape);
  for (std::size_t i = 0; i < clicks.size(); ++i)
    EXPECT_EQ(0, clicks[i]->count()) << kButtons[i].name;
  EXPECT_EQ(QString("12"), text1->text());
  EXPECT_TRUE(window.isVisible());
}

// Runs the event loop until something ends it; a watchdog turns a loop that never ends into
// the exit code 1 instead of a hanging test.
int RunEventLoop() {
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(1); });
  watchdog.start(30000);
  return QApplication::exec();
}

TEST(MainWindow, ExitButtonEndsTheProgram) {
  MainWindow window;
  window.show();
  QTimer::singleShot(
      0, [&] { QTest::mouseClick(Find<QPushButton>(window, "Command2"), Qt::LeftButton); });
  EXPECT_EQ(0, RunEventLoop());
}

TEST(MainWindow, ClosingTheWindowEndsTheProgram) {
  MainWindow window;
  window.show();
  QTimer::singleShot(0, [&] { window.close(); });
  EXPECT_EQ(0, RunEventLoop());
}

// One prompt of a Calculate click: the text the command shows, the user's reply, and a field
// that must already show a text while the prompt waits.
struct Step {
  const char* prompt;
  Reply reply;
  const char* field = nullptr;
  const char* shows = nullptr;
};

const char kConfirmK1[] = "确认起点桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零";
const char kKeyPrompt[] = "单击键显示计算结果 :";

// A single run at KI 115 on the transition from K1 100 (I1 2 %) to K2 160 (I2 6 %), on the
// first transition curve of a right-hand curve; its results shown once more on the screen.
const Step kSingleRun[] = {
    {"明确平曲线走向 : 右偏输入大于零的任意正整数 (1,2,3,...), 左偏输入小于零的任意负整数 "
     "(-1,-2,-3,...) ",
     {"1"}},
    {"确认平曲线走向是否正确 : 输入正确单击 Enter 键 ; 错误输入零", {""}},
    {"明确超高渐变段的位置 : 位于第一缓和曲线输入 1 , 位于第二缓和曲线输入 2 ", {"1"}},
    {"确认超高渐变段位于平曲线的位置是否正确 : 输入正确单击 Enter 键 ; 错误输入零", {""}},
    {"输入超高渐变段起点桩号 : ", {"100"}},
    {kConfirmK1, {""}, "Text1", " K0+100.000"},
    {"输入起始横坡 I1 :", {"2"}},
    {"确认起始横坡 I1 输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
     {""},
     "Text3",
     " 2.000 %"},
    {"输入超高渐变段终点桩号 :", {"160"}},
    {"确认超高渐变段终点桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
     {""},
     "Text2",
     " K0+160.000"},
    {"输入全超高横坡 :", {"6"}},
    {"确认全超高横坡输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零", {""}, "Text4", " 6.000 %"},
    {"输入第 1 个计算断面的桩号 :", {"115"}},
    {"确认计算断面的桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
     {""},
     "Text10",
     " K0+115.000"},
    {"如果仅仅是单点计算输入 N ,连续计算输入 Y", {"N"}},
    {"确认输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零", {""}},
    // The immediate display: Lp first, the rest after the key prompt.
    {kKeyPrompt, {""}, "Text8", " 15.000 米"},
    {"现在只需要单点屏幕显示输入 N ，需要立即打印输入 Y ：", {"N"}, "Text7", " 2.625 %"},
    {kKeyPrompt, {""}, "Text11", " 0.750 %"},
};

const std::map<QString, QString> kAfterSingleRun = {
    {"Text1", " K0+100.000"},  {"Text2", " K0+160.000"}, {"Text3", " 2.000 %"},
    {"Text4", " 6.000 %"},     {"Text5", " 60.000 米"},  {"Text6", " K0+115.000"},
    {"Text7", " 2.625%"},      {"Text8", " 15.000 米"},  {"Text9", "单点计算"},
    {"Text10", " K0+115.000"}, {"Text11", " 0.750 %"},
};

std::map<QString, QString> FieldTexts(MainWindow& window) {
  std::map<QString, QString> texts;
  for (QLineEdit* field : window.findChildren<QLineEdit*>(QRegularExpression("^Text")))
    texts[field->objectName()] = field->text();
  return texts;
}

// Clicks Calculate and answers its prompts with the steps' replies, checking each prompt's
// text and the field that must show a value while it waits.
void ClickCalculate(MainWindow& window, const std::vector<Step>& steps) {
  std::vector<Reply> replies;
  for (const Step& step : steps)
    replies.push_back(step.reply);
  DialogScript script(replies);
  script.setDialogHook([&](QWidget*) {
    const int index = static_cast<int>(script.prompts().size()) - 1;
    if (index >= static_cast<int>(steps.size()))
      return;
    const Step& step = steps[index];
    EXPECT_EQ(QString(step.prompt), script.prompts().back()) << "prompt " << index;
    if (step.field != nullptr) {
      EXPECT_EQ(QString(step.shows), Find<QLineEdit>(window, step.field)->text())
          << step.field << " at prompt " << index;
    }
  });
  QTest::mouseClick(Find<QPushButton>(window, "Command1"), Qt::LeftButton);
  EXPECT_TRUE(script.allRepliesUsed());
  EXPECT_EQ(static_cast<int>(steps.size()), script.prompts().size());
}

TEST(MainWindow, CalculateFillsTheFieldsThroughTheDialogs) {
  MainWindow window;
  window.show();
  ClickCalculate(window, std::vector<Step>(std::begin(kSingleRun), std::end(kSingleRun)));
  EXPECT_EQ(kAfterSingleRun, FieldTexts(window));
}

TEST(MainWindow, CancelInTheMiddleOfACalculationLeavesTheFieldsAsTheyWere) {
  MainWindow window;
  window.show();
  ClickCalculate(window, std::vector<Step>(std::begin(kSingleRun), std::end(kSingleRun)));

  // A new K1 is shown, then the user cancels the prompt for I1.
  std::vector<Step> abandoned(std::begin(kSingleRun), std::begin(kSingleRun) + 7);
  abandoned[4].reply = {"200"};
  abandoned[5].shows = " K0+200.000";
  abandoned[6].reply = {"", Answer::Escape};
  ClickCalculate(window, abandoned);

  EXPECT_EQ(kAfterSingleRun, FieldTexts(window));
}

// Through the window system, as a real click goes, so that a modal dialog can block it.
void ClickThroughWindowSystem(QPushButton* button) {
  QWidget* window = button->window();
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                    button->mapTo(window, button->rect().center()));
}

TEST(MainWindow, ExitAndPrintTakeNoClickWhileAPromptWaits) {
  MainWindow window;
  window.show();
  QTemporaryDir directory;
  const QString pdf = directory.filePath("report.pdf");
  window.host().printer().SetPdfFile(pdf);
  auto* exit = Find<QPushButton>(window, "Command2");
  auto* print = Find<QPushButton>(window, "Command3");
  QSignalSpy exitClicks(exit, &QPushButton::clicked);
  QSignalSpy printClicks(print, &QPushButton::clicked);

  DialogScript script({{"", Answer::Escape}});
  script.setDialogHook([&](QWidget*) {
    ClickThroughWindowSystem(exit);
    ClickThroughWindowSystem(print);
  });
  ClickThroughWindowSystem(Find<QPushButton>(window, "Command1"));

  EXPECT_EQ(1, script.prompts().size());
  EXPECT_EQ(0, exitClicks.count());
  EXPECT_EQ(0, printClicks.count());
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST(MainWindow, PrintPrintsTheLastCalculation) {
  MainWindow window;
  window.show();
  ClickCalculate(window, std::vector<Step>(std::begin(kSingleRun), std::end(kSingleRun)));
  QTemporaryDir directory;
  const QString pdf = directory.filePath("report.pdf");
  window.host().printer().SetPdfFile(pdf);
  DialogScript script({});
  QTest::mouseClick(Find<QPushButton>(window, "Command3"), Qt::LeftButton);
  EXPECT_EQ(QStringList(), script.messages());
  EXPECT_GT(QFileInfo(pdf).size(), 0);
}

}  // namespace
