// The Calculate and Print commands through the scripted host: dialogue, runs, output, and
// abandoned clicks that leave everything as it was.
#include "app/calculate_command.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "app/messages.h"
#include "calc/section_slopes.h"
#include "entry/prompt_texts.h"
#include "tools/script_host.h"

namespace {

using Replies = std::vector<ScriptHost::Reply>;
const ScriptHost::Reply kCancel = std::nullopt;

constexpr const char* kTurnPrompt = prompt::kTurnDirection.first;
constexpr const char* kPositionPrompt = prompt::kCurvePosition.first;
constexpr const char* kPositionAgain = prompt::kCurvePosition.reentry;
constexpr const char* kK1Prompt = prompt::kStartStation.first;
constexpr const char* kK1Again = prompt::kStartStation.reentry;
constexpr const char* kI1Prompt = prompt::kStartSlope.first;
constexpr const char* kI1Again = prompt::kStartSlope.reentry;
constexpr const char* kK2Prompt = prompt::kEndStation.first;
constexpr const char* kI2Prompt = prompt::kFullSlope.first;
constexpr const char* kKIPrompt = prompt::kFirstSection.first;
constexpr const char* kModePrompt = prompt::kMode.first;
constexpr const char* kDLPrompt = prompt::kInterval.first;
constexpr const char* kKeyPrompt = prompt::kKeyPrompt;
constexpr const char* kOutputPrompt = prompt::kOutputQuestion;

std::string Confirm(const char* what) {
  return std::string("确认") + what + " : 输入正确单击 Enter 键 ; 错误输入零";
}

// Replies for a whole click, each value confirmed with Enter.
Replies Click(std::vector<std::string> values, std::vector<ScriptHost::Reply> after = {}) {
  Replies replies;
  for (std::string& value : values) {
    replies.push_back(std::move(value));
    replies.push_back("");
  }
  replies.insert(replies.end(), after.begin(), after.end());
  return replies;
}

// The example transition: right turn, first transition curve, K1 100, I1 2, K2 160, I2 6.
Replies Single(const std::string& ki, std::vector<ScriptHost::Reply> after = {"", ""}) {
  return Click({"1", "1", "100", "2", "160", "6", ki, "N"}, after);
}

Replies Continuous(const std::string& ki, const std::string& dl,
                   std::vector<ScriptHost::Reply> after = {""}) {
  return Click({"1", "1", "100", "2", "160", "6", ki, "Y", dl}, after);
}

std::vector<std::string> Prompts(const ScriptHost& host) {
  std::vector<std::string> prompts;
  for (const std::string& line : host.log) {
    if (line.rfind("INPUT\t", 0) == 0) {
      prompts.push_back(line.substr(6));
    }
  }
  return prompts;
}

std::vector<std::string> LinesStartingWith(const ScriptHost& host, const std::string& prefix) {
  std::vector<std::string> lines;
  std::copy_if(host.log.begin(), host.log.end(), std::back_inserter(lines),
               [&](const std::string& line) { return line.rfind(prefix, 0) == 0; });
  return lines;
}

struct Session {
  CalcRecord record;
  ScriptHost host;

