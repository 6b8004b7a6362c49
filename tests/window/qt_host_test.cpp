// Tests of the Qt host: the prompt dialog, the message box, the fields and the end of the program.
#include "app/window/qt_host.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <memory>

#include "dialog_script.h"
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
    std::array<QLineEdit*, 11> fields{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
      fields[i] = new QLineEdit(&window_);
      fields[i]->setObjectName(QString("Text%1").arg(i + 1));
    }
    host_ = std::make_unique<QtHost>(&window_, fields);
    window_.show();
  }

  QtHost& host() { return *host_; }
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

TEST(QtHost, InputBoxIsAnApplicationModalDialogWithTheWrappedPrompt) {
  HostWindow window;
  DialogScript script({{"", Answer::Enter}});
  script.setDialogHook([](QWidget* dialog) {
    EXPECT_EQ(QString(kTitle), dialog->windowTitle());
    EXPECT_EQ(Qt::ApplicationModal, dialog->windowModality());

    auto* label = dialog->findChild<QLabel*>();
    EXPECT_EQ(QString(kLongPrompt), label->text());
    EXPECT_TRUE(label->wordWrap());
    // Wrapped over more than one line, all of it inside the label, and the dialog on the screen.
    const QFontMetrics metrics = label->fontMetrics();
    const QRect needed =
        metrics.boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap, label->text());
    EXPECT_GE(needed.height(), 2 * metrics.lineSpacing());
    EXPECT_LE(needed.height(), label->height());
    EXPECT_LE(dialog->width(), dialog->screen()->availableGeometry().width() / 2);

    auto* edit = dialog->findChild<QLineEdit*>();
    EXPECT_EQ(QString(), edit->text());
    EXPECT_EQ(edit, dialog->focusWidget());

    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    EXPECT_EQ(QString("确定"), buttons->button(QDialogButtonBox::Ok)->text());
    EXPECT_EQ(QString("取消"), buttons->button(QDialogButtonBox::Cancel)->text());
  });
  window.host().InputBox(kLongPrompt);
  EXPECT_EQ(QStringList{kLongPrompt}, script.prompts());
}

TEST(QtHost, ShowMessageShowsTheTextWithAnOkButton) {
  HostWindow window;
  QString title;
  QString okText;
  Qt::WindowModality modality = Qt::NonModal;
  DialogScript script({});
  script.setDialogHook([&](QWidget* dialog) {
    auto* box = qobject_cast<QMessageBox*>(dialog);
    ASSERT_NE(nullptr, box);
    title = box->windowTitle();
    okText = box->button(QMessageBox::Ok)->text();
    modality = box->windowModality();
  });
  window.host().ShowMessage("打印机不能使用");
  EXPECT_EQ(QStringList{"打印机不能使用"}, script.messages());
  EXPECT_EQ(QString(kTitle), title);
  EXPECT_EQ(QString("确定"), okText);
  EXPECT_EQ(Qt::ApplicationModal, modality);
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

}  // namespace
