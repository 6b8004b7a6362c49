// A host that answers prompts from a script and logs everything the program does to the world.
#pragma once

#include <array>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/calc_host.h"
#include "app/calc_record.h"

// One log line per event, tab-separated:
//   INPUT prompt [offered] | REPLY reply | CANCEL | EXHAUSTED | SET TextN text | MESSAGE text |
//   NOTE text | END
//   PRINTPOS x y | FONTNAME name | FONTSIZE size | LINE [column text]... (column "-": follows) |
//   ENDDOC
// The page heading, abandoned documents, the shown calculation and the prompts' titles are
// kept in members, not logged.
class ScriptHost : public CalcHost {
 public:
  using Reply = std::optional<std::string>;  // nullopt: Cancel

  ScriptHost() = default;
  explicit ScriptHost(std::vector<Reply> replies) : replies(replies.begin(), replies.end()) {}

  std::deque<Reply> replies;
  std::vector<std::string> log;
  std::array<std::string, kFieldCount> fields;  // what Text1 to Text11 show
  std::string note;                             // the window's note line
  std::vector<std::string> titles;              // every prompt's title, in order
  std::vector<PrintText> page_heading;          // as last set
  int abandoned_documents = 0;
  int documents_printed = 0;  // each one a job of its own, numbered from 1
  int shown_section = 0;      // as the last ShowCalculation said
  int calculations_shown = 0;
  bool exhausted = false;  // a prompt found no reply left (and was cancelled)
  bool ended = false;
  bool keep_log = true;  // off: only count the printer's lines, for long runs
  // The printer operation with this number (from 0, counted over the host's life) answers
  // `failure` instead of printing.
  int failing_print_operation = -1;
  PrintStatus failure = {PrintStatus::Failed, "打印机缺纸"};
  int print_operations = 0;

  std::optional<std::string> InputBox(const Prompt& prompt) override;
  void SetText(TextField field, const std::string& text) override;
  std::string GetText(TextField field) override;
  void ShowMessage(const std::string& text) override;
  void ShowNote(const std::string& text) override;
  void ShowCalculation(const CalcRecord& record, int shown_section) override;
  PrintStatus SetPrintPosition(float across_twips, float down_twips) override;
  PrintStatus SetPrintFontName(const std::string& name) override;
  PrintStatus SetPrintFontSize(float points) override;
  PrintStatus PrintLine(const std::vector<PrintText>& texts) override;
  PrintStatus SetPageHeading(const std::vector<PrintText>& texts) override;
  PrintStatus EndDocument() override;
  void AbandonDocument() override;
  void End() override;

  const std::string& Field(TextField field) const;

 private:
  void Log(std::string line);
  PrintStatus Printed(std::string line);
};

// A float as %.9g and a double as %.17g would write it, whatever the locale.
std::string ExactText(float value);
std::string ExactText(double value);

// RECORD with every scalar field, then one SLOT line per table slot.
std::vector<std::string> RecordLines(const CalcRecord& record);
