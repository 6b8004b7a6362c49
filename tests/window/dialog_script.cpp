// Answers the program's modal dialogs as they open, so that a command runs through the real
// dialogs.
#include "dialog_script.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QWindow>

namespace {

// Marks a dialog already answered while it closes; the mark goes when it is shown again.
constexpr char kAnswered[] = "answeredByScript";

class ShowWatch : public QObject {
 public:
  ShowWatch() { qApp->installEventFilter(this); }
  ~ShowWatch() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<QDialog*>(watched) != nullptr)
      watched->setProperty(kAnswered, false);
    return false;
  }
};

// The dialog on screen that has not been answered yet: the program's prompts are not modal to
// Qt (closing the window must reach it), so they are looked for among the top-level widgets.
QDialog* OpenDialog() {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (dialog != nullptr && dialog->isVisible() && !dialog->property(kAnswered).toBool())
      return dialog;
  }
  return nullptr;
}

}  // namespace

DialogScript::DialogScript(std::vector<Reply> replies)
    : replies_(std::move(replies)), showWatch_(std::make_unique<ShowWatch>()) {
  // The dialogs run their own event loops, which keep this timer going.
  QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenDialog(); });
  timer_.start(1);
}

const Reply* DialogScript::next(const QString& what, QWidget* dialog) {
  if (next_ == replies_.size()) {
    ADD_FAILURE() << "unexpected dialog: " << what.toStdString();
    qobject_cast<QDialog*>(dialog)->reject();
    return nullptr;
  }
  return &replies_[next_++];
}

void DialogScript::answerOpenDialog() {
  QDialog* dialog = OpenDialog();
  if (dialog == nullptr)
    return;
  dialog->setProperty(kAnswered, true);
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    messages_ << box->text();
    if (dialogHook_)
      dialogHook_(box);
    if (box->button(QMessageBox::Yes) == nullptr) {
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    } else if (const Reply* reply = next(box->text(), box)) {
      box->button(reply->answer == Answer::Yes ? QMessageBox::Yes : QMessageBox::No)->click();
    }
    return;
  }
  if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
    messages_ << QStringLiteral("file dialog");
    if (dialogHook_)
      dialogHook_(files);
    const Reply* reply = next(QStringLiteral("file dialog"), files);
    if (reply == nullptr)
      return;
    if (reply->answer != Answer::SaveAs) {
      files->reject();
      return;
    }
    files->selectFile(reply->typed);
    // The dialog may still be applying its suggested name while its folder loads; the typed
    // name is what a click on Save takes.
    if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
      name->setText(reply->typed);
    // QFileDialog makes accept() protected; through QDialog it still runs the file dialog's.
    static_cast<QDialog*>(files)->accept();
    return;
  }
  answerPrompt(dialog);
}

void DialogScript::answerPrompt(QWidget* dialog) {
  auto* label = dialog->findChild<QLabel*>();
  auto* edit = dialog->findChild<QLineEdit*>();
  auto* buttons = dialog->findChild<QDialogButtonBox*>();
  // The prompt as the program asked it; the label shows it broken into lines.
  const QVariant asked = dialog->property("promptText");
  const QString prompt = asked.isValid()    ? asked.toString()
                         : label != nullptr ? label->text()
                                            : QString();
  prompts_ << prompt;
  if (edit == nullptr || buttons == nullptr || next_ == replies_.size()) {
    ADD_FAILURE() << "unexpected prompt: " << prompt.toStdString();
    QTest::keyClick(dialog, Qt::Key_Escape);
    return;
  }
  if (dialogHook_)
    dialogHook_(dialog);
  const Reply& reply = replies_[next_++];
  QTest::keyClicks(edit, reply.typed);
  switch (reply.answer) {
    case Answer::Enter:
      QTest::keyClick(edit, Qt::Key_Return);
      break;
    case Answer::Escape:
      QTest::keyClick(edit, Qt::Key_Escape);
      break;
    case Answer::OkButton:
      QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
      break;
    case Answer::CancelButton:
      QTest::mouseClick(buttons->button(QDialogButtonBox::Cancel), Qt::LeftButton);
      break;
    case Answer::Close:
      dialog->close();
      break;
    case Answer::DestroyWindow:
      // The program notices on its own, a moment later.
      dialog->windowHandle()->destroy();
      return;
    case Answer::Yes:
    case Answer::No:
    case Answer::SaveAs:
      ADD_FAILURE() << "a prompt cannot be answered as a question or a file dialog";
      QTest::keyClick(edit, Qt::Key_Escape);
      break;
  }
  // A dialog left open would hold the test for ever.
  if (dialog->isVisible()) {
    ADD_FAILURE() << "the answer did not close the prompt: " << prompt.toStdString();
    if (auto* asDialog = qobject_cast<QDialog*>(dialog))
      asDialog->reject();
  }
}
