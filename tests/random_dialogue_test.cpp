// Random dialogues through the Calculate and Print commands: whatever the user types, a click
// either leaves record and window as they were or completes a sound calculation.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <exception>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "app/calculate_command.h"
#include "app/messages.h"
#include "calc/section_slopes.h"
#include "entry/number_conversion.h"
#include "entry/refusal_texts.h"
#include "entry/station_notation.h"
#include "entry/value_text.h"
#include "output/screen_results.h"
#include "tools/full_width.h"
#include "tools/script_host.h"

namespace {

using Reply = ScriptHost::Reply;

enum class Step { Turn, Position, K1, I1, K2, I2, KI, Mode, DL };
enum class Ask { Value, Confirm, Key, Output };

struct Due {
  Ask ask = Ask::Value;
  Step step = Step::Turn;

  bool operator==(const Due&) const = default;
};

// Recognises a prompt by a phrase only it contains, so that the test follows the dialogue
// without restating every prompt text (the command's own tests check those exactly).
std::optional<Due> Classify(const std::string& prompt) {
  struct Phrase {
    const char* text;
    Due prompt;
  };
  static const Phrase kPhrases[] = {
      // Confirmation prompts first: they repeat the words of their value prompts.
      {"确认平曲线走向", {Ask::Confirm, Step::Turn}},
      {"确认超高渐变段位于平曲线的位置", {Ask::Confirm, Step::Position}},
      {"确认起点桩号", {Ask::Confirm, Step::K1}},
      {"确认起始横坡", {Ask::Confirm, Step::I1}},
      {"确认超高渐变段终点桩号", {Ask::Confirm, Step::K2}},
      {"确认全超高横坡", {Ask::Confirm, Step::I2}},
      {"确认计算断面的桩号", {Ask::Confirm, Step::KI}},
      {"确认输入是否正确", {Ask::Confirm, Step::Mode}},
      {"确认断面的间距", {Ask::Confirm, Step::DL}},
      {"明确平曲线走向", {Ask::Value, Step::Turn}},
      {"明确超高渐变段", {Ask::Value, Step::Position}},
      {"起点桩号", {Ask::Value, Step::K1}},
      {"起始横坡", {Ask::Value, Step::I1}},
      {"终点桩号", {Ask::Value, Step::K2}},
      {"全超高横坡", {Ask::Value, Step::I2}},
      {"第 1 个计算断面的桩号", {Ask::Value, Step::KI}},
      {"如果仅仅是单点计算", {Ask::Value, Step::Mode}},
      {"输入计算断面的间距", {Ask::Value, Step::DL}},
      {"单击键显示计算结果", {Ask::Key, Step::Turn}},
      {"现在只需要单点屏幕显示", {Ask::Output, Step::Turn}},
  };
  // The step-through asks the same few prompts thousands of times.
  static std::map<std::string, std::optional<Due>> known;
  if (const auto found = known.find(prompt); found != known.end()) {
    return found->second;
  }
  std::optional<Due>& kind = known[prompt];
  for (const Phrase& phrase : kPhrases) {
    if (prompt.find(phrase.text) != std::string::npos) {
      kind = phrase.prompt;
      break;
    }
  }
  return kind;
}

class Random {
 public:
  explicit Random(uint64_t seed) : engine_(seed) {}

  uint64_t Below(uint64_t n) { return engine_() % n; }
  bool Chance(double p) { return Uniform(0, 1) < p; }
  double Uniform(double lo, double hi) {
    return lo + (hi - lo) * static_cast<double>(engine_() >> 11) * 0x1p-53;
  }
  // A magnitude spread evenly over the powers of ten from 10^lo to 10^hi.
  double Magnitude(double lo, double hi) { return std::pow(10.0, Uniform(lo, hi)); }
  double Sign() { return Chance(0.5) ? 1 : -1; }
  template <class T, size_t N>
  const T& Pick(const T (&items)[N]) {
    return items[Below(N)];
  }

