// Builds the cross-slope diagram from the record: curves on the formula, ranges, ticks, texts.
#include "output/diagram_model.h"

#include <algorithm>
#include <cmath>

#include "calc/section_slopes.h"
#include "entry/number_text.h"
#include "entry/station_notation.h"

namespace {

// Each curve has about this many intervals over the whole station axis (some 2 device pixels
// each at 2× of a 672 px wide plot), and never fewer than these on the transition itself and on
// each stretch beside it.
constexpr int kCurveIntervals = 640;
constexpr int kMinTransitionIntervals = 256;
constexpr int kMinOutsideIntervals = 16;
constexpr int kMaxTicks = 10;
// The station axis reaches this share of the covered stations beyond each end.
constexpr double kStationMargin = 0.04;
// Zero crossings are narrowed down far below the millimetre of their label.
constexpr double kZeroTolerance = 1e-7;

enum class Side { Left, Right };

bool HasFormula(const CalcRecord& record) {
  return (record.TurnDirection > 0 || record.TurnDirection < 0) &&
         (record.CurvePosition == 1.0f || record.CurvePosition == 2.0f) && record.L != 0;
}

SectionSlopes SlopesAt(const CalcRecord& record, double station) {
  return ComputeSectionSlopes(record.TurnDirection, record.CurvePosition, record.K1, record.L,
                              record.I1, record.I2, station);
}

float EdgeAt(const CalcRecord& record, Side side, double station) {
  const SectionSlopes slopes = SlopesAt(record, station);
  return side == Side::Left ? slopes.left : slopes.right;
}

int Sign(float value) {
  return (value > 0) - (value < 0);
}

// A round step m·10^e (m = 1, 2, 5) and the exact tick values it gives.
struct RoundStep {
  int mantissa = 1;
  int exponent = 0;

