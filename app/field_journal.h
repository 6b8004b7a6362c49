// A host that remembers what each field showed before a click wrote it, to give it back.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "app/calc_host.h"

// Passes everything on to the window's host. The first write to a field keeps the field's
// earlier text, so that an abandoned click can leave the window as it found it.
class FieldJournal : public CalcHost {
 public:
  explicit FieldJournal(CalcHost& host) : host_(host) {}

  // Gives every field written since construction its earlier text back.
  void Restore();

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

 private:
  CalcHost& host_;
  std::array<std::optional<std::string>, 11> earlier_;
};
