// The prompt texts, checks and echoes of the parameter dialogue.
#include "entry/parameter_dialogue.h"

#include <cmath>
#include <string>

#include "app/messages.h"
#include "calc/section_stationing.h"
#include "calc/single_precision.h"
#include "entry/confirmed_entry.h"
#include "entry/number_conversion.h"
#include "entry/station_notation.h"
#include "output/screen_results.h"

namespace {

constexpr EntryPrompts kTurnDirection{
    "明确平曲线走向 : 右偏输入大于零的任意正整数 (1,2,3,...), 左偏输入小于零的任意负整数 "
    "(-1,-2,-3,...) ",
    "明确平曲线走向 : 右偏输入大于零的任意正整数 (1,2,3,...), 左偏输入小于零的任意负整数 "
    "(-1,-2,-3,...) ",
    "确认平曲线走向是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};
constexpr EntryPrompts kCurvePosition{
    "明确超高渐变段的位置 : 位于第一缓和曲线输入 1 , 位于第二缓和曲线输入 2 ",
    "明确超高渐变段位于平曲线的位置 :位于第一缓和曲线输入 1 ,位于第二缓和曲线输入 2 ",
    "确认超高渐变段位于平曲线的位置是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};
constexpr EntryPrompts kStartStation{
    "输入超高渐变段起点桩号 : ", "输入超高渐变段起点桩号 :",
    "确认起点桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};
constexpr EntryPrompts kStartSlope{
    "输入起始横坡 I1 :", "输入起始横坡 :",
    "确认起始横坡 I1 输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};
constexpr EntryPrompts kEndStation{
    "输入超高渐变段终点桩号 :", "输入超高渐变段终点桩号 :",
    "确认超高渐变段终点桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};
constexpr EntryPrompts kFullSlope{
    "输入全超高横坡 :", "输入全超高横坡 :",
    "确认全超高横坡输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};
constexpr EntryPrompts kFirstSection{
    "输入第 1 个计算断面的桩号 :", "输入第 1 个计算断面的桩号 :",
    "确认计算断面的桩号输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};
constexpr EntryPrompts kMode{"如果仅仅是单点计算输入 N ,连续计算输入 Y",
                             "如果仅仅是单点计算输入 N ,连续计算输入 Y",
                             "确认输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};
constexpr EntryPrompts kInterval{"输入计算断面的间距 :", "输入计算断面的间距 :",
                                 "确认断面的间距输入是否正确 : 输入正确单击 Enter 键 ; 错误输入零"};

constexpr const char* kSingleModeText = "单点计算";

template <class T>
Checked<T> FromConversion(const Converted<T>& converted) {
  switch (converted.outcome) {
    case NumberOutcome::Number:
      return {converted.value};
    case NumberOutcome::OutOfRange:
      return {std::nullopt, message::kOutOfRange};
    case NumberOutcome::NotANumber:
      break;
  }
  return {std::nullopt, message::kNotANumber};
}

Checked<float> ReadSingle(const std::string& reply) {
  return FromConversion(ConvertSingle(reply));
}

Checked<double> ReadStation(const std::string& reply) {
  return FromConversion(ConvertStation(reply));
}

Checked<float> ReadTurnDirection(const std::string& reply) {
  Checked<float> checked = ReadSingle(reply);
  if (checked.value && *checked.value == 0) {
    return {std::nullopt, message::kZeroTurnDirection};
  }
  return checked;
}

Checked<float> ReadCurvePosition(const std::string& reply) {
  Checked<float> checked = ReadSingle(reply);
  if (checked.value && *checked.value != 1.0f && *checked.value != 2.0f) {
    return {std::nullopt, message::kBadCurvePosition};
  }
  return checked;
}

Checked<double> ReadEndStation(const std::string& reply, double k1) {
  Checked<double> checked = ReadStation(reply);
  if (checked.value && *checked.value == k1) {
    return {std::nullopt, message::kZeroLength};
  }
  if (checked.value && !FitsSingle(std::fabs(*checked.value - k1))) {
    return {std::nullopt, message::kOutOfRange};
  }
  return checked;
}

Checked<RunMode> ReadMode(const std::string& reply) {
  if (reply == "n" || reply == "N") {
    return {RunMode::Single};
  }
  if (reply == "y" || reply == "Y") {
    return {RunMode::Continuous};
  }
  return {std::nullopt, message::kBadMode};
}

// DL together with the section count it gives, so that an interval that cannot make a run is
// refused before it is echoed.
struct Interval {
  float dl = 0;
  int16_t count = 0;
};

Checked<Interval> ReadInterval(const std::string& reply, double k2, double ki) {
  const Checked<float> dl = ReadSingle(reply);
  if (!dl.value) {
    return {std::nullopt, dl.message};
  }
  const SectionCount count = ComputeSectionCount(k2, ki, *dl.value);
  switch (count.failure) {
    case SectionCount::None:
      return {Interval{*dl.value, count.count}};
    case SectionCount::ZeroInterval:
      return {std::nullopt, message::kZeroInterval};
    case SectionCount::TooMany:
      return {std::nullopt, message::kTooManySections};
    case SectionCount::Negative:
      break;
  }
  return {std::nullopt, message::kNegativeCount};
}

void EchoSlope(CalcHost& host, TextField field, float slope) {
  host.SetText(field, SlopeText(slope));
}

}  // namespace

std::optional<DialogueResult> RunParameterDialogue(CalcRecord& record, CalcHost& host) {
  DialogueResult result;
  const bool completed =
      ConfirmedEntry(host, kTurnDirection, ReadTurnDirection,
                     [&](float v) { record.TurnDirection = v; }) &&
      ConfirmedEntry(host, kCurvePosition, ReadCurvePosition,
                     [&](float v) { record.CurvePosition = v; }) &&
      ConfirmedEntry(host, kStartStation, ReadStation,
                     [&](double v) {
                       record.K1 = v;
                       host.SetText(TextField::Text1, FormatStation(v));
                     }) &&
      ConfirmedEntry(host, kStartSlope, ReadSingle,
                     [&](float v) {
                       record.I1 = v;
                       EchoSlope(host, TextField::Text3, v);
                     }) &&
      ConfirmedEntry(
          host, kEndStation,
          [&](const std::string& reply) { return ReadEndStation(reply, record.K1); },
          [&](double v) {
            record.K2 = v;
            host.SetText(TextField::Text2, FormatStation(v));
          }) &&
      ConfirmedEntry(host, kFullSlope, ReadSingle,
                     [&](float v) {
                       record.I2 = v;
                       EchoSlope(host, TextField::Text4, v);
                     }) &&
      ConfirmedEntry(host, kFirstSection, ReadStation,
                     [&](double v) {
                       result.ki = v;
                       host.SetText(TextField::Text10, FormatStation(v));
                     }) &&
      ConfirmedEntry(host, kMode, ReadMode, [&](RunMode mode) { result.mode = mode; });
  if (!completed) {
    return std::nullopt;
  }
  if (result.mode == RunMode::Single) {
    host.SetText(TextField::Text9, kSingleModeText);
    record.SectionCount = 1;
    return result;
  }
  const bool interval_given = ConfirmedEntry(
      host, kInterval,
      [&](const std::string& reply) { return ReadInterval(reply, record.K2, result.ki); },
      [&](const Interval& v) {
        record.DL = v.dl;
        record.SectionCount = v.count;
        host.SetText(TextField::Text9, MetresText(v.dl));
      });
  if (!interval_given) {
    return std::nullopt;
  }
  return result;
}
