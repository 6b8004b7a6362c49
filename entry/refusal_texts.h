// Why a reply to a value prompt was refused, and the message that tells the user.
#pragma once

#include <string>

#include "entry/prompt_texts.h"

enum class Refusal {
  NotANumber,
  OutOfRange,
  ZeroTurnDirection,
  BadCurvePosition,
  ZeroLength,
  BadMode,
  ZeroInterval,
  TooManySections,
  NegativeCount,
};

// The value's name and a full-width colon, what is wrong, and what the step accepts:
// "超高渐变段起点桩号 K1：输入的不是有效数值。请输入以米计的桩号，例如 12345.678，……".
std::string RefusalMessage(const EntryPrompts& step, Refusal why);
