// The prompt dialog of the host: a wrapped prompt over one input line, with OK and Cancel.
#include "app/window/input_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// A line of about this many Chinese characters still reads at a glance; longer prompts wrap.
constexpr int kPromptWidthInCharacters = 28;

}  // namespace

InputDialog::InputDialog(const QString& title, const QString& prompt, QWidget* parent)
    : QDialog(parent), promptLabel_(new QLabel(prompt, this)), replyEdit_(new QLineEdit(this)) {
  setWindowTitle(title);
  // A prompt belongs to a command that holds the whole program until it is answered.
  setWindowModality(Qt::ApplicationModal);

  promptLabel_->setWordWrap(true);
  promptLabel_->setTextFormat(Qt::PlainText);
  // A fixed width lets the label take the height its wrapped lines need; left to itself, a
  // wrapping label guesses its width and may cut the last line.
  const int width =
      promptLabel_->fontMetrics().horizontalAdvance(QChar(0x6C49)) * kPromptWidthInCharacters;
  promptLabel_->setFixedWidth(width);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(promptLabel_);
  layout->addWidget(replyEdit_);
  layout->addWidget(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  replyEdit_->setFocus();
}

QString InputDialog::reply() const {
  return replyEdit_->text();
}