  void Calculate(Replies replies) {
    host.replies.assign(replies.begin(), replies.end());
    host.log.clear();
    RunCalculateCommand(record, host);
    EXPECT_TRUE(host.replies.empty()) << host.replies.size() << " replies left over";
    EXPECT_FALSE(host.exhausted);
  }
};

TEST(CalculateCommand, SingleRunAsksEveryPromptInOrderAndShowsSectionOne) {
  Session s;
  s.Calculate(Single("115", {"", "N", ""}));
  const std::vector<std::string> expected = {
      kTurnPrompt,     Confirm("平曲线走向是否正确"),
      kPositionPrompt, Confirm("超高渐变段位于平曲线的位置是否正确"),
      kK1Prompt,       Confirm("起点桩号输入是否正确"),
      kI1Prompt,       Confirm("起始横坡 I1 输入是否正确"),
      kK2Prompt,       Confirm("超高渐变段终点桩号输入是否正确"),
      kI2Prompt,       Confirm("全超高横坡输入是否正确"),
      kKIPrompt,       Confirm("计算断面的桩号输入是否正确"),
      kModePrompt,     Confirm("输入是否正确"),
      kKeyPrompt,      kOutputPrompt,
      kKeyPrompt};
  EXPECT_EQ(expected, Prompts(s.host));
  // Lp before the key prompt, the rest after it; the step-through writes Ip(L) with "%"
  const std::vector<std::string> sets = {
      "SET\tText1\t K0+100.000", "SET\tText3\t 2.000 %",     "SET\tText2\t K0+160.000",
      "SET\tText4\t 6.000 %",    "SET\tText10\t K0+115.000", "SET\tText9\t单点计算",
      "SET\tText5\t 60.000 米",  "SET\tText8\t 15.000 米",   "SET\tText6\t K0+115.000",
      "SET\tText7\t 2.625 %",    "SET\tText11\t 0.750 %",    "SET\tText6\t K0+115.000",
      "SET\tText8\t 15.000 米",  "SET\tText7\t 2.625%",      "SET\tText11\t 0.750 %"};
  EXPECT_EQ(sets, LinesStartingWith(s.host, "SET"));
  const auto key =
      std::find(s.host.log.begin(), s.host.log.end(), "INPUT\t" + std::string(kKeyPrompt));
  EXPECT_EQ("SET\tText8\t 15.000 米", *(key - 1));

  const CalcRecord& r = s.record;
  EXPECT_EQ(1, r.SectionCount);
  EXPECT_EQ(1, r.ComputedSections);
  EXPECT_EQ(60, r.L);
  EXPECT_EQ(0, r.DL);
  EXPECT_EQ((std::vector<double>{115, 115, 0}), r.Stations);
  EXPECT_EQ((std::vector<float>{0, 2.625f, 0}), r.LeftSlopes);
  EXPECT_EQ((std::vector<float>{0, 0.75f, 0}), r.RightSlopes);
  EXPECT_EQ("", r.CaseText);
}

TEST(CalculateCommand, ContinuousRunComputesEverySectionAndShowsNothingUntilAsked) {
  Session s;
  s.host.fields[5] = "earlier Kp";
  s.Calculate(Continuous("100", "20", {"x"}));
  EXPECT_EQ(kOutputPrompt, Prompts(s.host).back());
  EXPECT_EQ(" 20.000 米", s.host.Field(TextField::Text9));
  EXPECT_EQ("earlier Kp", s.host.Field(TextField::Text6));  // no display was chosen
  const CalcRecord& r = s.record;
  EXPECT_EQ(3, r.SectionCount);
  EXPECT_EQ(4, r.ComputedSections);
  EXPECT_EQ(20, r.DL);
  EXPECT_EQ((std::vector<double>{100, 100, 120, 140, 160}), r.Stations);
  for (int i = 1; i <= 4; ++i) {
    const SectionSlopes expected = ComputeSectionSlopes(1, 1, 100, 60, 2, 6, r.Stations[i]);
    EXPECT_EQ(expected.left, r.LeftSlopes[i]);
    EXPECT_EQ(expected.right, r.RightSlopes[i]);
  }
  EXPECT_EQ(6, r.LeftSlopes[4]);
  EXPECT_EQ(-6, r.RightSlopes[4]);
}

TEST(CalculateCommand, StepThroughShowsEverySectionAfterItsKeyPrompt) {
  Session s;
  s.Calculate(Continuous("100", "15", {"n", "", kCancel, "", "", ""}));
  const std::vector<std::string> prompts = Prompts(s.host);
  EXPECT_EQ(5, std::count(prompts.begin(), prompts.end(), kKeyPrompt));
  EXPECT_EQ(" K0+160.000", s.host.Field(TextField::Text6));
  EXPECT_EQ(" 60.000 米", s.host.Field(TextField::Text8));
  EXPECT_EQ(" 6.000%", s.host.Field(TextField::Text7));
  EXPECT_EQ(" -6.000 %", s.host.Field(TextField::Text11));
}

TEST(CalculateCommand, SectionsBeforeK1ShowANegativeDistance) {
  Session s;
  s.Calculate(Single("70", {"", ""}));
  EXPECT_EQ(" -30.000 米", s.host.Field(TextField::Text8));
  EXPECT_EQ(" 6.000 %", s.host.Field(TextField::Text7));  // blend 1 before the start
}

TEST(CalculateCommand, SecondCurveLeftTurnEchoesAndComputes) {
  Session s;
  s.Calculate(Click({"-3", "2", "K0+100", "-1.5", "k0+160", "6", "115", "N"}, {"", ""}));
  EXPECT_EQ(-3, s.record.TurnDirection);
  EXPECT_EQ(2, s.record.CurvePosition);
  EXPECT_EQ(" -1.500 %", s.host.Field(TextField::Text3));
  const SectionSlopes expected = ComputeSectionSlopes(-3, 2, 100, 60, -1.5f, 6, 115);
  EXPECT_EQ(expected.left, s.record.LeftSlopes[1]);
  EXPECT_EQ(expected.right, s.record.RightSlopes[1]);
}

TEST(CalculateCommand, ConfirmationOfZeroReEntersWithTheReEntryPrompt) {
  Session s;
  s.Calculate(
      {"3",         "0",  "-2",  "", "1",   "0.000", "1", " -0 ", "1", "1",  // turn, position
       "12345.678", "0",  "500", "",                                         // K1 re-entered
       "2",         "00", "2",   "",                                         // I1 re-entered
       "160",       "",   "6",   "", "115", "",      "N", "0",    "N", "-1", "", ""});
  const std::vector<std::string> prompts = Prompts(s.host);
  const std::vector<std::string> head = {
      kTurnPrompt,     Confirm("平曲线走向是否正确"),
      kTurnPrompt,     Confirm("平曲线走向是否正确"),
      kPositionPrompt, Confirm("超高渐变段位于平曲线的位置是否正确"),
      kPositionAgain,  Confirm("超高渐变段位于平曲线的位置是否正确"),
      kPositionAgain,  Confirm("超高渐变段位于平曲线的位置是否正确"),
      kK1Prompt,       Confirm("起点桩号输入是否正确"),
      kK1Again,        Confirm("起点桩号输入是否正确"),
      kI1Prompt,       Confirm("起始横坡 I1 输入是否正确"),
      kI1Again};
  EXPECT_EQ(head, std::vector<std::string>(prompts.begin(), prompts.begin() + head.size()));
  EXPECT_EQ(-2, s.record.TurnDirection);
  EXPECT_EQ(500, s.record.K1);
  EXPECT_EQ((std::vector<std::string>{"SET\tText1\t K12+345.678", "SET\tText1\t K0+500.000"}),
            LinesStartingWith(s.host, "SET\tText1\t"));
  EXPECT_EQ(" K0+500.000", s.host.Field(TextField::Text1));
  EXPECT_EQ(2, std::count(prompts.begin(), prompts.end(), kModePrompt));
}

TEST(CalculateCommand, ConfirmationByWordsOrCancelAccepts) {
  Session s;
  s.Calculate({"1", "yes", "1", kCancel, "100", "2.5", "2", "-1", "160", "对", "6", "", "115", "",
               "N", "", "", ""});
  EXPECT_EQ(1, s.record.ComputedSections);
}

// Replies that fail their check: a message that names the value and says what it accepts, the
// re-entry prompt offering the refused text again, and nothing stored or echoed.
struct RefusedCase {
  const char* name;
  Replies replies;  // up to and including the refused reply; then a valid value follows
  std::string message;
  const char* reentry_prompt;
};

constexpr const char* kStationAccepted =
    "请输入以米计的桩号，例如 12345.678，或桩号写法，例如 K12+345.678。";
constexpr const char* kSlopeAccepted = "请输入以百分数计的横坡，例如 2 或 -1.5。";
constexpr const char* kIntervalAccepted =
    "请输入以米计的间距，例如 20；终点桩号小于第一个计算断面桩号时输入负数，例如 -20。";

std::string Refusal(const char* name, const char* wrong, const char* accepted) {
  return std::string(name) + "：" + wrong + accepted;
}

class RefusedReply : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedReply, ShowsItsMessageAndAsksAgain) {
  const RefusedCase& c = GetParam();
  Session s;
  s.host.fields[0] = "before";
  s.host.replies.assign(c.replies.begin(), c.replies.end());
  s.host.log.clear();
  RunCalculateCommand(s.record, s.host);  // runs out of replies at the re-entry prompt
  ASSERT_TRUE(s.host.exhausted);
  const std::vector<std::string>& log = s.host.log;
  const auto exhausted = std::find(log.begin(), log.end(), "EXHAUSTED");
  ASSERT_GE(exhausted - log.begin(), 3);
  EXPECT_EQ(std::string("MESSAGE\t") + c.message, *(exhausted - 2));
  const std::string refused = *c.replies.back();
  EXPECT_EQ(std::string("INPUT\t") + c.reentry_prompt + (refused.empty() ? "" : "\t" + refused),
            *(exhausted - 1));
  EXPECT_EQ(CalcRecord(), s.record);
  EXPECT_EQ("before", s.host.Field(TextField::Text1));
}