 private:
  std::mt19937_64 engine_;
};

// The value rounded to a whole number of thousandths or coarser, as users type them.
double Typed(Random& random, double value) {
  const double scale = std::pow(10.0, static_cast<double>(random.Below(4)));
  const double rounded = std::round(value * scale) / scale;
  return std::isfinite(rounded) ? rounded : value;
}

std::string CharsText(double value, std::chars_format format, int precision = -1) {
  char buffer[400];
  const auto [end, ec] =
      precision < 0 ? std::to_chars(buffer, buffer + sizeof buffer, value, format)
                    : std::to_chars(buffer, buffer + sizeof buffer, value, format, precision);
  return ec == std::errc() ? std::string(buffer, end) : "?";
}

// Blanks around the reply, full-width forms, or neither.
std::string Dress(Random& random, std::string text) {
  static const char* const kBlanks[] = {" ", "  ", "\t", "\xE3\x80\x80"};
  if (random.Chance(0.15)) {
    text = Widen(text, random.Chance(0.5));
  }
  if (random.Chance(0.15)) {
    text = random.Pick(kBlanks) + text + random.Pick(kBlanks);
  }
  return text;
}

std::string NumberText(Random& random, double value) {
  std::string text;
  switch (random.Below(6)) {
    case 0:
      text = CharsText(value, std::chars_format::fixed, static_cast<int>(random.Below(7)));
      break;
    case 1:
      text = CharsText(value, std::chars_format::scientific, static_cast<int>(random.Below(9)));
      break;
    case 2:
      text = CharsText(value, std::chars_format::general);
      break;
    case 3:
      text = (value >= 0 ? "+" : "") + CharsText(value, std::chars_format::general);
      break;
    default:
      text = CharsText(value, std::chars_format::general);
      if (text.find_first_of(".e") == std::string::npos) {
        text += random.Chance(0.5) ? "." : ".0";
      }
  }
  return Dress(random, text);
}

std::string StationText(Random& random, double station) {
  if (random.Chance(0.5)) {
    return NumberText(random, station);
  }
  static const char* const kLeading[] = {"K", "k", "", " K", "K "};
  std::string text =
      FormatStation(station, random.Pick(kLeading), static_cast<int>(random.Below(5)));
  if (random.Chance(0.1)) {
    text.insert(text.find('+'), " ");
  }
  return Dress(random, text);
}

// Texts that are no value of any step, or only just one.
std::string Junk(Random& random) {
  static const char* const kTexts[] = {
      "",
      "abc",
      "K",
      "+",
      "-",
      ".",
      "e5",
      "1e",
      "1..2",
      "1 2",
      "１．",
      "零",
      "一",
      "NaN",
      "inf",
      "0x10",
      "1,5",
      "K12+",
      "K+5",
      "K1+1000",
      "１２３ａ",
      "\t",
      "\xE3\x80\x80",
      "?",
      "Y",
      "N",
      "y",
      "n",
      "1e39",
      "-1e39",
      "3.5e38",
      "1e309",
      "-1e400",
      "1e-400",
      "0",
      "-0",
      "００",
      "0.0",
      "1e-50",
      "３．５ｅ３８",
      "K-1+500",
      "K1+-500",
      "右",
      "左偏",
      " Y",
      "N ",
      "yes",
      "\xEF\xBC",
      "\xE3\x80",
      "\xFF\xFE",
      "12345678901234567890123",
      "1e+",
      "--1",
  };
  if (random.Chance(0.7)) {
    return random.Pick(kTexts);
  }
  static const char* const kPieces[] = {"0",  "1",  "2",  "5",  "9",  "+",  "-",  ".",
                                        "e",  "E",  "K",  "k",  " ",  "\t", "。", "．",
                                        "１", "－", "Ｋ", "　", "度", "%",  "n",  "Y"};
  std::string text;
  for (uint64_t n = random.Below(11); n > 0; --n) {
    text += random.Pick(kPieces);
  }
  return text;
}

// The values the dialogue has taken so far, as the user's replies convert.
struct Values {
  float turn = 0;
  float position = 0;
  double k1 = 0;
  float i1 = 0;
  double k2 = 0;
  float i2 = 0;
  double ki = 0;
  bool continuous = false;
  float dl = 0;
  int count = 0;
};

// A reply to a value prompt: refused with a message, or taken.
struct Judgement {
  std::optional<Refusal> message;
  Values taken;
};

template <class T>
std::optional<Refusal> ConversionMessage(const Converted<T>& converted) {
  switch (converted.outcome) {
    case NumberOutcome::Number:
      return std::nullopt;
    case NumberOutcome::OutOfRange:
      return Refusal::OutOfRange;
    case NumberOutcome::NotANumber:
      break;
  }
  return Refusal::NotANumber;
}

// Whether a double rounds to a finite float: below FLT_MAX plus half its last unit.
bool RoundsToFiniteFloat(double value) {
  return std::fabs(value) < 0x1.ffffffp127;
}

// The section count of a continuous run, or why the interval is refused.
std::optional<Refusal> CountSections(double k2, double ki, float dl, int& count) {
  if (dl == 0) {
    return Refusal::ZeroInterval;
  }
  const double q = (k2 - ki) / static_cast<double>(dl);
  const double nearest = std::nearbyint(q);
  // A float interval such as 0.1 is a little long; a last section within half a millimetre of
  // K2 still reaches it.
  const double whole =
      std::fabs(ki + nearest * static_cast<double>(dl) - k2) <= 0.0005 ? nearest : std::trunc(q);
  if (whole > 32766) {
    return Refusal::TooManySections;
  }
  if (whole < 0) {
    return Refusal::NegativeCount;
  }
  count = static_cast<int>(whole);
  return std::nullopt;
}

Judgement Judge(Step step, const std::string& reply, const Values& values) {
  Judgement judgement{std::nullopt, values};
  Values& v = judgement.taken;
  const Converted<float> single = ConvertSingle(reply);
  const Converted<double> station = ConvertStation(reply);
  switch (step) {
    case Step::Turn:
      judgement.message = ConversionMessage(single);
      if (!judgement.message && single.value == 0) {
        judgement.message = Refusal::ZeroTurnDirection;
      }
      v.turn = single.value;
      break;
    case Step::Position:
      judgement.message = ConversionMessage(single);
      if (!judgement.message && single.value != 1 && single.value != 2) {
        judgement.message = Refusal::BadCurvePosition;
      }
      v.position = single.value;
      break;
    case Step::K1:
      judgement.message = ConversionMessage(station);
      v.k1 = station.value;
      break;
    case Step::I1:
      judgement.message = ConversionMessage(single);
      v.i1 = single.value;
      break;
    case Step::K2:
      judgement.message = ConversionMessage(station);
      if (!judgement.message && !RoundsToFiniteFloat(station.value - values.k1)) {
        judgement.message = Refusal::OutOfRange;
      } else if (!judgement.message &&
                 static_cast<float>(std::fabs(station.value - values.k1)) == 0) {
        // The length is divided in single precision, where it must not be 0.
        judgement.message = Refusal::ZeroLength;
      }
      v.k2 = station.value;
      break;
    case Step::I2:
      judgement.message = ConversionMessage(single);
      v.i2 = single.value;
      break;
    case Step::KI:
      judgement.message = ConversionMessage(station);
      v.ki = station.value;
      break;
    case Step::Mode:
      if (reply == "n" || reply == "N" || reply == "y" || reply == "Y") {
        v.continuous = reply == "y" || reply == "Y";
      } else {
        judgement.message = Refusal::BadMode;
      }
      break;
    case Step::DL:
      judgement.message = ConversionMessage(single);
      if (!judgement.message) {
        judgement.message = CountSections(values.k2, values.ki, single.value, v.count);
      }
      v.dl = single.value;
      break;
  }
  return judgement;
}

// The sections a run must compute: stations and slopes in slots 1 to n, or nullopt when a
// station or a slope leaves the number range.
struct Run {
  std::vector<double> stations;
  std::vector<float> left;
  std::vector<float> right;
  int computed = 0;
};

std::optional<Run> PredictRun(const Values& v) {
  const int sections = v.continuous ? v.count + 1 : 1;
  const size_t slots = static_cast<size_t>(v.continuous ? v.count : 1) + 2;
  Run run{std::vector<double>(slots), std::vector<float>(slots), std::vector<float>(slots),
          sections};
  run.stations[0] = v.ki;
  const auto length = static_cast<float>(std::fabs(v.k2 - v.k1));
  double station = v.ki;
  for (int i = 1; i <= sections; ++i) {
    // Each section of a continuous run is the previous station plus its interval: 0 for
    // section 1 (so a KI of -0 gives the station +0), DL for every further one.
    if (v.continuous) {
      station += static_cast<double>(i > 1 ? v.dl : 0.0f);
    }
    if (!std::isfinite(station)) {
      return std::nullopt;
    }
    const SectionSlopes slopes =
        ComputeSectionSlopes(v.turn, v.position, v.k1, length, v.i1, v.i2, station);
    if (slopes.failure != SlopeFailure::None) {
      return std::nullopt;
    }
    run.stations[i] = station;
    run.left[i] = slopes.left;
    run.right[i] = slopes.right;
  }
  return run;
}

// Whether the text is the refusal message of some step.
// The message of every step's refusal of this kind.
std::vector<std::string> RefusalsOfKind(Refusal why) {
  std::vector<std::string> texts;
  for (const EntryPrompts* step : prompt::kSteps) {
    texts.push_back(RefusalMessage(*step, why));
  }
  return texts;
}

constexpr int kRefusalKinds = static_cast<int>(Refusal::NegativeCount) + 1;

bool IsRefusal(const std::string& text) {
  for (int why = 0; why < kRefusalKinds; ++why) {
    const std::vector<std::string> texts = RefusalsOfKind(static_cast<Refusal>(why));
    if (std::find(texts.begin(), texts.end(), text) != texts.end()) {
      return true;
    }
  }
  return false;
}

struct Coverage {
  int completed[2][2][2] = {};  // [continuous][left turn][second curve]
  int abandoned_by_cancel = 0;
  int abandoned_by_range = 0;
  int reentries = 0;
  int empty_runs = 0;  // continuous runs of count 0
  int long_runs = 0;   // continuous runs of 1000 sections or more
  int step_throughs = 0;
  int printed = 0;
  int print_failures = 0;
  int print_declined = 0;
  std::vector<std::string> messages;  // each message text seen, once
};

// A scripted host that makes up each reply when its prompt comes, knowing from the model which
// prompt must come next and which messages the last reply must have brought.
class RandomUser : public ScriptHost {
 public:
  explicit RandomUser(uint64_t seed) : random_(seed) {}

