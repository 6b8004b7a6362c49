// The report: heading block, then one row per computed section, at fixed character columns.
#include "output/print_report.h"

#include <string>
#include <vector>

#include "entry/number_text.h"
#include "entry/station_notation.h"

namespace {

constexpr const char* kCaseTexts[2][2] = {
    // first transition curve, second transition curve
    {"本超高渐变段位于第一缓和曲线 ( 平曲线右偏 )", "本超高渐变段位于第二缓和曲线 ( 平曲线右偏 )"},
    {"本超高渐变段位于第一缓和曲线 ( 平曲线左偏 )", "本超高渐变段位于第二缓和曲线 ( 平曲线左偏 )"},
};

// The case description, or the earlier one when turn direction and curve position match no case.
std::string CaseDescription(const CalcRecord& record) {
  const int position = record.CurvePosition == 1.0f ? 0 : record.CurvePosition == 2.0f ? 1 : -1;
  const int turn = record.TurnDirection > 0 ? 0 : record.TurnDirection < 0 ? 1 : -1;
  if (position < 0 || turn < 0) {
    return record.CaseText;
  }
  return kCaseTexts[turn][position];
}

std::vector<PrintText> SlopeLine(const char* label, const char* gap, float slope) {
  return {{30, label}, {0, gap}, {0, FormatThreeDecimals(slope)}, {0, " %"}};
}

std::vector<PrintText> I1Line(const CalcRecord& record, const char* label) {
  return SlopeLine(label, " ", record.I1);
}

std::vector<PrintText> I2Line(const CalcRecord& record, const char* label) {
  return SlopeLine(label, "  ", record.I2);
}

// The two slope lines in the order the transition runs: from I1 to I2 on the first transition
// curve, from I2 back to I1 on the second.
std::vector<std::vector<PrintText>> SlopeLines(const CalcRecord& record) {
  if (record.CurvePosition == 1.0f) {
    return {I1Line(record, "  起始設计横坡 : I1="), I2Line(record, "抵达全超高横坡 : I2=")};
  }
  if (record.CurvePosition == 2.0f) {
    return {I2Line(record, "起始全超高横坡 : I2="), I1Line(record, "  抵达設计横坡 : I1=")};
  }
  return {};
}

// A slope at `column` when its text is negative, one column further otherwise, so that the
// first digits line up and the minus sign stands in the column before.
PrintText SlopeCell(float slope, int column) {
  std::string text = FormatThreeDecimals(slope);
  const bool minus = text.front() == '-';
  return {minus ? column : column + 1, std::move(text)};
}

std::vector<PrintText> SectionRow(const CalcRecord& record, int i) {
  return {{27, FormatStation(record.Stations[i], "K")},
          SlopeCell(record.LeftSlopes[i], 42),
          SlopeCell(record.RightSlopes[i], 57)};
}

}  // namespace

PrintStatus PrintReport(CalcRecord& record, Printer& printer) {
  const std::string case_text = CaseDescription(record);
  std::vector<std::vector<PrintText>> body = {
      {},
      {{27, FormatStation(record.K1, "计算段落 : K", 2)}, {0, FormatStation(record.K2, " --- K")}},
      {},
      {{28, case_text}},
      {},
      {{30, FormatStation(record.K1, "  起始超高桩号 : K")}},
      {{30, FormatStation(record.K2, "抵达全超高桩号 : K")}},
      {},
  };
  for (std::vector<PrintText>& line : SlopeLines(record)) {
    body.push_back(std::move(line));
  }
  body.push_back({});
  const std::vector<PrintText> heading = {
      {28, "断面桩号"}, {41, "左侧横坡(%)"}, {56, "右侧横坡(%)"}};
  body.push_back(heading);
  body.push_back({});

  // The first operation that does not succeed ends the report; the rest are skipped.
  PrintStatus status = printer.SetPrintPosition(1500, 1000);
  auto then = [&status](auto&& operation) {
    if (status.ok()) {
      status = operation();
    }
  };
  then([&] { return printer.SetPrintFontName("宋体"); });
  then([&] { return printer.SetPrintFontSize(12); });
  then([&] { return printer.PrintLine({{26, "--- 超高渐变段横坡计算 ---"}}); });
  then([&] { return printer.SetPrintFontSize(10); });
  for (const std::vector<PrintText>& line : body) {
    then([&] { return printer.PrintLine(line); });
  }
  // Rows that continue on a new page are read under their headings again.
  then([&] { return printer.SetPageHeading(heading); });
  // Every section the last run computed gets its row, a slope of 0 included.
  for (int i = 1; status.ok() && i <= record.ComputedSections; ++i) {
    status = printer.PrintLine(SectionRow(record, i));
  }
  if (!status.ok()) {
    printer.AbandonDocument();
    return status;
  }
  status = printer.EndDocument();
  if (status.ok()) {
    record.CaseText = case_text;
  }
  return status;
}

std::string PageFooter(int page, int pages) {
  return "第 " + std::to_string(page) + " 页  共 " + std::to_string(pages) + " 页";
}
