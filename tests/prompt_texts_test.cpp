// The table of the Calculate command's prompts against the texts as written, to the blank.
#include "entry/prompt_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

struct WrittenStep {
  const EntryPrompts& step;
  const char* first;
  const char* reentry;
  const char* confirm;
};

const WrittenStep kWritten[] = {
    {prompt::kTurnDirection,
     "明确平曲线走向 : 右偏输入大于零的任意正整数 (1,2,3,...), 左偏输入小于零的任意负整数 "
     "(-1,-2,-3,...) ",
     "明确平曲线走向 : 右偏输入大于零的任意正整数 (1,2,3,...), 左偏输入小于零的任意负整数 "
     "(-1,-2,-3,...) ",
     "确认平曲线走向是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
    {prompt::kCurvePosition,
     "明确超高渐变段的位置 : 位于第一缓和曲线输入 1 , 位于第二缓和曲线输入 2 ",
     "明确超高渐变段位于平曲线的位置 :位于第一缓和曲线输入 1 ,位于第二缓和曲线输入 2 ",
     "确认超高渐变段位于平曲线的位置是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
    {prompt::kStartStation, "输入超高渐变段起点桩号 : ", "输入超高渐变段起点桩号 :",
     "确认起点桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
    {prompt::kStartSlope, "输入起始横坡 I1 :", "输入起始横坡 :",
     "确认起始横坡 I1 输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
    {prompt::kEndStation, "输入超高渐变段终点桩号 :", "输入超高渐变段终点桩号 :",
     "确认超高渐变段终点桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
    {prompt::kFullSlope, "输入全超高横坡 :", "输入全超高横坡 :",
     "确认全超高横坡输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
    {prompt::kFirstSection, "输入第 1 个计算断面的桩号 :", "输入第 1 个计算断面的桩号 :",
     "确认计算断面的桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
    {prompt::kMode, "如果仅仅是单点计算输入 N ,连续计算输入 Y",
     "如果仅仅是单点计算输入 N ,连续计算输入 Y",
     "确认输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
    {prompt::kInterval, "输入计算断面的间距 :", "输入计算断面的间距 :",
     "确认断面的间距输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"},
};

TEST(PromptTexts, AreTheWrittenTextsToTheBlankInTheirOrder) {
  ASSERT_EQ(std::size(kWritten), std::size(prompt::kSteps));
  for (size_t i = 0; i < std::size(kWritten); ++i) {
    const WrittenStep& w = kWritten[i];
    SCOPED_TRACE(w.step.name);
    EXPECT_EQ(&w.step, prompt::kSteps[i]);
    EXPECT_EQ(static_cast<int>(i) + 1, w.step.step);
    EXPECT_EQ(std::string(w.first), w.step.first);
    EXPECT_EQ(std::string(w.reentry), w.step.reentry);
    EXPECT_EQ(std::string(w.confirm), w.step.confirm);
  }
  EXPECT_EQ(std::string("单击键显示计算结果 :"), prompt::kKeyPrompt);
  EXPECT_EQ(std::string("现在只需要单点屏幕显示输入 N ，需要立即打印输入 Y ："),
            prompt::kOutputQuestion);
}

TEST(PromptTexts, TitlesNameTheProgramAndWhereTheUserIs) {
  EXPECT_EQ("超高渐变段横坡计算 — 第 3 步：超高渐变段起点桩号 K1",
            prompt::StepTitle(prompt::kStartStation));
  EXPECT_EQ("超高渐变段横坡计算 — 第 8 步：计算方式", prompt::StepTitle(prompt::kMode));
  EXPECT_EQ("超高渐变段横坡计算 — 第 9 步：断面间距 DL", prompt::StepTitle(prompt::kInterval));
  EXPECT_EQ("第 3 / 501 个断面", prompt::SectionTitle(3, 501));
  EXPECT_EQ("第 1 / 1 个断面", prompt::SectionTitle(1, 1));
  EXPECT_EQ("超高渐变段横坡计算 — 输出方式", prompt::OutputTitle());
}

TEST(PromptTexts, PiecesBreakAtBlanksAndPunctuationOnly) {
  using Pieces = std::vector<std::string>;
  EXPECT_EQ((Pieces{"输入第 ", "1 ", "个计算断面的桩号 :"}),
            prompt::PromptPieces("输入第 1 个计算断面的桩号 :"));
  EXPECT_EQ((Pieces{"明确超高渐变段位于平曲线的位置 :", "位于第一缓和曲线输入 ", "1 ,",
                    "位于第二缓和曲线输入 ", "2 "}),
            prompt::PromptPieces(prompt::kCurvePosition.reentry));
  // A number with commas inside stays whole.
  const Pieces turn = prompt::PromptPieces(prompt::kTurnDirection.first);
  EXPECT_NE(turn.end(), std::find(turn.begin(), turn.end(), "(1,2,3,...), "));
  EXPECT_EQ((Pieces{"现在只需要单点屏幕显示输入 ", "N ，", "需要立即打印输入 ", "Y ："}),
            prompt::PromptPieces(prompt::kOutputQuestion));
  // Every prompt comes back whole from its pieces.
  for (const EntryPrompts* step : prompt::kSteps) {
    for (const char* text : {step->first, step->reentry, step->confirm}) {
      std::string joined;
      for (const std::string& piece : prompt::PromptPieces(text)) {
        joined += piece;
      }
      EXPECT_EQ(std::string(text), joined);
    }
  }
}

}  // namespace
