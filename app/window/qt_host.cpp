// The program's host on Qt: the window's fields and note line, the prompt and message dialogs,
// the printer.
#include "app/window/qt_host.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "app/window/input_dialog.h"
#include "app/window/lost_window_watch.h"
#include "entry/prompt_texts.h"

// While a prompt waits, the window takes no input: no click, key or shortcut reaches anything
// but the prompt. Closing the window still does, so that the program can be left at any time.
class PromptGuard : public QObject {
 public:
  explicit PromptGuard(QWidget* dialog) : dialog_(dialog) { qApp->installEventFilter(this); }
  ~PromptGuard() override { qApp->removeEventFilter(this); }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (!IsInput(event->type())) {
      return false;
    }
    if (auto* widget = qobject_cast<QWidget*>(receiver)) {
      return widget->window() != dialog_;
    }
    if (auto* window = qobject_cast<QWindow*>(receiver)) {
      return window != dialog_->windowHandle();
    }
    // Shortcuts and actions: only those of the prompt.
    return event->type() == QEvent::Shortcut || event->type() == QEvent::ShortcutOverride;
  }

 private:
  static bool IsInput(QEvent::Type type) {
    switch (type) {
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::Shortcut:
      case QEvent::ShortcutOverride:
      case QEvent::ContextMenu:
      case QEvent::TouchBegin:
      case QEvent::TouchUpdate:
      case QEvent::TouchEnd:
        return true;
      default:
        return false;
    }
  }

  QWidget* dialog_;
};

