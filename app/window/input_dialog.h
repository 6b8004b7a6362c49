// The prompt dialog of the host: a wrapped prompt over one input line, with OK and Cancel.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;

class InputDialog : public QDialog {
  Q_OBJECT

 public:
  // An application-modal dialog; the input line starts empty and has the focus.
  InputDialog(const QString& title, const QString& prompt, QWidget* parent = nullptr);

  // The text in the input line, as typed.
  QString reply() const;

 private:
  QLabel* promptLabel_;
  QLineEdit* replyEdit_;
};
