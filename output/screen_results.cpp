// Result fields Kp, Lp, Ip(L), Ip(R) and the texts of the value fields.
#include "output/screen_results.h"

#include "entry/number_text.h"
#include "entry/station_notation.h"

namespace {

constexpr const char* kKeyPrompt = "单击键显示计算结果 :";

void ShowDistance(const CalcRecord& record, CalcHost& host, int section) {
  host.SetText(TextField::Text8, MetresText(record.Stations[section] - record.K1));
}

// A blank, the value in the "0.000" pattern, and its unit. (Appended piece by piece: g++ 12
// warns falsely about " " + std::string.)
std::string ValueText(double value, const char* unit) {
  std::string text(1, ' ');
  text += FormatThreeDecimals(value);
  text += unit;
  return text;
}

}  // namespace

std::string MetresText(double metres) {
  return ValueText(metres, " 米");
}

std::string SlopeText(float slope, const char* unit) {
  return ValueText(slope, unit);
}

void ShowSingleResultDistance(const CalcRecord& record, CalcHost& host) {
  ShowDistance(record, host, 1);
}

void ShowSingleResult(const CalcRecord& record, CalcHost& host) {
  host.InputBox(kKeyPrompt);  // any reply, Cancel included, just goes on
  host.SetText(TextField::Text6, FormatStation(record.Stations[1]));
  host.SetText(TextField::Text7, SlopeText(record.LeftSlopes[1]));
  host.SetText(TextField::Text11, SlopeText(record.RightSlopes[1]));
}

void StepThroughResults(const CalcRecord& record, CalcHost& host, int sections) {
  for (int i = 1; i <= sections; ++i) {
    host.InputBox(kKeyPrompt);
    host.SetText(TextField::Text6, FormatStation(record.Stations[i]));
    ShowDistance(record, host, i);
    host.SetText(TextField::Text7, SlopeText(record.LeftSlopes[i], "%"));
    host.SetText(TextField::Text11, SlopeText(record.RightSlopes[i]));
  }
}
