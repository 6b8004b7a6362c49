// The prompt dialog of the host: a prompt over one input line, with OK and Cancel.
#pragma once

#include <QDialog>
#include <QStringList>

class QDialogButtonBox;
class QLabel;
class QLineEdit;

class InputDialog : public QDialog {
  Q_OBJECT

 public:
  explicit InputDialog(QWidget* parent = nullptr);

  // Sets the dialog up for one prompt: its title; the prompt's pieces (the text cut where a line
  // may break), filled into lines of the wide dialog, or on one line of the small one; and the
  // text offered in the input line, all selected, with the focus there.
  void prepare(const QString& title, const QStringList& pieces, const QString& offered, bool small);

  // The text in the input line, as typed.
  QString reply() const;

  // The width of the wide dialog's prompt, in pixels of the prompt's font.
  int promptWidth() const;

 private:
  QLabel* promptLabel_;
  QLineEdit* replyEdit_;
  QDialogButtonBox* buttons_;
};
