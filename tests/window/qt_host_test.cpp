// Tests of the Qt host: the prompt dialog, the message box, the fields and the end of the program.
#include "app/window/qt_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <memory>

#include "dialog_script.h"
#include "entry/prompt_texts.h"
#include "qt_gtest_printers.h"

namespace {

const char kTitle[] = "超高渐变段横坡计算";
// The longest prompt of the parameter dialogue.
const char kLongPrompt[] =
    "明确平曲线走向 : 右偏输入大于零的任意正整数 (1,2,3,...), 左偏输入小于零的任意负整数 "
    "(-1,-2,-3,...) ";

// A bare window with the eleven fields, standing in for the main window.
class HostWindow {
 public:
  HostWindow() {
    window_.setWindowTitle(kTitle);
    WindowParts parts;
    parts.window = &window_;
    for (std::size_t i = 0; i < parts.fields.size(); ++i) {
      parts.fields[i] = new QLineEdit(&window_);
      parts.fields[i]->setObjectName(QString("Text%1").arg(i + 1));
    }
    parts.note = new QLabel(&window_);
    parts.note->setObjectName("NoteLine");
    host_ = std::make_unique<QtHost>(parts);
    window_.resize(700, 660);
    window_.show();
  }

  QtHost& host() { return *host_; }
  QWidget& widget() { return window_; }
  QLineEdit* field(int number) {
    return window_.findChild<QLineEdit*>(QString("Text%1").arg(number));
  }