  Random& random() { return random_; }
  const std::string& problem() const { return problem_; }
  const std::vector<Reply>& replies_given() const { return given_; }

  // Readies the model for a click: Calculate starts with the turn direction; Print asks nothing,
  // and only says so when there is nothing to print.
  void StartCalculate() {
    StartClick();
    expected_next_ = Due{Ask::Value, Step::Turn};
  }

  void StartPrint(bool nothing_to_print) {
    StartClick();
    expected_next_ = std::nullopt;
    if (nothing_to_print) {
      expected_messages_.push_back(message::kNothingToPrint);
    }
  }

  std::optional<std::string> InputBox(const ::Prompt& asked) override {
    CheckMessages({});
    const std::string& prompt = asked.text;
    const std::optional<Due> kind = Classify(prompt);
    if (!kind) {
      Problem("a prompt of no known step: " + prompt);
    } else if (kind != expected_next_) {
      Problem("an unexpected prompt: " + prompt);
    } else if (asked.offered != expected_offered_) {
      Problem("the prompt " + prompt + " offered [" + asked.offered + "]");
    }
    expected_offered_.clear();
    const Reply reply = problem_.empty() && kind ? Answer(*kind) : Reply();
    given_.push_back(reply);
    replies.push_back(reply);
    return ScriptHost::InputBox(asked);
  }