namespace {

QString ToQ(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

QtHost::QtHost(const WindowParts& window)
    : ReportPrinter([this] { return AskForPdfFile(); }), window_(window) {}

QtHost::~QtHost() = default;

QWidget* QtHost::openDialog() const {
  return open_.data();
}

int QtHost::Run(QDialog& dialog) {
  if (ending_) {
    return QDialog::Rejected;
  }
  const PromptGuard guard(&dialog);
  open_ = &dialog;
  // A loop of its own rather than exec(): it ends on the dialog's finished signal, which a
  // dialog whose window was lost still sends, and on the program's end.
  QEventLoop loop;
  const QMetaObject::Connection finished =
      QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
  dialog.setResult(QDialog::Rejected);
  dialog.show();
  dialog.activateWindow();
  loop.exec(QEventLoop::DialogExec);
  QObject::disconnect(finished);
  dialog.hide();
  open_ = nullptr;
  return dialog.result();
}

void QtHost::Place(QWidget& dialog, bool key_prompt) {
  const int placing = ++placing_;
  if (key_prompt) {
    dialog.move(window_.window->mapToGlobal(window_.key_prompt_place));
    return;
  }
  // Centred across the window, its bottom edge above the panel's top.
  const QSize size = dialog.sizeHint();
  const QPoint local((window_.window->width() - size.width()) / 2,
                     std::max(0, window_.prompt_bottom - size.height() - 8));
  dialog.move(window_.window->mapToGlobal(local));
  // Under a window manager the title bar comes on top of that; once the frame is known, the
  // whole frame is lifted above the panel.
  const int panel_top = window_.window->mapToGlobal(QPoint(0, window_.prompt_bottom)).y();
  QPointer<QWidget> shown(&dialog);
  const auto lift = [this, shown, panel_top, placing] {
    if (shown && shown->isVisible() && placing == placing_ &&
        shown->frameGeometry().bottom() >= panel_top) {
      shown->move(shown->pos() - QPoint(0, shown->frameGeometry().bottom() - panel_top + 1));
    }
  };
  QTimer::singleShot(0, &dialog, lift);
  QTimer::singleShot(100, &dialog, lift);
}

std::optional<std::string> QtHost::InputBox(const Prompt& prompt) {
  if (ending_) {
    return std::nullopt;
  }
  if (!prompt_ || WindowWasLost(prompt_.get())) {
    prompt_ = std::make_unique<InputDialog>(window_.window);
  }
  QStringList pieces;
  for (const std::string& piece : prompt::PromptPieces(prompt.text)) {
    pieces << ToQ(piece);
  }
  const QString title = prompt.title.empty() ? window_.window->windowTitle() : ToQ(prompt.title);
  prompt_->prepare(title, pieces, ToQ(prompt.offered), prompt.key_prompt);
  Place(*prompt_, prompt.key_prompt);
  if (Run(*prompt_) != QDialog::Accepted) {
    return std::nullopt;
  }
  return prompt_->reply().toStdString();
}

void QtHost::SetText(TextField which, const std::string& text) {
  QLineEdit* edit = window_.fields[FieldSlot(which)];
  edit->setText(ToQ(text));
  // Show the start of a text that is wider than its field.
  edit->setCursorPosition(0);
  // The command goes on straight into the next prompt; the user must see the value meanwhile.
  edit->repaint();
}

std::string QtHost::GetText(TextField which) {
  return window_.fields[FieldSlot(which)]->text().toStdString();
}

void QtHost::ShowMessage(const std::string& text) {
  if (ending_) {
    return;
  }
  if (!message_ || WindowWasLost(message_.get())) {
    message_ = std::make_unique<QMessageBox>(QMessageBox::Warning, window_.window->windowTitle(),
                                             QString(), QMessageBox::Ok, window_.window);
    RejectWhenWindowIsLost(message_.get());
  }
  message_->setText(ToQ(text));
  message_->adjustSize();
  Place(*message_, false);
  Run(*message_);
}

void QtHost::ShowNote(const std::string& text) {
  if (window_.note != nullptr) {
    window_.note->setText(ToQ(text));
    window_.note->repaint();
  }
}

void QtHost::ShowCalculation(const CalcRecord& record, int shown_section) {
  if (calculation_shown_) {
    calculation_shown_(record, shown_section);
  }
}

void QtHost::End() {
  ending_ = true;
  if (open_) {
    open_->reject();
  }
  // exit() rather than quit(): quit() can be refused by a window's close handling. It leaves a
  // prompt's event loop too; the command then runs out through prompts that return at once.
  QApplication::exit(0);
}

std::optional<QString> QtHost::AskForSaveFile(const QString& title, const QString& suggested_name,
                                              const QStringList& filters) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(folder).exists()) {
    folder = QDir::homePath();
  }
  QString filter = filters.value(0);
  QString path =
      QFileDialog::getSaveFileName(window_.window, title, QDir(folder).filePath(suggested_name),
                                   filters.join(QStringLiteral(";;")), &filter);
  if (path.isEmpty()) {
    return std::nullopt;
  }
  // "PDF 文件 (*.pdf)": a name without the suffix of any offered type gets the chosen one's.
  const auto suffix_of = [](const QString& type) {
    const int star = type.indexOf(QStringLiteral("*."));
    return star < 0 ? QString() : type.mid(star + 1).section(QLatin1Char(')'), 0, 0);
  };
  const bool has_suffix = std::any_of(filters.begin(), filters.end(), [&](const QString& type) {
    return !suffix_of(type).isEmpty() && path.endsWith(suffix_of(type), Qt::CaseInsensitive);
  });
  if (!has_suffix) {
    path += suffix_of(filter);
  }
  return path;
}

std::optional<QString> QtHost::AskForPdfFile() {
  if (QMessageBox::question(window_.window, QStringLiteral("打印"),
                            QStringLiteral("未找到打印机，是否将计算书保存为 PDF 文件？"),
                            QMessageBox::Yes | QMessageBox::No,
                            QMessageBox::Yes) != QMessageBox::Yes) {
    return std::nullopt;
  }
  return AskForSaveFile(QStringLiteral("保存计算书"), QStringLiteral("超高渐变段横坡计算书.pdf"),
                        {QStringLiteral("PDF 文件 (*.pdf)")});
}
