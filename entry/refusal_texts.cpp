// The refusal messages of the parameter dialogue.
#include "entry/refusal_texts.h"

namespace {

const char* WhatIsWrong(Refusal why) {
  switch (why) {
    case Refusal::NotANumber:
      return "输入的不是有效数值。";
    case Refusal::OutOfRange:
      return "输入的数值超出允许范围。";
    case Refusal::ZeroTurnDirection:
      return "不能为零。";
    case Refusal::BadCurvePosition:
      return "只能是 1 或 2。";
    case Refusal::ZeroLength:
      return "与起点桩号相同，超高渐变段长度不能为零。";
    case Refusal::BadMode:
      return "只能输入 N 或 Y。";
    case Refusal::ZeroInterval:
      return "不能为零。";
    case Refusal::TooManySections:
      return "计算断面过多，断面数不能超过 32767，请加大断面间距。";
    case Refusal::NegativeCount:
      return "按此间距无法从第一个计算断面到达终点桩号，请检查断面间距的正负号。";
  }
  return "";
}

}  // namespace

std::string RefusalMessage(const EntryPrompts& step, Refusal why) {
  std::string text = step.name;
  text += "：";
  text += WhatIsWrong(why);
  text += step.accepted;
  return text;
}