  // After the click: no prompt may still be due, and the messages since the last reply must be
  // the expected ones plus, after a failed printer operation, its message.
  void FinishClick() {
    if (expected_next_) {
      Problem("the click ended while a prompt was due");
    }
    std::vector<std::string> extra;
    for (size_t i = checked_; i < log.size(); ++i) {
      if (log[i].starts_with("PRINTFAIL\t") && failure.kind == PrintStatus::Failed) {
        extra.push_back(message::kPrintFailed + failure.reason);
      }
    }
    CheckMessages(extra);
  }

  bool completed() const { return completed_; }
  bool printing() const { return printing_; }
  bool stepped_through() const { return stepped_through_; }
  const Values& values() const { return values_; }
  const Run& run() const { return run_; }

  void Problem(const std::string& what) {
    if (problem_.empty()) {
      problem_ = what;
    }
  }

  Coverage coverage;

 private:
  void StartClick() {
    log.clear();
    checked_ = 0;
    expected_messages_.clear();
    given_.clear();
    completed_ = printing_ = stepped_through_ = false;
  }

  // Every message since the last check must be the expected one, in order, and one of the
  // program's own texts.
  void CheckMessages(const std::vector<std::string>& extra) {
    std::vector<std::string> shown;
    for (; checked_ < log.size(); ++checked_) {
      if (log[checked_].starts_with("MESSAGE\t")) {
        shown.push_back(log[checked_].substr(8));
      }
    }
    for (const std::string& text : shown) {
      bool known = text.starts_with(message::kPrintFailed) || IsRefusal(text);
      for (const char* own : message::kAll) {
        known = known || text == own;
      }
      if (!known) {
        Problem("a message that is none of the program's: " + text);
      }
      if (std::find(coverage.messages.begin(), coverage.messages.end(), text) ==
          coverage.messages.end()) {
        coverage.messages.push_back(text);
      }
    }
    std::vector<std::string> expected = expected_messages_;
    expected.insert(expected.end(), extra.begin(), extra.end());
    if (shown != expected) {
      std::string what = "messages shown:";
      for (const std::string& text : shown) {
        what += " [" + text + "]";
      }
      what += " expected:";
      for (const std::string& text : expected) {
        what += " [" + text + "]";
      }
      Problem(what);
    }
    expected_messages_.clear();
  }

  Reply Answer(Due prompt) {
    switch (prompt.ask) {
      case Ask::Value:
        return AnswerValue(prompt.step);
      case Ask::Confirm:
        return AnswerConfirm(prompt.step);
      case Ask::Key:
        return AnswerKey();
      case Ask::Output:
        break;
    }
    return AnswerOutput();
  }

  Reply AnswerValue(Step step) {
    if (random_.Chance(0.012)) {
      expected_next_ = std::nullopt;
      ++coverage.abandoned_by_cancel;
      return std::nullopt;
    }
    const std::string reply = random_.Chance(0.08) ? Junk(random_) : ValueText(step);
    const Judgement judgement = Judge(step, reply, values_);
    if (judgement.message) {
      expected_messages_.push_back(
          RefusalMessage(*prompt::kSteps[static_cast<int>(step)], *judgement.message));
      expected_offered_ = reply;
      expected_next_ = Due{Ask::Value, step};
    } else {
      pending_ = judgement.taken;
      expected_next_ = Due{Ask::Confirm, step};
    }
    return reply;
  }

