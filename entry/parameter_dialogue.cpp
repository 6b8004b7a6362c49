// The prompt texts, checks and echoes of the parameter dialogue.
#include "entry/parameter_dialogue.h"

#include <cmath>
#include <string>

#include "calc/section_stationing.h"
#include "calc/single_precision.h"
#include "entry/confirmed_entry.h"
#include "entry/number_conversion.h"
#include "entry/prompt_texts.h"
#include "entry/station_notation.h"
#include "entry/value_text.h"

namespace {

constexpr const char* kSingleModeText = "单点计算";

template <class T>
Checked<T> FromConversion(const Converted<T>& converted) {
  switch (converted.outcome) {
    case NumberOutcome::Number:
      return {converted.value};
    case NumberOutcome::OutOfRange:
      return {std::nullopt, Refusal::OutOfRange};
    case NumberOutcome::NotANumber:
      break;
  }
  return {std::nullopt, Refusal::NotANumber};
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
    return {std::nullopt, Refusal::ZeroTurnDirection};
  }
  return checked;
}

Checked<float> ReadCurvePosition(const std::string& reply) {
  Checked<float> checked = ReadSingle(reply);
  if (checked.value && *checked.value != 1.0f && *checked.value != 2.0f) {
    return {std::nullopt, Refusal::BadCurvePosition};
  }
  return checked;
}

Checked<double> ReadEndStation(const std::string& reply, double k1) {
  Checked<double> checked = ReadStation(reply);
  if (!checked.value) {
    return checked;
  }
  const double length = std::fabs(*checked.value - k1);
  if (!FitsSingle(length)) {
    return {std::nullopt, Refusal::OutOfRange};
  }
  // The formulas divide by L in single precision, where a length too short to represent is 0.
  if (static_cast<float>(length) == 0) {
    return {std::nullopt, Refusal::ZeroLength};
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
  return {std::nullopt, Refusal::BadMode};
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
    return {std::nullopt, dl.why};
  }
  const SectionCount count = ComputeSectionCount(k2, ki, *dl.value);
  switch (count.failure) {
    case SectionCount::None:
      return {Interval{*dl.value, count.count}};
    case SectionCount::ZeroInterval:
      return {std::nullopt, Refusal::ZeroInterval};
    case SectionCount::TooMany:
      return {std::nullopt, Refusal::TooManySections};
    case SectionCount::Negative:
      break;
  }
  return {std::nullopt, Refusal::NegativeCount};
}

void EchoSlope(CalcHost& host, TextField field, float slope) {
  host.SetText(field, SlopeText(slope));
}

}  // namespace

std::optional<DialogueResult> RunParameterDialogue(CalcRecord& record, CalcHost& host) {
  DialogueResult result;
  const bool completed =
      ConfirmedEntry(host, prompt::kTurnDirection, ReadTurnDirection,
                     [&](float v) { record.TurnDirection = v; }) &&
      ConfirmedEntry(host, prompt::kCurvePosition, ReadCurvePosition,
                     [&](float v) { record.CurvePosition = v; }) &&
      ConfirmedEntry(host, prompt::kStartStation, ReadStation,
                     [&](double v) {
                       record.K1 = v;
                       host.SetText(TextField::Text1, FormatStation(v));
                     }) &&
      ConfirmedEntry(host, prompt::kStartSlope, ReadSingle,
                     [&](float v) {
                       record.I1 = v;
                       EchoSlope(host, TextField::Text3, v);
                     }) &&
      ConfirmedEntry(
          host, prompt::kEndStation,
          [&](const std::string& reply) { return ReadEndStation(reply, record.K1); },
          [&](double v) {
            record.K2 = v;
            host.SetText(TextField::Text2, FormatStation(v));
          }) &&
      ConfirmedEntry(host, prompt::kFullSlope, ReadSingle,
                     [&](float v) {
                       record.I2 = v;
                       EchoSlope(host, TextField::Text4, v);
                     }) &&
      ConfirmedEntry(host, prompt::kFirstSection, ReadStation,
                     [&](double v) {
                       result.ki = v;
                       host.SetText(TextField::Text10, FormatStation(v));
                     }) &&
      ConfirmedEntry(host, prompt::kMode, ReadMode, [&](RunMode mode) { result.mode = mode; });
  if (!completed) {
    return std::nullopt;
  }
  if (result.mode == RunMode::Single) {
    host.SetText(TextField::Text9, kSingleModeText);
    record.SectionCount = 1;
    return result;
  }
  const bool interval_given = ConfirmedEntry(
      host, prompt::kInterval,
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
