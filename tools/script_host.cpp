// The scripted host and its event log.
#include "tools/script_host.h"

#include <charconv>

namespace {

std::string Number(double value, int digits) {
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, digits);
  return ec == std::errc() ? std::string(buffer, end) : "?";
}

}  // namespace

std::string ExactText(float value) {
  return Number(value, 9);
}

std::string ExactText(double value) {
  return Number(value, 17);
}

std::optional<std::string> ScriptHost::InputBox(const Prompt& prompt) {
  titles.push_back(prompt.title);
  Log(prompt.offered.empty() ? "INPUT\t" + prompt.text
                             : "INPUT\t" + prompt.text + "\t" + prompt.offered);
  if (replies.empty()) {
    exhausted = true;
    Log("EXHAUSTED");
    return std::nullopt;
  }
  Reply reply = replies.front();
  replies.pop_front();
  Log(reply ? "REPLY\t" + *reply : "CANCEL");
  return reply;
}

void ScriptHost::SetText(TextField field, const std::string& text) {
  fields[FieldSlot(field)] = text;
  Log("SET\tText" + std::to_string(static_cast<int>(field)) + "\t" + text);
}

std::string ScriptHost::GetText(TextField field) {
  return Field(field);
}

const std::string& ScriptHost::Field(TextField field) const {
  return fields[FieldSlot(field)];
}

void ScriptHost::ShowMessage(const std::string& text) {
  Log("MESSAGE\t" + text);
}

void ScriptHost::ShowNote(const std::string& text) {
  note = text;
  if (!text.empty()) {
    Log("NOTE\t" + text);
  }
}

void ScriptHost::ShowCalculation(const CalcRecord&, int section) {
  shown_section = section;
  ++calculations_shown;
}

PrintStatus ScriptHost::SetPrintPosition(float across_twips, float down_twips) {
  return Printed("PRINTPOS\t" + ExactText(across_twips) + "\t" + ExactText(down_twips));
}

PrintStatus ScriptHost::SetPrintFontName(const std::string& name) {
  return Printed("FONTNAME\t" + name);
}

PrintStatus ScriptHost::SetPrintFontSize(float points) {
  return Printed("FONTSIZE\t" + ExactText(points));
}

PrintStatus ScriptHost::PrintLine(const std::vector<PrintText>& texts) {
  std::string line = "LINE";
  if (keep_log) {
    for (const PrintText& text : texts) {
      line += '\t';
      line += text.column == 0 ? "-" : std::to_string(text.column);
      line += '\t';
      line += text.text;
    }
  }
  return Printed(std::move(line));
}

PrintStatus ScriptHost::SetPageHeading(const std::vector<PrintText>& texts) {
  page_heading = texts;
  return PrintStatus::Success();
}

PrintStatus ScriptHost::EndDocument() {
  PrintStatus status = Printed("ENDDOC");
  if (status.ok()) {
    // A printer of its own name, so that the note after a print reads as on a real one.
    status.printer = "Script";
    status.job = ++documents_printed;
    status.pages = 1;
  }
  return status;
}

void ScriptHost::AbandonDocument() {
  ++abandoned_documents;
}

void ScriptHost::End() {
  ended = true;
  Log("END");
}

void ScriptHost::Log(std::string line) {
  if (keep_log) {
    log.push_back(std::move(line));
  }
}

PrintStatus ScriptHost::Printed(std::string line) {
  if (print_operations++ == failing_print_operation) {
    Log("PRINTFAIL\t" + line);
    return failure;
  }
  Log(std::move(line));
  return PrintStatus::Success();
}

std::vector<std::string> RecordLines(const CalcRecord& r) {
  std::vector<std::string> lines;
  lines.push_back("RECORD\tCaseText=" + r.CaseText +
                  "\tSectionCount=" + std::to_string(r.SectionCount) + "\tK1=" + ExactText(r.K1) +
                  "\tK2=" + ExactText(r.K2) + "\tI1=" + ExactText(r.I1) +
                  "\tI2=" + ExactText(r.I2) + "\tL=" + ExactText(r.L) + "\tDL=" + ExactText(r.DL) +
                  "\tTurnDirection=" + ExactText(r.TurnDirection) +
                  "\tCurvePosition=" + ExactText(r.CurvePosition) +
                  "\tComputedSections=" + std::to_string(r.ComputedSections));
  for (size_t i = 0; i < r.Stations.size(); ++i) {
    lines.push_back("SLOT\t" + std::to_string(i) + "\t" + ExactText(r.Stations[i]) + "\t" +
                    ExactText(r.LeftSlopes[i]) + "\t" + ExactText(r.RightSlopes[i]));
  }
  return lines;
}