  std::string ValueText(Step step) {
    Random& r = random_;
    switch (step) {
      case Step::Turn: {
        static const double kTurns[] = {1, -1, 2, -3, 0.5, -0.25, 100, -1e10, 1e-3, 7, 0};
        return NumberText(r, r.Pick(kTurns));
      }
      case Step::Position: {
        static const char* const kOthers[] = {"3", "0", "1.5", "-1", "0.99999999", "2.0000001"};
        return r.Chance(0.9) ? NumberText(r, r.Chance(0.5) ? 1 : 2) : r.Pick(kOthers);
      }
      case Step::K1:
        return StationText(r, Typed(r, StationNear(0)));
      case Step::I1:
      case Step::I2:
        return NumberText(r, Slope());
      case Step::K2: {
        if (r.Chance(0.03)) {
          return StationText(r, values_.k1);
        }
        const double length = r.Chance(0.05) ? r.Magnitude(-3, 300) : r.Magnitude(-1, 3);
        return StationText(r, Typed(r, values_.k1 + r.Sign() * length));
      }
      case Step::KI:
        return StationText(r, Typed(r, FirstSection()));
      case Step::Mode: {
        static const char* const kModes[] = {"N", "n", "Y", "y", "N", "Y", "Ｙ", " N", "y ", ""};
        return r.Pick(kModes);
      }
      case Step::DL:
        break;
    }
    return NumberText(r, Interval());
  }

  // A station about `origin`: mostly on a road, sometimes far away or negative.
  double StationNear(double origin) {
    Random& r = random_;
    if (r.Chance(0.01)) {
      return origin + r.Sign() * r.Magnitude(15, 300);
    }
    if (r.Chance(0.07)) {
      return origin + r.Sign() * r.Magnitude(6, 15);
    }
    return origin + (r.Chance(0.1) ? -1 : 1) * r.Uniform(0, 1e6);
  }

  double Slope() {
    Random& r = random_;
    if (r.Chance(0.06)) {
      static const double kHuge[] = {3e38, -3e38, 2e38, 1e38, 3.4e38, 1e30};
      return r.Pick(kHuge);
    }
    if (r.Chance(0.05)) {
      return 0;
    }
    return Typed(r, r.Uniform(-10, 10));
  }

  // Mostly within the transition or close to it; sometimes at its ends or far off.
  double FirstSection() {
    Random& r = random_;
    const double k1 = values_.k1;
    const double k2 = values_.k2;
    const double length = k2 - k1;
    if (r.Chance(0.1)) {
      return r.Chance(0.5) ? k1 : k2;
    }
    if (r.Chance(0.06)) {
      return k1 + r.Sign() * std::fabs(length) * r.Magnitude(1, 16);
    }
    return k1 + length * r.Uniform(-0.2, 1.2);
  }

  // An interval that gives a chosen count: mostly a few sections, sometimes thousands, seldom
  // more than a run may have; or one of the sign or the size a user gets wrong.
  double Interval() {
    Random& r = random_;
    const double span = values_.k2 - values_.ki;
    if (r.Chance(0.05)) {
      static const double kOdd[] = {0, 0.1, -0.1, 12.3, 20, -20, 1e-3, 1e30};
      return r.Pick(kOdd);
    }
    double sections = 0;
    const double size = r.Uniform(0, 1);
    if (size < 0.7) {
      sections = static_cast<double>(r.Below(21));
    } else if (size < 0.93) {
      sections = static_cast<double>(20 + r.Below(300));
    } else if (size < 0.99) {
      sections = static_cast<double>(300 + r.Below(3000));
    } else if (size < 0.995) {
      sections = static_cast<double>(3000 + r.Below(29767));
    } else {
      sections = 32767 + static_cast<double>(r.Below(100000));
    }
    if (span == 0) {
      return Typed(r, r.Sign() * r.Magnitude(-2, 2));
    }
    // Zero sections: an interval longer than the way to K2.
    const double dl = sections == 0 ? span * r.Uniform(1.01, 3) : span / sections;
    return r.Chance(0.7) ? Typed(r, dl) : dl;
  }

  Reply AnswerConfirm(Step step) {
    Random& r = random_;
    Reply reply = std::string();
    const double roll = r.Uniform(0, 1);
    if (roll < 0.08) {
      static const char* const kZeros[] = {"0", " 0", "０", "0.0", "-0", "0e3", "00", "1e-400"};
      reply = r.Pick(kZeros);
    } else if (roll < 0.13) {
      reply = std::nullopt;
    } else if (roll < 0.25) {
      static const char* const kOthers[] = {"1", "ok", "Y", "是", "0.1", "o", "0 0", "0x0", "\t"};
      reply = r.Pick(kOthers);
    }
    const Converted<double> number = reply ? ConvertDouble(*reply) : Converted<double>{};
    if (number.ok() && number.value == 0) {
      ++coverage.reentries;
      expected_next_ = Due{Ask::Value, step};
      return reply;
    }
    values_ = pending_;
    expected_next_ = AfterConfirmed(step);
    return reply;
  }

