// The Calculate and Print commands.
#include "app/calculate_command.h"

#include <array>
#include <string>
#include <utility>

#include "app/messages.h"
#include "calc/section_stationing.h"
#include "entry/parameter_dialogue.h"
#include "entry/prompt_texts.h"
#include "output/print_report.h"
#include "output/screen_results.h"

namespace {

using FieldTexts = std::array<std::string, kFieldCount>;

FieldTexts NoteFields(CalcHost& host) {
  FieldTexts texts;
  for (std::size_t slot = 0; slot < kFieldCount; ++slot) {
    texts[slot] = host.GetText(FieldAt(slot));
  }
  return texts;
}

// Gives every field that a click changed its earlier text back.
void RestoreFields(CalcHost& host, const FieldTexts& earlier) {
  for (std::size_t slot = 0; slot < kFieldCount; ++slot) {
    if (host.GetText(FieldAt(slot)) != earlier[slot]) {
      host.SetText(FieldAt(slot), earlier[slot]);
    }
  }
}

// Parameters, stations and slopes of one run, on the given copy of the record. The section the
// result fields show afterwards (0: none of this run), or nullopt when the click is to be
// abandoned (Cancel, or a result beyond the number range, already told).
std::optional<int> ComputeRun(CalcRecord& work, CalcHost& host) {
  const std::optional<DialogueResult> dialogue = RunParameterDialogue(work, host);
  if (!dialogue) {
    return std::nullopt;
  }
  // K2 was refused unless |K2 − K1| fits, so the length can always be shown.
  ShowTransitionLength(work, host);
  const std::vector<float> intervals = PrepareSectionTables(work, dialogue->ki);
  if (dialogue->mode == RunMode::Continuous) {
    if (ComputeContinuousRun(work, intervals) != RunFailure::None) {
      host.ShowMessage(message::kComputationOutOfRange);
      return std::nullopt;
    }
    return 0;
  }
  ShowSingleResultDistance(work, dialogue->ki, host);
  if (ComputeSingleRun(work, dialogue->ki) != RunFailure::None) {
    host.ShowMessage(message::kComputationOutOfRange);
    return std::nullopt;
  }
  ShowSingleResult(work, host);
  return 1;
}

// The record with everything but its section tables, which every run re-creates: copying up to
// 32,768 slots of them for nothing would take longer than the run itself.
CalcRecord WithoutTables(CalcRecord& record) {
  std::vector<double> stations = std::move(record.Stations);
  std::vector<float> left = std::move(record.LeftSlopes);
  std::vector<float> right = std::move(record.RightSlopes);
  CalcRecord work = record;
  record.Stations = std::move(stations);
  record.LeftSlopes = std::move(left);
  record.RightSlopes = std::move(right);
  return work;
}

void PrintLastCalculation(CalcRecord& record, CalcHost& host) {
  const PrintStatus status = PrintReport(record, host);
  if (status.kind == PrintStatus::Failed) {
    host.ShowMessage(message::kPrintFailed + status.reason);
  } else if (status.ok()) {
    host.ShowNote(message::PrintedNote(status));
  }
}

}  // namespace

void RunCalculateCommand(CalcRecord& record, CalcHost& host) {
  host.ShowNote({});
  // The click works on a copy: the record and the fields change for good only once the run is
  // complete, so an abandoned click leaves the last calculation printable.
  const FieldTexts earlier = NoteFields(host);
  CalcRecord work = WithoutTables(record);
  const std::optional<int> shown = ComputeRun(work, host);
  if (!shown) {
    RestoreFields(host, earlier);
    return;
  }
  record = std::move(work);
  host.ShowCalculation(record, *shown);

  const std::optional<std::string> answer =
      host.InputBox(Prompt(prompt::kOutputQuestion, prompt::OutputTitle()));
  if (answer == "n" || answer == "N") {
    StepThroughResults(record, host, record.ComputedSections);
  } else if (answer == "y" || answer == "Y") {
    PrintLastCalculation(record, host);
  }
}

void RunPrintCommand(CalcRecord& record, CalcHost& host) {
  host.ShowNote({});
  if (record.ComputedSections == 0) {
    host.ShowMessage(message::kNothingToPrint);
    return;
  }
  PrintLastCalculation(record, host);
}
