// The program's host on Qt: the window's fields, the prompt and message dialogs, the printer.
#pragma once

#include <array>

#include "app/calc_host.h"
#include "app/window/report_printer.h"

class QLineEdit;
class QWidget;

class QtHost : public CalcHost {
 public:
  // window: the parent and title of every dialog; fields: Text1 to Text11, in that order.
  QtHost(QWidget* window, const std::array<QLineEdit*, 11>& fields);

  std::optional<std::string> InputBox(const std::string& prompt) override;
  void SetText(TextField field, const std::string& text) override;
  std::string GetText(TextField field) override;
  void ShowMessage(const std::string& text) override;

  PrintStatus SetPrintPosition(float across_twips, float down_twips) override;
  PrintStatus SetPrintFontName(const std::string& name) override;
  PrintStatus SetPrintFontSize(float points) override;
  PrintStatus PrintLine(const std::vector<PrintText>& texts) override;
  PrintStatus EndDocument() override;

  void End() override;

  // The printer behind the printer operations, for choosing a PDF file instead.
  ReportPrinter& printer() { return printer_; }

 private:
  QLineEdit* field(TextField field) const;

  QWidget* window_;
  std::array<QLineEdit*, 11> fields_;
  ReportPrinter printer_;
};