  std::optional<Due> AfterConfirmed(Step step) {
    switch (step) {
      case Step::Mode:
        if (values_.continuous) {
          return Due{Ask::Value, Step::DL};
        }
        return StartRun() ? std::optional(Due{Ask::Key, Step::Turn}) : std::nullopt;
      case Step::DL:
        return StartRun() ? std::optional(Due{Ask::Output, Step::Turn}) : std::nullopt;
      default:
        return Due{Ask::Value, static_cast<Step>(static_cast<int>(step) + 1)};
    }
  }

  // The run the values make, or the message that abandons the click.
  bool StartRun() {
    std::optional<Run> run = PredictRun(values_);
    if (!run) {
      expected_messages_.push_back(message::kComputationOutOfRange);
      ++coverage.abandoned_by_range;
      return false;
    }
    run_ = std::move(*run);
    completed_ = true;
    keys_left_ = 0;
    return true;
  }

  Reply AnswerKey() {
    if (keys_left_ == 0) {
      expected_next_ = Due{Ask::Output, Step::Turn};  // the key prompt of a single run
    } else if (--keys_left_ == 0) {
      expected_next_ = std::nullopt;
    }
    static const char* const kKeys[] = {"", "", "", "x", "0", " "};
    return random_.Chance(0.1) ? Reply() : Reply(random_.Pick(kKeys));
  }

  Reply AnswerOutput() {
    static const char* const kAnswers[] = {"N", "n",  "N",  "Y", "y",   "",  "",
                                           "",  " Y", "Ｎ", "0", "yes", "n "};
    const Reply reply = random_.Chance(0.1) ? Reply() : Reply(random_.Pick(kAnswers));
    expected_next_ = std::nullopt;
    if (reply == "n" || reply == "N") {
      stepped_through_ = true;
      keys_left_ = run_.computed;
      expected_next_ = Due{Ask::Key, Step::Turn};
    } else if (reply == "y" || reply == "Y") {
      printing_ = true;
    }
    return reply;
  }

