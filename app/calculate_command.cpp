// The Calculate and Print commands.
#include "app/calculate_command.h"

#include "app/field_journal.h"
#include "app/messages.h"
#include "calc/section_stationing.h"
#include "entry/parameter_dialogue.h"
#include "output/print_report.h"
#include "output/screen_results.h"

namespace {

constexpr const char* kOutputPrompt = "现在只需要单点屏幕显示输入 N ，需要立即打印输入 Y ：";

// Parameters, stations and slopes of one run, on the given copy of the record. False when the
// click is to be abandoned (Cancel, or a result beyond the number range, already told).
bool ComputeRun(CalcRecord& work, CalcHost& host) {
  const std::optional<DialogueResult> dialogue = RunParameterDialogue(work, host);
  if (!dialogue) {
    return false;
  }
  // K2 was refused unless |K2 − K1| fits, so the length can always be shown.
  ShowTransitionLength(work, host);
  const std::vector<float> intervals = PrepareSectionTables(work, dialogue->ki);
  const RunFailure failure = dialogue->mode == RunMode::Single
                                 ? ComputeSingleRun(work, dialogue->ki, host)
                                 : ComputeContinuousRun(work, intervals);
  if (failure != RunFailure::None) {
    host.ShowMessage(message::kComputationOutOfRange);
    return false;
  }
  return true;
}

// The record without its section tables, which every run re-creates: copying up to 32,768 slots
// of them for nothing would take longer than the run itself.
CalcRecord WithoutTables(const CalcRecord& record) {
  CalcRecord work;
  work.CaseText = record.CaseText;
  work.SectionCount = record.SectionCount;
  work.K1 = record.K1;
  work.K2 = record.K2;
  work.I1 = record.I1;
  work.I2 = record.I2;
  work.L = record.L;
  work.DL = record.DL;
  work.TurnDirection = record.TurnDirection;
  work.CurvePosition = record.CurvePosition;
  work.ComputedSections = record.ComputedSections;
  return work;
}

void PrintLastCalculation(CalcRecord& record, CalcHost& host) {
  const PrintStatus status = PrintReport(record, host);
  if (status.kind == PrintStatus::Failed) {
    host.ShowMessage(message::kPrintFailed + status.reason);
  }
}

}  // namespace

void RunCalculateCommand(CalcRecord& record, CalcHost& host) {
  // The click works on a copy: the record and the fields change for good only once the run is
  // complete, so an abandoned click leaves the last calculation printable.
  FieldJournal fields(host);
  CalcRecord work = WithoutTables(record);
  if (!ComputeRun(work, fields)) {
    fields.Restore();
    return;
  }
  record = std::move(work);

  const std::optional<std::string> answer = host.InputBox(kOutputPrompt);
  if (answer == "n" || answer == "N") {
    StepThroughResults(record, host, record.ComputedSections);
  } else if (answer == "y" || answer == "Y") {
    PrintLastCalculation(record, host);
  }
}

void RunPrintCommand(CalcRecord& record, CalcHost& host) {
  if (record.ComputedSections == 0) {
    host.ShowMessage(message::kNothingToPrint);
    return;
  }
  PrintLastCalculation(record, host);
}