 private:
  QWidget window_;
  std::unique_ptr<QtHost> host_;
};

struct ReplyCase {
  const char* name;
  Reply reply;
  std::optional<std::string> expected;
};

class InputBoxReply : public testing::TestWithParam<ReplyCase> {};

TEST_P(InputBoxReply, GivesTheTypedTextOrCancel) {
  HostWindow window;
  DialogScript script({GetParam().reply});
  EXPECT_EQ(GetParam().expected, window.host().InputBox("输入起始横坡 I1 :"));
  EXPECT_TRUE(script.allRepliesUsed());
}

INSTANTIATE_TEST_SUITE_P(
    QtHost, InputBoxReply,
    testing::Values(ReplyCase{"EnterOnEmptyField", {"", Answer::Enter}, ""},
                    ReplyCase{"EnterAfterNumber", {"12.5", Answer::Enter}, "12.5"},
                    ReplyCase{"EnterKeepsBlanks", {" N", Answer::Enter}, " N"},
                    ReplyCase{"OkButton", {"-1", Answer::OkButton}, "-1"},
                    ReplyCase{"Escape", {"3", Answer::Escape}, std::nullopt},
                    ReplyCase{"CancelButton", {"3", Answer::CancelButton}, std::nullopt},
                    ReplyCase{"ClosingTheDialog", {"3", Answer::Close}, std::nullopt}),
    [](const testing::TestParamInfo<ReplyCase>& info) { return info.param.name; });

TEST(QtHost, InputBoxShowsItsTitleAndThePromptBrokenOnlyBetweenItsPieces) {
  HostWindow window;
  DialogScript script({{"", Answer::Enter}});
  script.setDialogHook([&](QWidget* dialog) {
    EXPECT_EQ(QString("超高渐变段横坡计算 — 第 1 步：平曲线走向"), dialog->windowTitle());
    auto* label = dialog->findChild<QLabel*>();
    const QStringList lines = label->text().split('\n');
    EXPECT_EQ(2, lines.size()) << label->text().toStdString();
    // Each line is whole pieces, and all of it shows.
    const std::vector<std::string> pieces = prompt::PromptPieces(kLongPrompt);
    size_t next = 0;
    for (const QString& line : lines) {
      std::string joined;
      while (next < pieces.size() && QString::fromStdString(joined).trimmed() != line) {
        joined += pieces[next++];
      }
      EXPECT_EQ(line, QString::fromStdString(joined).trimmed());
      EXPECT_LE(label->fontMetrics().horizontalAdvance(line), label->width());
    }
    EXPECT_EQ(pieces.size(), next);
    auto* edit = dialog->findChild<QLineEdit*>();
    EXPECT_EQ(QString(), edit->text());
    EXPECT_EQ(edit, dialog->focusWidget());
    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    EXPECT_EQ(QString("确定"), buttons->button(QDialogButtonBox::Ok)->text());
    EXPECT_EQ(QString("取消"), buttons->button(QDialogButtonBox::Cancel)->text());
  });
  window.host().InputBox(Prompt(kLongPrompt, prompt::StepTitle(prompt::kTurnDirection)));
  EXPECT_EQ(QStringList{kLongPrompt}, script.prompts());
}

TEST(QtHost, EveryPromptOfTheDialogueFitsOnTwoLines) {
  HostWindow window;
  std::vector<std::string> texts = {prompt::kKeyPrompt, prompt::kOutputQuestion};
  for (const EntryPrompts* step : prompt::kSteps) {
    texts.insert(texts.end(), {step->first, step->reentry, step->confirm});
  }
  std::vector<Reply> replies(texts.size(), Reply{"", Answer::Enter});
  DialogScript script(replies);
  script.setDialogHook([&](QWidget* dialog) {
    auto* label = dialog->findChild<QLabel*>();
    EXPECT_LE(label->text().count('\n'), 1) << label->text().toStdString();
    EXPECT_LE(dialog->width(), window.widget().width());
  });
  for (const std::string& text : texts) {
    EXPECT_EQ("", window.host().InputBox(Prompt(text, "title"))) << text;
  }
  EXPECT_EQ(static_cast<int>(texts.size()), script.prompts().size());
  EXPECT_TRUE(script.allRepliesUsed());
}

TEST(QtHost, ARefusedReplyIsOfferedAgainAllSelected) {
  HostWindow window;
  DialogScript script({{"", Answer::Enter}, {"K12+345.678", Answer::Enter}});
  int prompt = 0;
  script.setDialogHook([&](QWidget* dialog) {
    auto* edit = dialog->findChild<QLineEdit*>();
    if (prompt++ == 0) {
      EXPECT_EQ(QString("K12+345.67x"), edit->text());
      EXPECT_EQ(QString("K12+345.67x"), edit->selectedText());
    } else {
      EXPECT_EQ(QString(), edit->text());
    }
  });
  // Enter alone takes the offered text as it stands; typing replaces it.
  EXPECT_EQ("K12+345.67x",
            window.host().InputBox(Prompt("输入超高渐变段起点桩号 :", "t", "K12+345.67x")));
  EXPECT_EQ("K12+345.678", window.host().InputBox(Prompt("输入超高渐变段起点桩号 :", "t")));
}

TEST(QtHost, TheWindowTakesNoInputWhileAPromptWaits) {
  HostWindow window;
  auto* button = new QPushButton("button", &window.widget());
  button->setGeometry(10, 600, 80, 30);
  button->show();
  QSignalSpy clicks(button, &QPushButton::clicked);
  DialogScript script({{"", Answer::Enter}});
  script.setDialogHook([&](QWidget*) {
    QTest::mouseClick(window.widget().windowHandle(), Qt::LeftButton, {}, QPoint(50, 615));
    QTest::keyClick(window.widget().windowHandle(), Qt::Key_Space);
  });
  window.host().InputBox("输入起始横坡 I1 :");
  EXPECT_EQ(0, clicks.count());
  // Afterwards it does again.
  QTest::mouseClick(window.widget().windowHandle(), Qt::LeftButton, {}, QPoint(50, 615));
  EXPECT_EQ(1, clicks.count());
}

TEST(QtHost, ShowMessageShowsTheTextWithAnOkButton) {
  HostWindow window;
  QString title;
  QString okText;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  DialogScript script({});
  script.setDialogHook([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(nullptr, box);
    title = box->windowTitle();
    okText = box->button(QMessageBox::Ok)->text();
    icon = box->icon();
  });
  window.host().ShowMessage("打印机不能使用");
  EXPECT_EQ(QStringList{"打印机不能使用"}, script.messages());
  EXPECT_EQ(QString(kTitle), title);
  EXPECT_EQ(QString("确定"), okText);
  EXPECT_EQ(QMessageBox::Warning, icon);
}

TEST(QtHost, SetTextReplacesTheWholeTextOfItsFieldOnly) {
  HostWindow window;
  for (int number = 1; number <= 11; ++number)
    window.field(number)->setText("typed by the user");
  window.host().SetText(TextField::Text10, " K12+345.678");
  for (int number = 1; number <= 11; ++number) {
    const QString expected = number == 10 ? " K12+345.678" : "typed by the user";
    EXPECT_EQ(expected, window.field(number)->text()) << "Text" << number;
  }
  EXPECT_EQ(" K12+345.678", window.host().GetText(TextField::Text10));
  EXPECT_EQ("typed by the user", window.host().GetText(TextField::Text11));
}

TEST(QtHost, EndLeavesTheEventLoop) {
  HostWindow window;
  QTimer::singleShot(0, [&] { window.host().End(); });
  // Should End fail, this leaves the loop with another code instead of hanging the test.
  QTimer watchdog;
  watchdog.setSingleShot(true);
  QObject::connect(&watchdog, &QTimer::timeout, [] { QApplication::exit(1); });
  watchdog.start(30000);
  EXPECT_EQ(0, QApplication::exec());
}

// A prompt whose native window is destroyed while it waits (as another program may do) counts
// as Cancel, a message as OK; the host makes a new dialog for what comes next.
TEST(QtHost, ADialogWhoseWindowIsDestroyedCountsAsCancelled) {
  HostWindow window;
  bool destroyed = false;
  QTimer destroyer;
  QObject::connect(&destroyer, &QTimer::timeout, [&] {
    if (QWidget* dialog = window.host().openDialog(); dialog != nullptr && !destroyed) {
      destroyed = true;
      dialog->windowHandle()->destroy();
    }
  });
  destroyer.start(5);
  EXPECT_EQ(std::nullopt, window.host().InputBox(Prompt("输入起始横坡 I1 :", "t", "2")));
  EXPECT_TRUE(destroyed);
  destroyed = false;
  window.host().ShowMessage("打印失败：打印机缺纸");  // returns instead of waiting for ever
  EXPECT_TRUE(destroyed);
  destroyer.stop();
  // The next prompt is shown and answered as usual.
  DialogScript script({{"6", Answer::Enter}});
  EXPECT_EQ("6", window.host().InputBox("输入全超高横坡 :"));
}

TEST(QtHost, EndWhileAPromptWaitsAnswersItAndEveryLaterOneAtOnce) {
  HostWindow window;
  QTimer::singleShot(20, [&] { window.host().End(); });
  int later_prompts = 0;
  QTimer counter;
  QObject::connect(&counter, &QTimer::timeout,
                   [&] { later_prompts += window.host().openDialog() != nullptr ? 1 : 0; });
  EXPECT_EQ(std::nullopt, window.host().InputBox("输入起始横坡 I1 :"));
  counter.start(1);
  for (int i = 0; i < 100; ++i) {
    EXPECT_EQ(std::nullopt, window.host().InputBox("单击键显示计算结果 :"));
  }
  window.host().ShowMessage("no box");
  counter.stop();
  EXPECT_EQ(0, later_prompts);
  // End left every event loop; one run to its end lets the next test's loops run again.
  QTimer::singleShot(0, [] { QApplication::exit(0); });
  QApplication::exec();
}

const QString kPdfQuestion = QStringLiteral("未找到打印机，是否将计算书保存为 PDF 文件？");

// Without a printer the host asks whether to save the report as a PDF file, and where; a No or
// a cancelled file dialog declines the whole document, and the next one asks again.
TEST(QtHost, WithoutAPrinterAsksForAPdfFileForEachDocument) {
  HostWindow window;
  QTemporaryDir dir;
  const QString pdf = dir.filePath(QStringLiteral("计算书"));
  DialogScript script({{"", Answer::No},
                       {"", Answer::Yes},
                       {"", Answer::Escape},
                       {"", Answer::Yes},
                       {pdf, Answer::SaveAs}});
  QtHost& host = window.host();
  EXPECT_EQ(PrintStatus::Declined, host.SetPrintPosition(1500, 1000).kind);
  host.AbandonDocument();
  EXPECT_EQ(PrintStatus::Declined, host.SetPrintPosition(1500, 1000).kind);
  host.AbandonDocument();
  ASSERT_TRUE(host.SetPrintPosition(1500, 1000).ok());
  ASSERT_TRUE(host.PrintLine({{27, "saved"}}).ok());
  const PrintStatus saved = host.EndDocument();
  ASSERT_TRUE(saved.ok()) << saved.reason;
  EXPECT_EQ(QStringList({kPdfQuestion, kPdfQuestion, "file dialog", kPdfQuestion, "file dialog"}),
            script.messages());
  EXPECT_EQ((pdf + ".pdf").toStdString(), saved.file);
  EXPECT_TRUE(QFile::exists(pdf + ".pdf"));
  EXPECT_TRUE(script.allRepliesUsed());
}

}  // namespace
