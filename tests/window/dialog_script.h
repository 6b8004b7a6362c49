// Answers the program's modal dialogs as they open, so that a command runs through the real
// dialogs.
#pragma once

#include <QString>
#include <QStringList>
#include <QTimer>
#include <functional>
#include <vector>

class QWidget;

// How a prompt is answered after its text has been typed.
enum class Answer { Enter, Escape, OkButton, CancelButton, Close };

struct Reply {
  QString typed;
  Answer answer = Answer::Enter;
};

class DialogScript {
 public:
  // One reply per prompt, in order. Message boxes are acknowledged with OK and use no reply.
  explicit DialogScript(std::vector<Reply> replies);

  // Called while each dialog, prompt or message, is open, before it is answered; a prompt's text
  // is already the last of prompts().
  void setDialogHook(std::function<void(QWidget* dialog)> hook) { dialogHook_ = std::move(hook); }

  const QStringList& prompts() const { return prompts_; }
  const QStringList& messages() const { return messages_; }
  bool allRepliesUsed() const { return next_ == replies_.size(); }

 private:
  void answerOpenDialog();
  void answerPrompt(QWidget* dialog);

  std::vector<Reply> replies_;
  std::size_t next_ = 0;
  QStringList prompts_;
  QStringList messages_;
  std::function<void(QWidget*)> dialogHook_;
  QTimer timer_;
};
