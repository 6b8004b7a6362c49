// Answers the program's modal dialogs as they open, so that a command runs through the real
// dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// How a prompt is answered after its text has been typed, or its native window destroyed as
// another program may do; a question box with Yes and No; a file dialog, with the typed path
// (SaveAs) or not (Escape).
enum class Answer { Enter, Escape, OkButton, CancelButton, Close, DestroyWindow, Yes, No, SaveAs };

struct Reply {
  QString typed;
  Answer answer = Answer::Enter;
};

class DialogScript {
 public:
  // One reply per prompt, question or file dialog, in order. Message boxes with only an OK
  // button are acknowledged with it and use no reply.
  explicit DialogScript(std::vector<Reply> replies);

  // Called while each dialog is open, before it is answered; a prompt's text is already the
  // last of prompts(), a message's the last of messages().
  void setDialogHook(std::function<void(QWidget* dialog)> hook) { dialogHook_ = std::move(hook); }

  const QStringList& prompts() const { return prompts_; }
  const QStringList& messages() const { return messages_; }
  bool allRepliesUsed() const { return next_ == replies_.size(); }

 private:
  void answerOpenDialog();
  void answerPrompt(QWidget* dialog);
  // The next reply, or none (the dialog is then cancelled as unexpected).
  const Reply* next(const QString& what, QWidget* dialog);

  std::vector<Reply> replies_;
  std::size_t next_ = 0;
  QStringList prompts_;
  QStringList messages_;
  std::function<void(QWidget*)> dialogHook_;
  QTimer timer_;
  // Forgets that a dialog was answered whenever it is shown again: the program shows the same
  // dialog for each of its prompts.
  std::unique_ptr<QObject> showWatch_;
};