const Replies kUpToK2 = {"1", "", "1", "", "100", "", "2", ""};
const Replies kUpToMode = {"1", "", "1", "", "100", "", "2", "", "160", "", "6", "", "115", ""};

Replies With(Replies head, std::vector<ScriptHost::Reply> tail) {
  head.insert(head.end(), tail.begin(), tail.end());
  return head;
}

// Every refusal message, exactly.
const std::string kTurnNaN =
    Refusal("平曲线走向", "输入的不是有效数值。", "右偏输入正数，例如 1；左偏输入负数，例如 -1。");
const std::string kTurnZero =
    Refusal("平曲线走向", "不能为零。", "右偏输入正数，例如 1；左偏输入负数，例如 -1。");
const std::string kTurnOOR = Refusal("平曲线走向", "输入的数值超出允许范围。",
                                     "右偏输入正数，例如 1；左偏输入负数，例如 -1。");
const std::string kPositionBad = Refusal("超高渐变段位置", "只能是 1 或 2。",
                                         "位于第一缓和曲线输入 1，位于第二缓和曲线输入 2。");
const std::string kK1NaN =
    Refusal("超高渐变段起点桩号 K1", "输入的不是有效数值。", kStationAccepted);
const std::string kK1OOR =
    Refusal("超高渐变段起点桩号 K1", "输入的数值超出允许范围。", kStationAccepted);