  Random random_;
  std::string problem_;
  std::vector<Reply> given_;
  size_t checked_ = 0;  // log lines already looked at
  std::optional<Due> expected_next_;
  std::vector<std::string> expected_messages_;
  std::string expected_offered_;  // the refused reply, offered again at the re-entry prompt
  Values values_;
  Values pending_;  // taken by the step's value prompt, not yet confirmed
  Run run_;
  int keys_left_ = 0;
  bool completed_ = false;
  bool printing_ = false;
  bool stepped_through_ = false;
};

template <class T>
bool SameBits(T a, T b) {
  return std::memcmp(&a, &b, sizeof(T)) == 0;
}

template <class T>
std::string TableDifference(const char* name, const std::vector<T>& expected,
                            const std::vector<T>& actual) {
  if (expected.size() != actual.size()) {
    return std::string(name) + " has " + std::to_string(actual.size()) + " slots, not " +
           std::to_string(expected.size());
  }
  for (size_t i = 0; i < expected.size(); ++i) {
    if (!SameBits(expected[i], actual[i])) {
      return std::string(name) + "[" + std::to_string(i) + "] is " + ExactText(actual[i]) +
             ", not " + ExactText(expected[i]);
    }
  }
  return {};
}

// The first field of two records that differs, to the bit, or empty when none does.
std::string RecordDifference(const CalcRecord& expected, const CalcRecord& actual) {
  const std::vector<std::string> want = RecordLines(expected);
  const std::vector<std::string> have = RecordLines(actual);
  if (want.front() != have.front()) {
    return "record " + have.front() + ", expected " + want.front();
  }
  for (std::string difference :
       {TableDifference("Stations", expected.Stations, actual.Stations),
        TableDifference("LeftSlopes", expected.LeftSlopes, actual.LeftSlopes),
        TableDifference("RightSlopes", expected.RightSlopes, actual.RightSlopes)}) {
    if (!difference.empty()) {
      return difference;
    }
  }
  // %.9g and %.17g tell every value apart except the sign of a zero.
  if (!SameBits(expected.I1, actual.I1) || !SameBits(expected.I2, actual.I2) ||
      !SameBits(expected.K1, actual.K1) || !SameBits(expected.K2, actual.K2) ||
      !SameBits(expected.DL, actual.DL)) {
    return "record differs in the sign of a zero";
  }
  return {};
}

using Fields = std::array<std::string, 11>;

std::string FieldDifference(const Fields& expected, const Fields& actual) {
  for (size_t i = 0; i < expected.size(); ++i) {
    if (expected[i] != actual[i]) {
      return "Text" + std::to_string(i + 1) + " shows [" + actual[i] + "], expected [" +
             expected[i] + "]";
    }
  }
  return {};
}

// The record and fields a completed click must leave, from the values of its dialogue.
void ExpectCompleted(RandomUser& user, const CalcRecord& before, const Fields& fields_before,
                     const CalcRecord& after) {
  const Values& v = user.values();
  const Run& run = user.run();
  CalcRecord expected = before;
  expected.SectionCount = static_cast<int16_t>(v.continuous ? v.count : 1);
  expected.K1 = v.k1;
  expected.K2 = v.k2;
  expected.I1 = v.i1;
  expected.I2 = v.i2;
  expected.L = static_cast<float>(std::fabs(v.k2 - v.k1));
  if (v.continuous) {
    expected.DL = v.dl;
  }
  expected.Stations = run.stations;
  expected.LeftSlopes = run.left;
  expected.RightSlopes = run.right;
  expected.TurnDirection = v.turn;
  expected.CurvePosition = v.position;
  expected.ComputedSections = run.computed;
  if (user.printing()) {
    expected.CaseText = after.CaseText;  // checked with the report below
  }
  if (const std::string difference = RecordDifference(expected, after); !difference.empty()) {
    user.Problem(difference);
  }

  Fields fields = fields_before;
  auto set = [&](TextField field, std::string text) {
    fields[static_cast<size_t>(field) - 1] = std::move(text);
  };
  set(TextField::Text1, FormatStation(v.k1));
  set(TextField::Text2, FormatStation(v.k2));
  set(TextField::Text3, SlopeText(v.i1));
  set(TextField::Text4, SlopeText(v.i2));
  set(TextField::Text5, MetresText(expected.L));
  set(TextField::Text9, v.continuous ? MetresText(v.dl) : "单点计算");
  set(TextField::Text10, FormatStation(v.ki));
  const int shown = user.stepped_through() ? run.computed : v.continuous ? 0 : 1;
  if (shown > 0) {
    set(TextField::Text6, FormatStation(run.stations[shown]));
    set(TextField::Text7, SlopeText(run.left[shown], user.stepped_through() ? "%" : " %"));
    set(TextField::Text8, MetresText(run.stations[shown] - v.k1));
    set(TextField::Text11, SlopeText(run.right[shown]));
  }
  if (const std::string difference = FieldDifference(fields, user.fields); !difference.empty()) {
    user.Problem(difference);
  }
}

// A print, from the Print button or the output answer Y: the report is complete and CaseText
// set, or a failed printer operation was told and the record kept as it was.
void ExpectPrinted(RandomUser& user, const CalcRecord& computed, const CalcRecord& after) {
  bool failed = false;
  int rows = 0;
  bool ended = false;
  for (const std::string& line : user.log) {
    failed = failed || line.starts_with("PRINTFAIL\t");
    rows += line.starts_with("LINE") ? 1 : 0;
    ended = ended || line == "ENDDOC";
  }
  if (failed) {
    ++(user.failure.kind == PrintStatus::Failed ? user.coverage.print_failures
                                                : user.coverage.print_declined);
    if (after.CaseText != computed.CaseText) {
      user.Problem("a failed print changed CaseText");
    }
    return;
  }
  ++user.coverage.printed;
  if (!ended || rows < computed.ComputedSections || after.CaseText.empty()) {
    user.Problem("an incomplete report: " + std::to_string(rows) + " lines for " +
                 std::to_string(computed.ComputedSections) + " sections");
  }
  CalcRecord expected = computed;
  expected.CaseText = after.CaseText;
  if (!(expected == after)) {
    user.Problem("printing changed the record beyond CaseText");
  }
}

// What to run again to see a failure: the clicks since the record was new, as the replay tool
// takes them (ESC for Cancel).
struct Transcript {
  std::vector<std::string> clicks;
  std::string replies;

  void Add(const char* click, const std::vector<Reply>& given) {
    clicks.emplace_back(click);
    for (const Reply& reply : given) {
      replies += reply ? *reply : "\x1b";
      replies += '\n';
    }
  }

