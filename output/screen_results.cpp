// Result fields Kp, Lp, Ip(L), Ip(R), and the transition length.
#include "output/screen_results.h"

#include "calc/section_stationing.h"
#include "entry/prompt_texts.h"
#include "entry/station_notation.h"
#include "entry/value_text.h"

namespace {

void ShowDistance(const CalcRecord& record, double station, CalcHost& host) {
  host.SetText(TextField::Text8, MetresText(station - record.K1));
}

// The key prompt before section `section` of `sections`; any reply, Cancel included, goes on.
void AskForKey(CalcHost& host, int section, int sections) {
  host.InputBox(Prompt(prompt::kKeyPrompt, prompt::SectionTitle(section, sections), {}, true));
}

}  // namespace

bool ShowTransitionLength(CalcRecord& record, CalcHost& host) {
  if (!SetTransitionLength(record)) {
    return false;
  }
  host.SetText(TextField::Text5, MetresText(record.L));
  return true;
}

void ShowSingleResultDistance(const CalcRecord& record, double ki, CalcHost& host) {
  ShowDistance(record, ki, host);
}

void ShowSingleResult(const CalcRecord& record, CalcHost& host) {
  AskForKey(host, 1, 1);
  host.SetText(TextField::Text6, FormatStation(record.Stations[1]));
  host.SetText(TextField::Text7, SlopeText(record.LeftSlopes[1]));
  host.SetText(TextField::Text11, SlopeText(record.RightSlopes[1]));
}

void StepThroughResults(const CalcRecord& record, CalcHost& host, int sections) {
  for (int i = 1; i <= sections; ++i) {
    AskForKey(host, i, sections);
    host.SetText(TextField::Text6, FormatStation(record.Stations[i]));
    ShowDistance(record, record.Stations[i], host);
    host.SetText(TextField::Text7, SlopeText(record.LeftSlopes[i], "%"));
    host.SetText(TextField::Text11, SlopeText(record.RightSlopes[i]));
    host.ShowCalculation(record, i);
  }
}