const std::string kI1OOR =
    Refusal("超高渐变段起点横坡 I1", "输入的数值超出允许范围。", kSlopeAccepted);
const std::string kK2Zero =
    Refusal("超高渐变段终点桩号 K2", "与起点桩号相同，超高渐变段长度不能为零。", kStationAccepted);
const std::string kK2OOR =
    Refusal("超高渐变段终点桩号 K2", "输入的数值超出允许范围。", kStationAccepted);
const std::string kKINaN =
    Refusal("第一个计算断面桩号 KI", "输入的不是有效数值。", kStationAccepted);
const std::string kModeBad =
    Refusal("计算方式", "只能输入 N 或 Y。", "单点计算输入 N，连续计算输入 Y，前后不留空格。");
const std::string kDLZero = Refusal("断面间距 DL", "不能为零。", kIntervalAccepted);
const std::string kDLWrongWay =
    Refusal("断面间距 DL", "按此间距无法从第一个计算断面到达终点桩号，请检查断面间距的正负号。",
            kIntervalAccepted);
const std::string kDLTooMany = Refusal(
    "断面间距 DL", "计算断面过多，断面数不能超过 32767，请加大断面间距。", kIntervalAccepted);
const std::string kDLNaN = Refusal("断面间距 DL", "输入的不是有效数值。", kIntervalAccepted);