  std::string Text() const {
    std::string text = "calc_replay";
    for (const std::string& click : clicks) {
      text += ' ' + click;
    }
    return text + " <<'EOF'\n" + replies + "EOF";
  }
};

// Runs one click and reports whether anything escaped as an exception.
template <class Click>
bool RunsWithoutException(RandomUser& user, Click click) {
  try {
    click();
    return true;
  } catch (const std::exception& error) {
    user.Problem(std::string("an exception escaped: ") + error.what());
  } catch (...) {
    user.Problem("an exception escaped");
  }
  return false;
}

void CalculateClick(RandomUser& user, CalcRecord& record) {
  const CalcRecord before = record;
  const Fields fields_before = user.fields;
  user.StartCalculate();
  if (!RunsWithoutException(user, [&] { RunCalculateCommand(record, user); })) {
    return;
  }
  user.FinishClick();
  if (!user.completed()) {
    if (const std::string difference = RecordDifference(before, record); !difference.empty()) {
      user.Problem("an abandoned click changed the " + difference);
    }
    if (const std::string difference = FieldDifference(fields_before, user.fields);
        !difference.empty()) {
      user.Problem("an abandoned click changed the fields: " + difference);
    }
    return;
  }
  ExpectCompleted(user, before, fields_before, record);
  const Values& v = user.values();
  ++user.coverage.completed[v.continuous][v.turn < 0][v.position == 2];
  user.coverage.empty_runs += v.continuous && v.count == 0;
  user.coverage.long_runs += v.continuous && v.count >= 1000;
  user.coverage.step_throughs += user.stepped_through();
  if (user.printing()) {
    CalcRecord computed = record;
    computed.CaseText = before.CaseText;
    ExpectPrinted(user, computed, record);
  }
}

void PrintClick(RandomUser& user, CalcRecord& record) {
  const CalcRecord before = record;
  const Fields fields_before = user.fields;
  user.StartPrint(before.ComputedSections == 0);
  if (!RunsWithoutException(user, [&] { RunPrintCommand(record, user); })) {
    return;
  }
  if (before.ComputedSections == 0) {
    // Nothing to print: the message, and no printer operation at all.
    user.FinishClick();
    const bool only_message =
        user.log.size() == 1 && user.log[0] == std::string("MESSAGE\t") + message::kNothingToPrint;
    if (!only_message || !(before == record)) {
      user.Problem("Print before any calculation did more than say so");
    }
    return;
  }
  user.FinishClick();
  ExpectPrinted(user, before, record);
  if (user.fields != fields_before) {
    user.Problem("Print changed a field");
  }
}

constexpr const char* kPaperOut = "打印机缺纸";

TEST(RandomDialogue, EveryClickIsAbandonedWhollyOrCompletesASoundCalculation) {
  constexpr uint64_t kSeed = 20240611;
  constexpr int kClicks = 20000;
  RandomUser user(kSeed);
  Random& random = user.random();

  CalcRecord record;
  Transcript transcript;
  for (int click = 0; click < kClicks; ++click) {
    // Now and then the program starts afresh: an empty record, empty fields.
    if (random.Chance(0.03)) {
      record = CalcRecord();
      user.fields = {};
      transcript = Transcript();
    }
    // Some printer operations fail, as a printer out of paper does, or the user declines to
    // print at the printer's own dialog.
    user.failing_print_operation =
        random.Chance(0.3) ? user.print_operations + static_cast<int>(random.Below(40)) : -1;
    user.failure = random.Chance(0.7) ? PrintStatus{PrintStatus::Failed, kPaperOut}
                                      : PrintStatus{PrintStatus::Declined, ""};
    const bool print = random.Chance(0.2);
    if (print) {
      PrintClick(user, record);
    } else {
      CalculateClick(user, record);
    }
    transcript.Add(print ? "print" : "calculate", user.replies_given());
    if (!user.problem().empty()) {
      FAIL() << "click " << click << " (seed " << kSeed << "): " << user.problem()
             << "\nto see it again:\n"
             << transcript.Text();
    }
  }

  // The replies reached every part of the dialogue, often.
  const Coverage& seen = user.coverage;
  for (int continuous = 0; continuous < 2; ++continuous) {
    for (int left = 0; left < 2; ++left) {
      for (int second = 0; second < 2; ++second) {
        EXPECT_LE(100, seen.completed[continuous][left][second])
            << "continuous " << continuous << ", left turn " << left << ", second curve " << second;
      }
    }
  }
  EXPECT_LE(100, seen.abandoned_by_cancel);
  EXPECT_LE(20, seen.abandoned_by_range);
  EXPECT_LE(1000, seen.reentries);
  EXPECT_LE(50, seen.empty_runs);
  EXPECT_LE(10, seen.long_runs);
  EXPECT_LE(500, seen.step_throughs);
  EXPECT_LE(500, seen.printed);
  EXPECT_LE(100, seen.print_failures);
  EXPECT_LE(30, seen.print_declined);
  for (const char* text : message::kAll) {
    EXPECT_NE(seen.messages.end(), std::find(seen.messages.begin(), seen.messages.end(), text))
        << "never shown: " << text;
  }
  EXPECT_NE(seen.messages.end(), std::find(seen.messages.begin(), seen.messages.end(),
                                           std::string(message::kPrintFailed) + kPaperOut));
  for (int why = 0; why < kRefusalKinds; ++why) {
    const std::vector<std::string> texts = RefusalsOfKind(static_cast<Refusal>(why));
    EXPECT_TRUE(std::find_first_of(seen.messages.begin(), seen.messages.end(), texts.begin(),
                                   texts.end()) != seen.messages.end())
        << "no refusal of kind " << why;
  }
}

}  // namespace