  double step() const { return Value(1); }
  // k steps, computed so that 3 steps of 0.1 are 0.3 and not 0.30000000000000004.
  double Value(double k) const {
    return exponent >= 0 ? k * mantissa * std::pow(10.0, exponent)
                         : k * mantissa / std::pow(10.0, -exponent);
  }
  int Decimals() const { return std::max(0, -exponent); }
};

// The smallest round step that gives at most kMaxTicks ticks: between lo and hi when `inside`,
// otherwise on the round limits that enclose lo and hi.
RoundStep ChooseStep(double lo, double hi, bool inside) {
  const double span = hi - lo;
  RoundStep candidate{1, static_cast<int>(std::floor(std::log10(span / kMaxTicks))) - 1};
  for (;;) {
    const double step = candidate.step();
    const double count = inside ? std::floor(hi / step) - std::ceil(lo / step) + 1
                                : std::ceil(hi / step) - std::floor(lo / step) + 1;
    if (count <= kMaxTicks) {
      return candidate;
    }
    if (candidate.mantissa == 1) {
      candidate.mantissa = 2;
    } else if (candidate.mantissa == 2) {
      candidate.mantissa = 5;
    } else {
      candidate = {1, candidate.exponent + 1};
    }
  }
}

template <class Label>
std::vector<DiagramTick> Ticks(const RoundStep& step, double first, double last, Label label) {
  std::vector<DiagramTick> ticks;
  for (double k = first; k <= last; ++k) {
    const double value = step.Value(k);
    ticks.push_back({value, label(value)});
  }
  return ticks;
}

// The stations of one stretch of a curve, both ends included, ends exact.
void AppendStations(std::vector<double>& stations, double from, double to, int intervals) {
  for (int k = 0; k <= intervals; ++k) {
    const double station = k == intervals ? to : from + (to - from) * k / intervals;
    if (stations.empty() || station > stations.back()) {
      stations.push_back(station);
    }
  }
}

int Intervals(double width, double span, int minimum) {
  return std::max(minimum, static_cast<int>(std::ceil(kCurveIntervals * width / span)));
}

// The first station after `before` (whose slope has sign `sign`) and up to `after` where the
// edge's slope no longer has that sign.
double NarrowDownZero(const CalcRecord& record, Side side, double before, double after, int sign) {
  while (after - before > kZeroTolerance) {
    const double middle = before + (after - before) / 2;
    if (middle <= before || middle >= after) {
      break;
    }
    if (Sign(EdgeAt(record, side, middle)) == sign) {
      before = middle;
    } else {
      after = middle;
    }
  }
  return after;
}

// Every station of the transition where the edge reaches 0 % coming from either side, found on
// the samples from `first` to `last` (the transition) and narrowed down on the formula. An edge
// that lies on 0 % all along has none.
std::vector<DiagramZero> Zeros(const CalcRecord& record, Side side,
                               const std::vector<DiagramSample>& samples, size_t first,
                               size_t last) {
  std::vector<DiagramZero> zeros;
  const auto transition_begin = samples.begin() + static_cast<std::ptrdiff_t>(first);
  const auto transition_end = samples.begin() + static_cast<std::ptrdiff_t>(last) + 1;
  if (std::all_of(transition_begin, transition_end,
                  [](const DiagramSample& sample) { return sample.slope == 0; })) {
    return zeros;
  }
  const auto add = [&](double station) {
    zeros.push_back({station, "0 % " + FormatStation(station, "K")});
  };
  int sign = Sign(samples[first].slope);
  if (sign == 0) {
    add(samples[first].station);
  }
  for (size_t i = first + 1; i <= last; ++i) {
    const int next = Sign(samples[i].slope);
    if (sign != 0 && next != sign) {
      add(NarrowDownZero(record, side, samples[i - 1].station, samples[i].station, sign));
    }
    sign = next;
  }
  return zeros;
}

// D of each edge: the rising edge blends by I2 − I1, the falling one by I2 + I1, both rounded to
// float as the formula rounds them.
struct EdgeDifferences {
  float left = 0;
  float right = 0;
};

EdgeDifferences Differences(const CalcRecord& record) {
  if (!HasFormula(record)) {
    return {};
  }
  const float rising = record.I2 - record.I1;
  const float falling = record.I2 + record.I1;
  return record.TurnDirection > 0 ? EdgeDifferences{rising, falling}
                                  : EdgeDifferences{falling, rising};
}

// The station between K1 and K2 where the blend x²(3 − 2x) changes fastest and the size of its
// derivative 6x(1 − x) there. Along increasing stationing x runs from 0 to 1 and the steepest
// point is the middle; along decreasing stationing x runs from 0 to −1 and it is K2.
struct SteepestBlend {
  double station = 0;
  double slope = 0;  // |d blend / dx|
};

SteepestBlend SteepestOfBlend(const CalcRecord& record) {
  if (!HasFormula(record)) {
    return {record.K1 + (record.K2 - record.K1) / 2, 0};
  }
  const double length = record.L;
  const double x_end = (record.K2 - record.K1) / length;
  const auto derivative = [](double x) { return std::fabs(6 * x * (1 - x)); };
  SteepestBlend best{record.K1, derivative(0)};
  const auto consider = [&](double x, double station) {
    if (derivative(x) > best.slope) {
      best = {station, derivative(x)};
    }
  };
  if (std::min(0.0, x_end) < 0.5 && 0.5 < std::max(0.0, x_end)) {
    consider(0.5, record.K1 + 0.5 * length);
  }
  consider(x_end, record.K2);
  return best;
}

std::string RateText(double rate) {
  return FormatFixed(rate, 3) + " %/m";
}

void AddMark(DiagramModel& model, const CalcRecord& record, int section) {
  model.marks.push_back(
      {section, record.Stations[section], record.LeftSlopes[section], record.RightSlopes[section]});
}

}  // namespace

