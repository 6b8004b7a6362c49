// Answers the program's modal dialogs as they open, so that a command runs through the real
// dialogs.
#include "dialog_script.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

namespace {

// Marks a dialog already answered: one closing may still be on the modal stack when the timer
// fires.
constexpr char kAnswered[] = "answeredByScript";

}  // namespace

DialogScript::DialogScript(std::vector<Reply> replies) : replies_(std::move(replies)) {
  // The dialogs run their own event loops, which keep this timer going.
  QObject::connect(&timer_, &QTimer::timeout, [this] { answerOpenDialog(); });
  timer_.start(1);
}

void DialogScript::answerOpenDialog() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (dialog == nullptr || !dialog->isVisible() || dialog->property(kAnswered).toBool())
    return;
  dialog->setProperty(kAnswered, true);
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    messages_ << box->text();
    if (dialogHook_)
      dialogHook_(box);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    return;
  }
  answerPrompt(dialog);
}

void DialogScript::answerPrompt(QWidget* dialog) {
  auto* label = dialog->findChild<QLabel*>();
  auto* edit = dialog->findChild<QLineEdit*>();
  auto* buttons = dialog->findChild<QDialogButtonBox*>();
  const QString prompt = label != nullptr ? label->text() : QString();
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
  }
  // A dialog left open would hold the test for ever.
  if (dialog->isVisible()) {
    ADD_FAILURE() << "the answer did not close the prompt: " << prompt.toStdString();
    if (auto* asDialog = qobject_cast<QDialog*>(dialog))
      asDialog->reject();
  }
}
