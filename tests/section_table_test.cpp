// The calculation table: rows of computed sections, clipboard text, CSV file, notes, any locale.
#include "output/section_table.h"

#include <gtest/gtest.h>

#include <clocale>

#include "app/calculate_command.h"
#include "tools/script_host.h"

namespace {

using Row = std::vector<std::string>;
using Replies = std::vector<ScriptHost::Reply>;

const Row kHeader = {
    "序号", "桩号", "桩号（米）", "距起点 Lp（米）", "左侧横坡 Ip(L)（%）", "右侧横坡 Ip(R)（%）"};

// Replies for a whole Calculate click: every value confirmed with Enter, then the answers after.
Replies Click(const std::vector<std::string>& values, const Replies& after) {
  Replies replies;
  for (const std::string& value : values) {
    replies.emplace_back(value);
    replies.emplace_back("");
  }
  replies.insert(replies.end(), after.begin(), after.end());
  return replies;
}

// The record after one Calculate click for each list of replies, in order.
CalcRecord Calculated(const std::vector<Replies>& clicks) {
  CalcRecord record;
  ScriptHost host;
  for (const Replies& replies : clicks) {
    host.replies.assign(replies.begin(), replies.end());
    RunCalculateCommand(record, host);
    EXPECT_TRUE(host.replies.empty()) << host.replies.size() << " replies left over";
    EXPECT_FALSE(host.exhausted);
  }
  return record;
}

// Right turn, first transition curve, K1 100, I1 2 %, K2 160, I2 6 %.
CalcRecord SingleAt115() {
  return Calculated({Click({"1", "1", "100", "2", "160", "6", "115", "N"}, {"", "N", ""})});
}

CalcRecord ContinuousFrom100Every15() {
  return Calculated({Click({"1", "1", "100", "2", "160", "6", "100", "Y", "15"}, {""})});
}

struct RunCase {
  const char* name;
  std::vector<Replies> clicks;
  std::vector<Row> rows;
};

class SectionTableRun : public testing::TestWithParam<RunCase> {};

TEST_P(SectionTableRun, HasTheHeaderAndOneRowPerComputedSection) {
  std::vector<Row> expected = {kHeader};
  expected.insert(expected.end(), GetParam().rows.begin(), GetParam().rows.end());
  EXPECT_EQ(expected, SectionTable(Calculated(GetParam().clicks)));
}

INSTANTIATE_TEST_SUITE_P(
    Runs, SectionTableRun,
    testing::Values(
        RunCase{"SingleAt115",
                {Click({"1", "1", "100", "2", "160", "6", "115", "N"}, {"", "N", ""})},
                {{"1", "K0+115.000", "115.000", "15.000", "2.625", "0.750"}}},
        RunCase{"ContinuousFrom100Every15",
                {Click({"1", "1", "100", "2", "160", "6", "100", "Y", "15"}, {""})},
                {{"1", "K0+100.000", "100.000", "0.000", "2.000", "2.000"},
                 {"2", "K0+115.000", "115.000", "15.000", "2.625", "0.750"},
                 {"3", "K0+130.000", "130.000", "30.000", "4.000", "-2.000"},
                 {"4", "K0+145.000", "145.000", "45.000", "5.375", "-4.750"},
                 {"5", "K0+160.000", "160.000", "60.000", "6.000", "-6.000"}}},
        // Left turn, second transition curve, I1 = I2 = 2 %: the left edge is level at 130.
        RunCase{"ZeroSlopeLeftTurnSecondCurve",
                {Click({"-1", "2", "100", "2", "160", "2", "130", "Y", "30"}, {""})},
                {{"1", "K0+130.000", "130.000", "30.000", "0.000", "2.000"},
                 {"2", "K0+160.000", "160.000", "60.000", "2.000", "2.000"}}},
        // Only section 1 is a row, though the tables still hold the continuous run's sections.
        RunCase{"SingleAfterContinuous",
                {Click({"1", "1", "100", "2", "160", "6", "100", "Y", "15"}, {""}),
                 Click({"1", "1", "100", "2", "160", "6", "145", "N"}, {"", "N", ""})},
                {{"1", "K0+145.000", "145.000", "45.000", "5.375", "-4.750"}}}),
    [](const testing::TestParamInfo<RunCase>& info) { return info.param.name; });

TEST(SectionTable, IsEmptyBeforeAnyCalculation) {
  const CalcRecord record;
  EXPECT_EQ(TextTable(), SectionTable(record));
  EXPECT_EQ("", ClipboardText(record));
  EXPECT_EQ("\xEF\xBB\xBF", CsvFileBytes(record));
}

// Stations and slopes as the report writes them: signs kept on both station parts, exact halves
// to the even digit, no "-0.000".
TEST(SectionTable, WritesNegativeStationsAndRoundedSlopesAsTheReportDoes) {
  CalcRecord r;
  r.K1 = -1500;
  r.Stations = {-1500, -1500, -1484.25, -499.9996};
  r.LeftSlopes = {0, 2.0625f, -0.0004f, -1.0625f};
  r.RightSlopes = {0, 0.0f, 1.0005f, -6};
  r.SectionCount = 2;
  r.ComputedSections = 3;
  const std::vector<Row> expected = {
      kHeader,
      {"1", "K-1+-500.000", "-1500.000", "0.000", "2.062", "0.000"},
      {"2", "K-1+-484.250", "-1484.250", "15.750", "0.000", "1.000"},
      {"3", "K0+-500.000", "-500.000", "1000.000", "-1.062", "-6.000"},
  };
  EXPECT_EQ(expected, SectionTable(r));
}

TEST(SectionTable, ClipboardTextHasOneTabbedLinePerRowAndNoFinalLineBreak) {
  EXPECT_EQ(
      "序号\t桩号\t桩号（米）\t距起点 Lp（米）\t左侧横坡 Ip(L)（%）\t右侧横坡 Ip(R)（%）\n"
      "1\tK0+115.000\t115.000\t15.000\t2.625\t0.750",
      ClipboardText(SingleAt115()));
}

TEST(SectionTable, CsvFileIsUtf8WithByteOrderMarkAndCrLfAfterEveryLine) {
  EXPECT_EQ(
      "\xEF\xBB\xBF"
      "序号,桩号,桩号（米）,距起点 Lp（米）,左侧横坡 Ip(L)（%）,右侧横坡 Ip(R)（%）\r\n"
      "1,K0+100.000,100.000,0.000,2.000,2.000\r\n"
      "2,K0+115.000,115.000,15.000,2.625,0.750\r\n"
      "3,K0+130.000,130.000,30.000,4.000,-2.000\r\n"
      "4,K0+145.000,145.000,45.000,5.375,-4.750\r\n"
      "5,K0+160.000,160.000,60.000,6.000,-6.000\r\n",
      CsvFileBytes(ContinuousFrom100Every15()));
}

struct CsvCase {
  const char* name;
  std::string cell;
  std::string field;
};

class CsvField : public testing::TestWithParam<CsvCase> {};

TEST_P(CsvField, IsQuotedOnlyWhenItHoldsASeparatorQuoteOrLineBreak) {
  const TextTable table = {{"a", GetParam().cell, "b"}};
  EXPECT_EQ(std::vector<std::string>{"a," + GetParam().field + ",b"}, CsvLines(table));
}

INSTANTIATE_TEST_SUITE_P(
    Cells, CsvField,
    testing::Values(CsvCase{"Plain", "K0+115.000", "K0+115.000"}, CsvCase{"Empty", "", ""},
                    CsvCase{"Comma", "1,5", "\"1,5\""},
                    CsvCase{"Quote", "say \"hi\"", "\"say \"\"hi\"\"\""},
                    CsvCase{"OnlyQuote", "\"", "\"\"\"\""},
                    CsvCase{"LineFeed", "two\nlines", "\"two\nlines\""},
                    CsvCase{"CarriageReturn", "cr\r", "\"cr\r\""}, CsvCase{"Tab", "a\tb", "a\tb"},
                    CsvCase{"FullWidthComma", "一，二", "一，二"}),
    [](const testing::TestParamInfo<CsvCase>& info) { return info.param.name; });

TEST(SectionTable, TabSeparatedLinesJoinCellsAsTheyAre) {
  const TextTable table = {{"x", "y,z"}, {"", "\"q\""}, {"only"}};
  EXPECT_EQ((std::vector<std::string>{"x\ty,z", "\t\"q\"", "only"}), TabSeparatedLines(table));
}

// A Qt program takes the C library's locale from the environment; de_DE writes 2,625.
TEST(SectionTable, TextsAreTheSameUnderACommaLocale) {
  const CalcRecord record = ContinuousFrom100Every15();
  const std::string clipboard = ClipboardText(record);
  const std::string csv = CsvFileBytes(record);
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8"))
      << "the locale de_DE.UTF-8 is missing (build.sh test generates it)";
  const std::string comma_clipboard = ClipboardText(record);
  const std::string comma_csv = CsvFileBytes(record);
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(clipboard, comma_clipboard);
  EXPECT_EQ(csv, comma_csv);
  EXPECT_NE(std::string::npos, comma_csv.find("\r\n2,K0+115.000,115.000,15.000,2.625,0.750\r\n"));
}

struct NoteCase {
  const char* name;
  std::string expected;
  std::string note;
};

class TableNote : public testing::TestWithParam<NoteCase> {};

TEST_P(TableNote, ReadsAsWritten) {
  EXPECT_EQ(GetParam().expected, GetParam().note);
}

INSTANTIATE_TEST_SUITE_P(
    Notes, TableNote,
    testing::Values(NoteCase{"Exported", "计算表已导出为 /home/w/表 1.csv（33 行）",
                             TableExportedNote("/home/w/表 1.csv", 33)},
                    NoteCase{"ExportedLargest", "计算表已导出为 a.csv（32768 行）",
                             TableExportedNote("a.csv", 32768)},
                    NoteCase{"ExportFailed", "计算表未能导出为 /ro/a.csv：Permission denied",
                             TableExportFailedNote("/ro/a.csv", "Permission denied")},
                    NoteCase{"Copied", "计算表已复制到剪贴板（6 行）", TableCopiedNote(6)},
                    NoteCase{"NoTable", "尚未计算，没有计算表", NoTableNote()}),
    [](const testing::TestParamInfo<NoteCase>& info) { return info.param.name; });

}  // namespace