DiagramModel BuildDiagram(const CalcRecord& record, int shown_section) {
  DiagramModel model;
  const int sections = record.ComputedSections;
  if (sections <= 0) {
    return model;
  }
  model.empty = false;
  model.k1 = record.K1;
  model.k2 = record.K2;
  model.left.legend = "左侧 Ip(L)";
  model.right.legend = "右侧 Ip(R)";

  // The station axis: K1, K2 and every computed section, and a little beyond.
  const double transition_from = std::min(record.K1, record.K2);
  const double transition_to = std::max(record.K1, record.K2);
  double covered_from = transition_from;
  double covered_to = transition_to;
  float lowest = 0;
  float highest = 0;
  for (int i = 1; i <= sections; ++i) {
    covered_from = std::min(covered_from, record.Stations[i]);
    covered_to = std::max(covered_to, record.Stations[i]);
    lowest = std::min({lowest, record.LeftSlopes[i], record.RightSlopes[i]});
    highest = std::max({highest, record.LeftSlopes[i], record.RightSlopes[i]});
  }
  const double covered = covered_to - covered_from;
  const double margin = covered > 0 ? covered * kStationMargin : 1;
  model.station_min = covered_from - margin;
  model.station_max = covered_to + margin;

  // The curves: the transition densely, the stretches beside it as wide as they are.
  const double span = model.station_max - model.station_min;
  std::vector<double> stations;
  stations.reserve(kCurveIntervals + kMinTransitionIntervals + 2 * kMinOutsideIntervals + 3);
  AppendStations(stations, model.station_min, transition_from,
                 Intervals(transition_from - model.station_min, span, kMinOutsideIntervals));
  AppendStations(stations, transition_from, transition_to,
                 Intervals(transition_to - transition_from, span, kMinTransitionIntervals));
  AppendStations(stations, transition_to, model.station_max,
                 Intervals(model.station_max - transition_to, span, kMinOutsideIntervals));
  model.left.samples.reserve(stations.size());
  model.right.samples.reserve(stations.size());
  size_t transition_first = 0;
  size_t transition_last = 0;
  for (const double station : stations) {
    const SectionSlopes slopes = SlopesAt(record, station);
    // Far beyond the transition the unclamped cubic can leave single precision: no point there.
    if (slopes.failure != SlopeFailure::None) {
      continue;
    }
    if (station <= transition_from) {
      transition_first = model.left.samples.size();
    }
    if (station <= transition_to) {
      transition_last = model.left.samples.size();
    }
    model.left.samples.push_back({station, slopes.left});
    model.right.samples.push_back({station, slopes.right});
    lowest = std::min({lowest, slopes.left, slopes.right});
    highest = std::max({highest, slopes.left, slopes.right});
  }

  // The slope axis: 0, the case's levels, every computed slope and the curves, on round limits.
  double slope_lo = lowest;
  double slope_hi = highest;
  if (HasFormula(record)) {
    for (const float level : {record.I1, record.I2, -record.I2}) {
      slope_lo = std::min(slope_lo, static_cast<double>(level));
      slope_hi = std::max(slope_hi, static_cast<double>(level));
    }
  }
  if (slope_lo == slope_hi) {
    slope_lo -= 1;
    slope_hi += 1;
  }
  const RoundStep slope_step = ChooseStep(slope_lo, slope_hi, false);
  const double slope_first = std::floor(slope_lo / slope_step.step());
  const double slope_last = std::ceil(slope_hi / slope_step.step());
  model.slope_min = slope_step.Value(slope_first);
  model.slope_max = slope_step.Value(slope_last);
  model.slope_ticks = Ticks(slope_step, slope_first, slope_last, [&](double value) {
    return FormatFixed(value, std::max(1, slope_step.Decimals()));
  });

  const RoundStep station_step = ChooseStep(model.station_min, model.station_max, true);
  model.station_ticks =
      Ticks(station_step, std::ceil(model.station_min / station_step.step()),
            std::floor(model.station_max / station_step.step()),
            [&](double value) { return FormatStation(value, "K", station_step.Decimals()); });

  // Zeros and steepest parts, on the transition only.
  if (!model.left.samples.empty()) {
    model.left.zeros =
        Zeros(record, Side::Left, model.left.samples, transition_first, transition_last);
    model.right.zeros =
        Zeros(record, Side::Right, model.right.samples, transition_first, transition_last);
  }
  const EdgeDifferences differences = Differences(record);
  const SteepestBlend blend = SteepestOfBlend(record);
  const auto rate = [&](float difference) {
    return HasFormula(record) ? std::fabs(difference) * blend.slope / record.L : 0.0;
  };
  model.left.steepest = {blend.station, rate(differences.left)};
  model.right.steepest = {blend.station, rate(differences.right)};
  model.steepest_text = "最大横坡变化率：左 " + RateText(model.left.steepest.rate) + "，右 " +
                        RateText(model.right.steepest.rate) + "（" +
                        FormatStation(blend.station, "K") + "）";

  // The sections.
  const bool shown = shown_section >= 1 && shown_section <= sections;
  if (sections <= kMaxSectionMarks) {
    model.marks.reserve(static_cast<size_t>(sections));
    for (int i = 1; i <= sections; ++i) {
      AddMark(model, record, i);
    }
  } else {
    model.band = DiagramSectionBand{record.Stations[1], record.Stations[sections]};
    AddMark(model, record, 1);
    if (shown && shown_section != 1 && shown_section != sections) {
      AddMark(model, record, shown_section);
    }
    AddMark(model, record, sections);
  }
  if (shown) {
    const float left = record.LeftSlopes[shown_section];
    const float right = record.RightSlopes[shown_section];
    model.shown = DiagramShownSection{shown_section,
                                      record.Stations[shown_section],
                                      left,
                                      right,
                                      FormatStation(record.Stations[shown_section], "K"),
                                      FormatFixed(left, 3) + " %",
                                      FormatFixed(right, 3) + " %"};
  }
  return model;
}