INSTANTIATE_TEST_SUITE_P(
    Cases, RefusedReply,
    testing::Values(
        RefusedCase{"EmptyTurnDirection", {""}, kTurnNaN, kTurnPrompt},
        RefusedCase{"WordForTurnDirection", {"右"}, kTurnNaN, kTurnPrompt},
        RefusedCase{"TurnDirectionZero", {"0"}, kTurnZero, kTurnPrompt},
        RefusedCase{"TurnDirectionBeyondSingle", {"1e39"}, kTurnOOR, kTurnPrompt},
        RefusedCase{"PositionThree", {"1", "", "3"}, kPositionBad, kPositionAgain},
        RefusedCase{"PositionOneAndAHalf", {"1", "", "1.5"}, kPositionBad, kPositionAgain},
        RefusedCase{"EmptyK1", {"1", "", "1", "", ""}, kK1NaN, kK1Again},
        RefusedCase{"MalformedStation", {"1", "", "1", "", "K12+"}, kK1NaN, kK1Again},
        RefusedCase{"K1BeyondDouble", {"1", "", "1", "", "1e309"}, kK1OOR, kK1Again},
        RefusedCase{"I1BeyondSingle", {"1", "", "1", "", "100", "", "4e38"}, kI1OOR, kI1Again},
        RefusedCase{"K2EqualToK1", With(kUpToK2, {"K0+100"}), kK2Zero, kK2Prompt},
        // K1 0 and K2 1e-50 differ as doubles, but the length rounds to a float 0.
        RefusedCase{"LengthZeroInSingle",
                    {"1", "", "1", "", "0", "", "2", "", "1e-50"},
                    kK2Zero,
                    kK2Prompt},
        RefusedCase{"LengthBeyondSingle", With(kUpToK2, {"1e300"}), kK2OOR, kK2Prompt},
        RefusedCase{"EmptyKI", With(kUpToK2, {"160", "", "6", "", " "}), kKINaN, kKIPrompt},
        RefusedCase{"EmptyMode", With(kUpToMode, {""}), kModeBad, kModePrompt},
        RefusedCase{"ModeWithBlank", With(kUpToMode, {" Y"}), kModeBad, kModePrompt},
        RefusedCase{"ModeAsWord", With(kUpToMode, {"yes"}), kModeBad, kModePrompt},
        RefusedCase{"IntervalZero", With(kUpToMode, {"Y", "", "0"}), kDLZero, kDLPrompt},
        RefusedCase{"IntervalWrongWay", With(kUpToMode, {"Y", "", "-10"}), kDLWrongWay, kDLPrompt},
        RefusedCase{"IntervalTooSmall", With(kUpToMode, {"Y", "", "0.001"}), kDLTooMany, kDLPrompt},
        RefusedCase{"EmptyInterval", With(kUpToMode, {"Y", "", ""}), kDLNaN, kDLPrompt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CalculateCommand, RefusedReplyIsNeitherStoredNorEchoedAndTheStepGoesOn) {
  Session s;
  s.Calculate(Click({"1", "1", "100", "2", "160", "6", "115", "Y"}, {"0", "-20", "20", "", ""}));
  // Each refused interval is offered again.
  const std::string dl_prompt = "INPUT\t" + std::string(kDLPrompt);
  EXPECT_EQ((std::vector<std::string>{dl_prompt, dl_prompt + "\t0", dl_prompt + "\t-20"}),
            LinesStartingWith(s.host, dl_prompt));
  EXPECT_EQ(1, std::count(s.host.log.begin(), s.host.log.end(), "SET\tText9\t 20.000 米"));
  EXPECT_EQ(20, s.record.DL);
  EXPECT_EQ(2, s.record.SectionCount);  // 115 to 160 by 20
}

// A complete calculation and its fields, to be kept through abandoned clicks.
Session Calculated() {
  Session s;
  s.Calculate(Continuous("100", "20", {"N", "", "", "", ""}));
  return s;
}

TEST(CalculateCommand, CancelOnAnyValuePromptLeavesRecordAndFieldsAsTheyWere) {
  const Session done = Calculated();
  const Replies full = Click({"-1", "2", "200", "3", "300", "7", "250", "Y", "10"}, {""});
  // Every value prompt: cancel at the reply with this index (the last one answers the output
  // question, after the calculation is complete).
  for (size_t at = 0; at + 1 < full.size(); at += 2) {
    Session s = done;
    Replies replies(full.begin(), full.begin() + at);
    replies.push_back(kCancel);
    s.Calculate(replies);
    EXPECT_EQ(done.record, s.record) << "cancelled at reply " << at;
    EXPECT_EQ(done.host.fields, s.host.fields) << "cancelled at reply " << at;
    EXPECT_TRUE(LinesStartingWith(s.host, "MESSAGE").empty());
  }
}

TEST(CalculateCommand, CancelAtAReEntryPromptAlsoAbandons) {
  const Session done = Calculated();
  Session s = done;
  s.Calculate({"-1", "", "2", "", "200", "0", kCancel});
  EXPECT_EQ(done.record, s.record);
  EXPECT_EQ(done.host.fields, s.host.fields);
}

TEST(CalculateCommand, ResultBeyondTheRangeAbandonsWithAMessage) {
  const Session done = Calculated();
  Session s = done;
  // I2 − I1 beyond single precision
  s.Calculate(Click({"1", "1", "100", "-3e38", "160", "3e38", "115", "N"}));
  EXPECT_EQ((std::vector<std::string>{std::string("MESSAGE\t") + message::kComputationOutOfRange}),
            LinesStartingWith(s.host, "MESSAGE"));
  EXPECT_EQ(done.record, s.record);
  EXPECT_EQ(done.host.fields, s.host.fields);
}

TEST(CalculateCommand, LastSectionOfAnInexactIntervalReachesK2) {
  Session s;
  s.Calculate(Click({"1", "1", "1000", "2", "1001", "6", "1000", "Y", "0.1"}, {""}));
  EXPECT_EQ(10, s.record.SectionCount);
  EXPECT_EQ(11, s.record.ComputedSections);
  EXPECT_EQ(" 0.100 米", s.host.Field(TextField::Text9));
  EXPECT_NEAR(1001, s.record.Stations[11], 1e-5);
}

TEST(CalculateCommand, LargestRunHas32767Sections) {
  Session s;
  s.host.keep_log = false;
  s.Calculate(Click({"1", "1", "0", "2", "655320", "6", "0", "Y", "20"}, {""}));
  EXPECT_EQ(32766, s.record.SectionCount);
  EXPECT_EQ(32767, s.record.ComputedSections);
  EXPECT_EQ(32768u, s.record.Stations.size());
  EXPECT_EQ(655320, s.record.Stations[32767]);
  EXPECT_EQ(6, s.record.LeftSlopes[32767]);
}

TEST(CalculateCommand, SecondClickReplacesTheTablesWhole) {
  Session s = Calculated();
  s.Calculate(Single("130"));
  EXPECT_EQ((std::vector<double>{130, 130, 0}), s.record.Stations);
  EXPECT_EQ(1, s.record.ComputedSections);
  EXPECT_EQ(20, s.record.DL);  // a single run leaves the interval alone
}

TEST(CalculateCommand, OutputAnswerYPrintsTheReport) {
  Session s;
  s.Calculate(Single("115", {"", "Y"}));
  EXPECT_EQ(1, std::count(s.host.log.begin(), s.host.log.end(), "ENDDOC"));
  EXPECT_EQ("本超高渐变段位于第一缓和曲线 ( 平曲线右偏 )", s.record.CaseText);
}

TEST(CalculateCommand, OtherOutputAnswersShowAndPrintNothing) {
  for (const ScriptHost::Reply& answer : Replies{"yes", " y", "", kCancel, "NN"}) {
    Session s;
    s.Calculate(Continuous("100", "20", {answer}));
    EXPECT_TRUE(LinesStartingWith(s.host, "LINE").empty());
    EXPECT_EQ("", s.host.Field(TextField::Text6));
    EXPECT_EQ(4, s.record.ComputedSections);  // the calculation itself is kept
  }
}

TEST(PrintCommand, BeforeAnyCalculationTellsTheUserAndPrintsNothing) {
  Session s;
  RunPrintCommand(s.record, s.host);
  EXPECT_EQ((std::vector<std::string>{std::string("MESSAGE\t") + message::kNothingToPrint}),
            s.host.log);
}

TEST(PrintCommand, PrinterFailureIsToldAndTheCalculationKept) {
  Session s = Calculated();
  const CalcRecord before = s.record;
  s.host.log.clear();
  s.host.failing_print_operation = s.host.print_operations + 7;
  RunPrintCommand(s.record, s.host);
  EXPECT_EQ((std::vector<std::string>{"MESSAGE\t打印失败：打印机缺纸"}),
            LinesStartingWith(s.host, "MESSAGE"));
  EXPECT_TRUE(LinesStartingWith(s.host, "ENDDOC").empty());
  EXPECT_EQ(before, s.record);
  // and Print can try again
  s.host.log.clear();
  RunPrintCommand(s.record, s.host);
  EXPECT_EQ(1, std::count(s.host.log.begin(), s.host.log.end(), "ENDDOC"));
}

TEST(PrintCommand, DeclinedPrintingShowsNothing) {
  Session s = Calculated();
  s.host.log.clear();
  s.host.failing_print_operation = s.host.print_operations;
  s.host.failure = {PrintStatus::Declined, ""};
  RunPrintCommand(s.record, s.host);
  EXPECT_TRUE(LinesStartingWith(s.host, "MESSAGE").empty());
  EXPECT_TRUE(LinesStartingWith(s.host, "LINE").empty());
}

// Each prompt's title says where the user is: the step and its value, the section of the
// display, the output question.
TEST(CalculateCommand, TitlesOfAWholeClickNameTheStepOrTheSection) {
  Session s;
  s.Calculate(Click({"1", "1", "100", "2", "160", "6", "100", "Y"},
                    {"20", "0", "20", "", "N", "", "", "", ""}));
  std::vector<std::string> expected;
  for (const EntryPrompts* step : prompt::kSteps) {
    const std::string title = prompt::StepTitle(*step);
    expected.insert(expected.end(), {title, title});
  }
  // DL confirmed with 0, entered again and confirmed.
  expected.insert(expected.end(), {prompt::StepTitle(prompt::kInterval),
                                   prompt::StepTitle(prompt::kInterval), prompt::OutputTitle()});
  for (int i = 1; i <= 4; ++i) {
    expected.push_back(prompt::SectionTitle(i, 4));
  }
  EXPECT_EQ("超高渐变段横坡计算 — 第 9 步：断面间距 DL", expected[16]);
  EXPECT_EQ("第 4 / 4 个断面", expected.back());
  EXPECT_EQ(expected, std::vector<std::string>(s.host.titles.begin(), s.host.titles.end()));
}

// The window's diagram follows the program: the calculation once it is complete, with the
// section the fields show as the display moves; an abandoned click leaves it as it was.
TEST(CalculateCommand, ShowsEachCalculationAndTheSectionTheFieldsShow) {
  Session s;
  s.Calculate(Continuous("100", "20", {"x"}));
  EXPECT_EQ(1, s.host.calculations_shown);
  EXPECT_EQ(0, s.host.shown_section);  // the fields show nothing of this run
  s.Calculate(Single("115", {"", "x"}));
  EXPECT_EQ(1, s.host.shown_section);
  const int shown = s.host.calculations_shown;
  s.Calculate({"1", "", kCancel});
  EXPECT_EQ(shown, s.host.calculations_shown);
  EXPECT_EQ(1, s.host.shown_section);
  s.Calculate(Continuous("100", "20", {"N", "", "", "", ""}));
  EXPECT_EQ(4, s.host.shown_section);
  EXPECT_EQ(shown + 5, s.host.calculations_shown);  // the run, then each of its four sections
}

// After a print the note says where the report went; the next command clears it, and a failed
// print leaves none.
TEST(CalculateCommand, APrintLeavesANoteUntilTheNextCommand) {
  Session s;
  s.Calculate(Continuous("100", "20", {"Y"}));
  EXPECT_EQ("计算书已发送到打印机 Script（作业 1，共 1 页）", s.host.note);
  EXPECT_EQ(1, std::count(s.host.log.begin(), s.host.log.end(),
                          "NOTE\t计算书已发送到打印机 Script（作业 1，共 1 页）"));
  s.Calculate({"1", "", kCancel});
  EXPECT_EQ("", s.host.note);
  s.host.failing_print_operation = s.host.print_operations;
  RunPrintCommand(s.record, s.host);
  EXPECT_EQ("", s.host.note);
  EXPECT_EQ(1, s.host.abandoned_documents);
  EXPECT_EQ(std::string("MESSAGE\t") + message::kPrintFailed + "打印机缺纸", s.host.log.back());
}

}  // namespace
