// The program's host on Qt: the window's fields, the prompt and message dialogs, the printer.
#include "app/window/qt_host.h"

#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>

#include "app/window/input_dialog.h"

QtHost::QtHost(QWidget* window, const std::array<QLineEdit*, 11>& fields)
    : window_(window), fields_(fields), printer_(window) {}

std::optional<std::string> QtHost::InputBox(const std::string& prompt) {
  InputDialog dialog(window_->windowTitle(), QString::fromStdString(prompt), window_);
  if (dialog.exec() != QDialog::Accepted)
    return std::nullopt;
  return dialog.reply().toStdString();
}

void QtHost::SetText(TextField which, const std::string& text) {
  QLineEdit* edit = field(which);
  edit->setText(QString::fromStdString(text));
  // Show the start of a text that is wider than its field.
  edit->setCursorPosition(0);
  // The command goes on straight into the next prompt; the user must see the value meanwhile.
  edit->repaint();
}

std::string QtHost::GetText(TextField which) {
  return field(which)->text().toStdString();
}

void QtHost::ShowMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, window_->windowTitle(), QString::fromStdString(text),
                  QMessageBox::Ok, window_);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

PrintStatus QtHost::SetPrintPosition(float across_twips, float down_twips) {
  return printer_.SetPrintPosition(across_twips, down_twips);
}

PrintStatus QtHost::SetPrintFontName(const std::string& name) {
  return printer_.SetPrintFontName(name);
}

PrintStatus QtHost::SetPrintFontSize(float points) {
  return printer_.SetPrintFontSize(points);
}

PrintStatus QtHost::PrintLine(const std::vector<PrintText>& texts) {
  return printer_.PrintLine(texts);
}

PrintStatus QtHost::EndDocument() {
  return printer_.EndDocument();
}

void QtHost::End() {
  // exit() rather than quit(): quit() can be refused by a window's close handling.
  QApplication::exit(0);
}

QLineEdit* QtHost::field(TextField which) const {
  return fields_[static_cast<int>(which) - static_cast<int>(TextField::Text1)];
}
