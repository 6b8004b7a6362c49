// The prompt dialog of the host: a prompt over one input line, with OK and Cancel.
#include "app/window/input_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/window/lost_window_watch.h"

namespace {

// Wide enough that every prompt of the dialogue fits on two lines.
constexpr int kPromptWidthInCharacters = 40;

// The pieces one after another, broken into lines no wider than `width` between pieces only;
// the blanks a line ends in are dropped.
QString FillLines(const QStringList& pieces, const QFontMetrics& metrics, int width) {
  QString text;
  QString line;
  for (const QString& piece : pieces) {
    const QString longer = line + piece;
    if (!line.isEmpty() && metrics.horizontalAdvance(longer.trimmed()) > width) {
      text += line.trimmed() + QLatin1Char('\n');
      line = piece;
    } else {
      line = longer;
    }
  }
  return text + line.trimmed();
}

}  // namespace

InputDialog::InputDialog(QWidget* parent)
    : QDialog(parent),
      promptLabel_(new QLabel(this)),
      replyEdit_(new QLineEdit(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this)) {
  promptLabel_->setTextFormat(Qt::PlainText);
  promptLabel_->setWordWrap(false);
  connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(promptLabel_);
  layout->addWidget(replyEdit_);
  layout->addWidget(buttons_);
  layout->setSizeConstraint(QLayout::SetFixedSize);
  RejectWhenWindowIsLost(this);
}

int InputDialog::promptWidth() const {
  return promptLabel_->fontMetrics().horizontalAdvance(QChar(0x6C49)) * kPromptWidthInCharacters;
}

void InputDialog::prepare(const QString& title, const QStringList& pieces, const QString& offered,
                          bool small) {
  setWindowTitle(title);
  setProperty("promptText", pieces.join(QString()));
  if (small) {
    promptLabel_->setMinimumWidth(0);
    promptLabel_->setText(pieces.join(QString()).trimmed());
  } else {
    promptLabel_->setMinimumWidth(promptWidth());
    promptLabel_->setText(FillLines(pieces, promptLabel_->fontMetrics(), promptWidth()));
  }
  replyEdit_->setText(offered);
  replyEdit_->selectAll();
  replyEdit_->setFocus();
  adjustSize();
}

QString InputDialog::reply() const {
  return replyEdit_->text();
}
