// The printed report through the scripted host: lines, columns, case texts, rows, failures.
#include "output/print_report.h"

#include <gtest/gtest.h>

#include "tools/script_host.h"

namespace {

// K1 12345.6789, K2 12405.5, I1 -2, I2 6, right turn on the first transition curve, with two
// computed sections.
CalcRecord TwoSections() {
  CalcRecord r;
  r.TurnDirection = 1;
  r.CurvePosition = 1;
  r.K1 = 12345.6789;
  r.K2 = 12405.5;
  r.I1 = -2;
  r.I2 = 6;
  r.SectionCount = 1;
  r.Stations = {12345.6789, 12345.6789, 12360};
  r.LeftSlopes = {0, -2.00049f, 1.23456f};
  r.RightSlopes = {0, 3.1f, -0.5f};
  r.ComputedSections = 2;
  return r;
}

std::vector<std::string> Report(CalcRecord& record) {
  ScriptHost host;
  EXPECT_TRUE(PrintReport(record, host).ok());
  return host.log;
}

std::vector<std::string> Rows(const std::vector<std::string>& log) {
  // rows follow the column headings and the empty line after them
  auto it =
      std::find(log.begin(), log.end(), "LINE\t28\t断面桩号\t41\t左侧横坡(%)\t56\t右侧横坡(%)");
  EXPECT_NE(log.end(), it);
  std::vector<std::string> rows(it + 2, log.end() - 1);
  EXPECT_EQ("ENDDOC", log.back());
  return rows;
}

TEST(PrintReport, PrintsTheHeadingBlockAndOneRowPerSection) {
  CalcRecord r = TwoSections();
  const std::vector<std::string> expected = {
      "PRINTPOS\t1500\t1000",
      "FONTNAME\t宋体",
      "FONTSIZE\t12",
      "LINE\t26\t--- 超高渐变段横坡计算 ---",
      "FONTSIZE\t10",
      "LINE",
      "LINE\t27\t计算段落 : K12+345.68\t-\t --- K12+405.500",
      "LINE",
      "LINE\t28\t本超高渐变段位于第一缓和曲线 ( 平曲线右偏 )",
      "LINE",
      "LINE\t30\t  起始超高桩号 : K12+345.679",
      "LINE\t30\t抵达全超高桩号 : K12+405.500",
      "LINE",
      "LINE\t30\t  起始設计横坡 : I1=\t-\t \t-\t-2.000\t-\t %",
      "LINE\t30\t抵达全超高横坡 : I2=\t-\t  \t-\t6.000\t-\t %",
      "LINE",
      "LINE\t28\t断面桩号\t41\t左侧横坡(%)\t56\t右侧横坡(%)",
      "LINE",
      "LINE\t27\tK12+345.679\t42\t-2.000\t58\t3.100",
      "LINE\t27\tK12+360.000\t43\t1.235\t57\t-0.500",
      "ENDDOC"};
  EXPECT_EQ(expected, Report(r));
  EXPECT_EQ("本超高渐变段位于第一缓和曲线 ( 平曲线右偏 )", r.CaseText);
}

struct CaseTextCase {
  const char* name;
  float turn, position;
  const char* case_text;
  const char* first_slope_line;
  const char* second_slope_line;
};

class CaseDescription : public testing::TestWithParam<CaseTextCase> {};

TEST_P(CaseDescription, NamesTheCaseAndOrdersTheSlopeLines) {
  const CaseTextCase& c = GetParam();
  CalcRecord r = TwoSections();
  r.TurnDirection = c.turn;
  r.CurvePosition = c.position;
  const std::vector<std::string> log = Report(r);
  EXPECT_EQ(std::string("LINE\t28\t") + c.case_text, log[8]);
  EXPECT_EQ(c.first_slope_line, log[13]);
  EXPECT_EQ(c.second_slope_line, log[14]);
  EXPECT_EQ(c.case_text, r.CaseText);
}

constexpr const char* kI1First = "LINE\t30\t  起始設计横坡 : I1=\t-\t \t-\t-2.000\t-\t %";
constexpr const char* kI2Second = "LINE\t30\t抵达全超高横坡 : I2=\t-\t  \t-\t6.000\t-\t %";
constexpr const char* kI2First = "LINE\t30\t起始全超高横坡 : I2=\t-\t  \t-\t6.000\t-\t %";
constexpr const char* kI1Second = "LINE\t30\t  抵达設计横坡 : I1=\t-\t \t-\t-2.000\t-\t %";

INSTANTIATE_TEST_SUITE_P(
    Cases, CaseDescription,
    testing::Values(CaseTextCase{"RightFirst", 1, 1, "本超高渐变段位于第一缓和曲线 ( 平曲线右偏 )",
                                 kI1First, kI2Second},
                    CaseTextCase{"RightSecond", 3, 2, "本超高渐变段位于第二缓和曲线 ( 平曲线右偏 )",
                                 kI2First, kI1Second},
                    CaseTextCase{"LeftFirst", -1, 1, "本超高渐变段位于第一缓和曲线 ( 平曲线左偏 )",
                                 kI1First, kI2Second},
                    CaseTextCase{"LeftSecond", -0.5f, 2,
                                 "本超高渐变段位于第二缓和曲线 ( 平曲线左偏 )", kI2First,
                                 kI1Second}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PrintReport, WithoutACaseKeepsTheEarlierDescriptionAndPrintsNoSlopeLines) {
  CalcRecord r = TwoSections();
  r.CaseText = "本超高渐变段位于第二缓和曲线 ( 平曲线左偏 )";
  r.CurvePosition = 1.5f;
  const std::vector<std::string> log = Report(r);
  EXPECT_EQ("LINE\t28\t本超高渐变段位于第二缓和曲线 ( 平曲线左偏 )", log[8]);
  // the empty lines around the missing slope lines stay: two between end station and headings
  EXPECT_EQ("LINE\t30\t抵达全超高桩号 : K12+405.500", log[11]);
  EXPECT_EQ("LINE", log[12]);
  EXPECT_EQ("LINE", log[13]);
  EXPECT_EQ("LINE\t28\t断面桩号\t41\t左侧横坡(%)\t56\t右侧横坡(%)", log[14]);
}

TEST(PrintReport, ZeroSlopesGetTheirRowInThePositiveColumns) {
  // I1 = I2 = 2 at mid-transition: the inside edge passes through 0 %.
  CalcRecord r = TwoSections();
  r.LeftSlopes = {0, 0.0f, -0.0f};
  r.RightSlopes = {0, -0.0001f, 2};
  EXPECT_EQ((std::vector<std::string>{"LINE\t27\tK12+345.679\t43\t0.000\t58\t0.000",
                                      "LINE\t27\tK12+360.000\t43\t0.000\t58\t2.000"}),
            Rows(Report(r)));
}

TEST(PrintReport, SingleRunPrintsOnlyItsSection) {
  CalcRecord r = TwoSections();
  r.ComputedSections = 1;  // slot 2 belongs to no section
  EXPECT_EQ((std::vector<std::string>{"LINE\t27\tK12+345.679\t42\t-2.000\t58\t3.100"}),
            Rows(Report(r)));
}

TEST(PrintReport, PrintingTwiceGivesTheSameDocumentTwice) {
  CalcRecord r = TwoSections();
  ScriptHost host;
  ASSERT_TRUE(PrintReport(r, host).ok());
  const std::vector<std::string> first = host.log;
  host.log.clear();
  ASSERT_TRUE(PrintReport(r, host).ok());
  EXPECT_EQ(first, host.log);
}

TEST(PrintReport, StopsAtTheFirstFailingOperationAndKeepsTheRecord) {
  for (int failing = 0; failing < 21; ++failing) {
    CalcRecord r = TwoSections();
    ScriptHost host;
    host.failing_print_operation = failing;
    const PrintStatus status = PrintReport(r, host);
    EXPECT_EQ(PrintStatus::Failed, status.kind) << "operation " << failing;
    EXPECT_EQ("打印机缺纸", status.reason);
    EXPECT_EQ(0, std::count(host.log.begin(), host.log.end(), "ENDDOC"));
    EXPECT_EQ(failing + 1, host.print_operations) << "nothing is printed after the failure";
    EXPECT_EQ(TwoSections(), r);
  }
}

}  // namespace
