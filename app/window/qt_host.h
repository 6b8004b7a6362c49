// The program's host on Qt: the window's fields and note line, the prompt and message dialogs,
// the diagram's calculation, and the printer.
#pragma once

#include <QPointer>
#include <QRect>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

#include "app/calc_host.h"
#include "app/window/report_printer.h"

class InputDialog;
class QDialog;
class PromptGuard;
class QLabel;
class QLineEdit;
class QMessageBox;
class QWidget;

// The parts of the window the host works with.
struct WindowParts {
  QWidget* window = nullptr;                     // the parent and title of every dialog
  std::array<QLineEdit*, kFieldCount> fields{};  // Text1 to Text11
  QLabel* note = nullptr;                        // the note line, or none
  // Window pixels where prompts stand: value prompts with their bottom above prompt_bottom, key
  // prompts at key_prompt_place, left of the panel.
  int prompt_bottom = 0;
  QPoint key_prompt_place;
};

class QtHost : public CalcHost, public ReportPrinter {
 public:
  explicit QtHost(const WindowParts& window);
  ~QtHost() override;

  std::optional<std::string> InputBox(const Prompt& prompt) override;
  void SetText(TextField field, const std::string& text) override;
  std::string GetText(TextField field) override;
  void ShowMessage(const std::string& text) override;
  void ShowNote(const std::string& text) override;
  void ShowCalculation(const CalcRecord& record, int shown_section) override;
  void End() override;

  // Called with every calculation the window is to draw.
  void setCalculationShown(std::function<void(const CalcRecord&, int)> shown) {
    calculation_shown_ = std::move(shown);
  }
  // The printing layer behind the printer operations, for choosing a PDF file instead.
  ReportPrinter& printer() { return *this; }

  // The prompt dialog while one is open, else null.
  QWidget* openDialog() const;

  // Asks where to save a file: the save dialog in the documents folder with the suggested name,
  // the file types as Qt's name filters; the chosen path, ending in the suffix of one of the
  // types (the chosen one's when the name has none), or nullopt when the user cancels.
  std::optional<QString> AskForSaveFile(const QString& title, const QString& suggested_name,
                                        const QStringList& filters);

 private:
  // No printer installed: asks whether to save the report as a PDF file instead, and where.
  std::optional<QString> AskForPdfFile();
  // Runs the dialog until it is answered, with the window taking no input meanwhile.
  int Run(QDialog& dialog);
  // Key prompts left of the panel beside band 4; every other dialog over the diagram band,
  // its whole frame above the panel.
  void Place(QWidget& dialog, bool key_prompt);

  WindowParts window_;
  std::unique_ptr<InputDialog> prompt_;
  std::unique_ptr<QMessageBox> message_;
  QPointer<QDialog> open_;
  std::function<void(const CalcRecord&, int)> calculation_shown_;
  bool ending_ = false;
  int placing_ = 0;  // counts placements, so that a late lift never moves the next prompt
};
