// Forwarding to the window's host, with the earlier field texts kept.
#include "app/field_journal.h"

namespace {

size_t Slot(TextField field) {
  return static_cast<size_t>(field) - 1;
}

}  // namespace

void FieldJournal::Restore() {
  for (size_t i = 0; i < earlier_.size(); ++i) {
    if (earlier_[i]) {
      host_.SetText(static_cast<TextField>(i + 1), *earlier_[i]);
    }
  }
  earlier_ = {};
}

std::optional<std::string> FieldJournal::InputBox(const std::string& prompt) {
  return host_.InputBox(prompt);
}

void FieldJournal::SetText(TextField field, const std::string& text) {
  std::optional<std::string>& earlier = earlier_[Slot(field)];
  if (!earlier) {
    earlier = host_.GetText(field);
  }
  host_.SetText(field, text);
}

std::string FieldJournal::GetText(TextField field) {
  return host_.GetText(field);
}

void FieldJournal::ShowMessage(const std::string& text) {
  host_.ShowMessage(text);
}

PrintStatus FieldJournal::SetPrintPosition(float across_twips, float down_twips) {
  return host_.SetPrintPosition(across_twips, down_twips);
}

PrintStatus FieldJournal::SetPrintFontName(const std::string& name) {
  return host_.SetPrintFontName(name);
}

PrintStatus FieldJournal::SetPrintFontSize(float points) {
  return host_.SetPrintFontSize(points);
}

PrintStatus FieldJournal::PrintLine(const std::vector<PrintText>& texts) {
  return host_.PrintLine(texts);
}

PrintStatus FieldJournal::EndDocument() {
  return host_.EndDocument();
}

void FieldJournal::End() {
  host_.End();
}
