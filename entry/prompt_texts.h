// Every text the Calculate command asks with: the dialogue's prompts, the key prompt and the
// output question, with the names and titles that go with them.
#pragma once

#include <string>
#include <vector>

// The prompts of one prompt-and-confirm step, and the value's name for its title and refusals.
struct EntryPrompts {
  int step;              // its place in the dialogue, from 1
  const char* name;      // "超高渐变段起点桩号 K1"
  const char* first;     // asked the first time
  const char* reentry;   // asked after a refused reply and after a confirmation of 0
  const char* confirm;   // asks whether the value is right
  const char* accepted;  // what a refused reply is told would be accepted, with an example
};

namespace prompt {

inline constexpr const char* kProgramTitle = "超高渐变段横坡计算";

inline constexpr const char* kStationAccepted =
    "请输入以米计的桩号，例如 12345.678，或桩号写法，例如 K12+345.678。";
inline constexpr const char* kSlopeAccepted = "请输入以百分数计的横坡，例如 2 或 -1.5。";

inline constexpr EntryPrompts kTurnDirection{
    1,
    "平曲线走向",
    "明确平曲线走向 : 右偏输入大于零的任意正整数 (1,2,3,...), 左偏输入小于零的任意负整数 "
    "(-1,-2,-3,...) ",
    "明确平曲线走向 : 右偏输入大于零的任意正整数 (1,2,3,...), 左偏输入小于零的任意负整数 "
    "(-1,-2,-3,...) ",
    "确认平曲线走向是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
    "右偏输入正数，例如 1；左偏输入负数，例如 -1。"};
inline constexpr EntryPrompts kCurvePosition{
    2,
    "超高渐变段位置",
    "明确超高渐变段的位置 : 位于第一缓和曲线输入 1 , 位于第二缓和曲线输入 2 ",
    "明确超高渐变段位于平曲线的位置 :位于第一缓和曲线输入 1 ,位于第二缓和曲线输入 2 ",
    "确认超高渐变段位于平曲线的位置是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
    "位于第一缓和曲线输入 1，位于第二缓和曲线输入 2。"};
inline constexpr EntryPrompts kStartStation{
    3,
    "超高渐变段起点桩号 K1",
    "输入超高渐变段起点桩号 : ",
    "输入超高渐变段起点桩号 :",
    "确认起点桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
    kStationAccepted};
inline constexpr EntryPrompts kStartSlope{
    4,
    "超高渐变段起点横坡 I1",
    "输入起始横坡 I1 :",
    "输入起始横坡 :",
    "确认起始横坡 I1 输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
    kSlopeAccepted};
inline constexpr EntryPrompts kEndStation{
    5,
    "超高渐变段终点桩号 K2",
    "输入超高渐变段终点桩号 :",
    "输入超高渐变段终点桩号 :",
    "确认超高渐变段终点桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
    kStationAccepted};
inline constexpr EntryPrompts kFullSlope{
    6,
    "超高渐变段终点横坡 I2",
    "输入全超高横坡 :",
    "输入全超高横坡 :",
    "确认全超高横坡输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
    kSlopeAccepted};
inline constexpr EntryPrompts kFirstSection{
    7,
    "第一个计算断面桩号 KI",
    "输入第 1 个计算断面的桩号 :",
    "输入第 1 个计算断面的桩号 :",
    "确认计算断面的桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
    kStationAccepted};
inline constexpr EntryPrompts kMode{8,
                                    "计算方式",
                                    "如果仅仅是单点计算输入 N ,连续计算输入 Y",
                                    "如果仅仅是单点计算输入 N ,连续计算输入 Y",
                                    "确认输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
                                    "单点计算输入 N，连续计算输入 Y，前后不留空格。"};
inline constexpr EntryPrompts kInterval{
    9,
    "断面间距 DL",
    "输入计算断面的间距 :",
    "输入计算断面的间距 :",
    "确认断面的间距输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零",
    "请输入以米计的间距，例如 20；终点桩号小于第一个计算断面桩号时输入负数，例如 -20。"};

// The steps in the order they are asked.
inline constexpr const EntryPrompts* kSteps[] = {
    &kTurnDirection, &kCurvePosition, &kStartStation, &kStartSlope, &kEndStation,
    &kFullSlope,     &kFirstSection,  &kMode,         &kInterval,
};

// Asked before each section is shown; its reply is ignored.
inline constexpr const char* kKeyPrompt = "单击键显示计算结果 :";
// Asked once the run is computed: N steps through the sections, Y prints the report.
inline constexpr const char* kOutputQuestion =
    "现在只需要单点屏幕显示输入 N ，需要立即打印输入 Y ：";

// The prompt cut where a line may break: after a run of blanks that no punctuation mark
// follows, after Chinese punctuation, and after a Latin comma, colon or semicolon that a Chinese
// character follows; never inside a word or a number. The pieces joined give the prompt back.
std::vector<std::string> PromptPieces(const std::string& text);

// "超高渐变段横坡计算 — 第 3 步：超高渐变段起点桩号 K1", for a step's prompts.
std::string StepTitle(const EntryPrompts& step);
// "第 3 / 501 个断面", for the small key prompt of section `section`.
std::string SectionTitle(int section, int sections);
// "超高渐变段横坡计算 — 输出方式", for the output question.
std::string OutputTitle();

}  // namespace prompt
