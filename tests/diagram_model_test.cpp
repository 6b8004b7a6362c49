// The diagram model: curves on the formula's own floats, zeros and steepest parts of the edges,
// ranges, ticks, section marks and the shown section.
#include "output/diagram_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

#include "app/calculate_command.h"
#include "calc/section_slopes.h"
#include "tools/script_host.h"

namespace {

struct Transition {
  float turn = 1;
  float position = 1;
  double k1 = 100;
  double k2 = 160;
  float i1 = 2;
  float i2 = 6;
};

// A record as a run over `stations` leaves it, slopes by the formula.
CalcRecord Record(const Transition& t, const std::vector<double>& stations) {
  CalcRecord record;
  record.TurnDirection = t.turn;
  record.CurvePosition = t.position;
  record.K1 = t.k1;
  record.K2 = t.k2;
  record.I1 = t.i1;
  record.I2 = t.i2;
  record.L = static_cast<float>(std::fabs(t.k2 - t.k1));
  const int sections = static_cast<int>(stations.size());
  record.SectionCount = static_cast<int16_t>(sections - 1);
  record.ComputedSections = sections;
  record.Stations.assign(sections + 1, stations.front());
  record.LeftSlopes.assign(sections + 1, 0);
  record.RightSlopes.assign(sections + 1, 0);
  for (int i = 1; i <= sections; ++i) {
    const SectionSlopes s =
        ComputeSectionSlopes(t.turn, t.position, t.k1, record.L, t.i1, t.i2, stations[i - 1]);
    record.Stations[i] = stations[i - 1];
    record.LeftSlopes[i] = s.left;
    record.RightSlopes[i] = s.right;
  }
  return record;
}

// Sections from `from` by `step`, `count` of them.
std::vector<double> Stations(double from, double step, int count) {
  std::vector<double> stations;
  for (int i = 0; i < count; ++i) {
    stations.push_back(from + step * i);
  }
  return stations;
}

// The example: right turn, first transition curve, K1 100, K2 160, I1 2, I2 6, by 10 m.
CalcRecord Example() {
  return Record({}, Stations(100, 10, 7));
}

// x with x²(3 − 2x) = blend between x_from and x_to, worked out by the trigonometric solution of
// the cubic: x = 1/2 + cos φ with cos 3φ = 1 − 2·blend.
double BlendRoot(double blend, double x_from, double x_to) {
  for (int k = 0; k < 3; ++k) {
    const double x = 0.5 + std::cos((std::acos(1 - 2 * blend) + 2 * std::numbers::pi * k) / 3);
    if (x >= std::min(x_from, x_to) - 1e-9 && x <= std::max(x_from, x_to) + 1e-9) {
      return x;
    }
  }
  ADD_FAILURE() << "no root for blend " << blend;
  return NAN;
}

std::uint32_t Bits(float value) {
  return std::bit_cast<std::uint32_t>(value);
}

TEST(DiagramModel, NoCalculationGivesTheHintOnly) {
  const DiagramModel model = BuildDiagram(CalcRecord(), 0);
  EXPECT_TRUE(model.empty);
  EXPECT_EQ("单击“计 算”开始计算，横坡示意图将显示在这里", model.hint);
  EXPECT_EQ(std::string(kDiagramHint), model.hint);
  EXPECT_TRUE(model.left.samples.empty());
  EXPECT_TRUE(model.marks.empty());
  EXPECT_FALSE(model.shown);
  EXPECT_FALSE(BuildDiagram(Example(), 0).empty);
}

struct CurveCase {
  const char* name;
  Transition transition;
  std::vector<double> stations;
};

class DiagramCurves : public testing::TestWithParam<CurveCase> {};

TEST_P(DiagramCurves, SamplesAreTheFormulasFloatsAcrossTheWholeAxis) {
  const CurveCase& c = GetParam();
  const Transition& t = c.transition;
  const CalcRecord record = Record(t, c.stations);
  const DiagramModel model = BuildDiagram(record, 0);
  const double from = std::min(t.k1, t.k2);
  const double to = std::max(t.k1, t.k2);
  for (const DiagramEdge* edge : {&model.left, &model.right}) {
    const std::vector<DiagramSample>& samples = edge->samples;
    ASSERT_FALSE(samples.empty());
    EXPECT_EQ(model.station_min, samples.front().station);
    EXPECT_EQ(model.station_max, samples.back().station);
    int on_transition = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
      const SectionSlopes s =
          ComputeSectionSlopes(t.turn, t.position, t.k1, record.L, t.i1, t.i2, samples[i].station);
      const float expected = edge == &model.left ? s.left : s.right;
      ASSERT_EQ(Bits(expected), Bits(samples[i].slope)) << "at " << samples[i].station;
      if (i > 0) {
        ASSERT_LT(samples[i - 1].station, samples[i].station);
        // Some 2 device pixels at 2× of a 600 px plot: smooth.
        ASSERT_LE(samples[i].station - samples[i - 1].station,
                  (model.station_max - model.station_min) / 600);
      }
      on_transition += samples[i].station >= from && samples[i].station <= to;
    }
    EXPECT_GE(on_transition, 200);
    const auto at = [&](double station) {
      return std::any_of(samples.begin(), samples.end(),
                         [&](const DiagramSample& s) { return s.station == station; });
    };
    EXPECT_TRUE(at(t.k1));
    EXPECT_TRUE(at(t.k2));
    EXPECT_LT(samples.front().station, from);
    EXPECT_GT(samples.back().station, to);
  }
}

TEST_P(DiagramCurves, RangesCoverTheTransitionEverySectionAndTheCaseLevels) {
  const CurveCase& c = GetParam();
  const Transition& t = c.transition;
  const CalcRecord record = Record(t, c.stations);
  const DiagramModel model = BuildDiagram(record, 0);
  EXPECT_LT(model.station_min, std::min(t.k1, t.k2));
  EXPECT_GT(model.station_max, std::max(t.k1, t.k2));
  const double covered = std::max({t.k1, t.k2, c.stations.front(), c.stations.back()}) -
                         std::min({t.k1, t.k2, c.stations.front(), c.stations.back()});
  EXPECT_LE(model.station_max - model.station_min, 1.2 * covered);
  std::vector<double> levels = {0};
  const bool formula = t.turn != 0 && (t.position == 1 || t.position == 2);
  if (formula) {
    levels.insert(levels.end(), {t.i1, t.i2, -t.i2});
  }
  for (int i = 1; i <= record.ComputedSections; ++i) {
    EXPECT_LT(model.station_min, record.Stations[i]);
    EXPECT_GT(model.station_max, record.Stations[i]);
    levels.push_back(record.LeftSlopes[i]);
    levels.push_back(record.RightSlopes[i]);
  }
  for (const DiagramEdge* edge : {&model.left, &model.right}) {
    for (const DiagramSample& sample : edge->samples) {
      levels.push_back(sample.slope);
    }
  }
  for (const double level : levels) {
    EXPECT_LE(model.slope_min, level);
    EXPECT_GE(model.slope_max, level);
  }
  // Round limits: they are the outer slope ticks.
  ASSERT_FALSE(model.slope_ticks.empty());
  EXPECT_EQ(model.slope_min, model.slope_ticks.front().value);
  EXPECT_EQ(model.slope_max, model.slope_ticks.back().value);
}

TEST_P(DiagramCurves, TicksAreRoundEvenlySpacedAndInside) {
  const CurveCase& c = GetParam();
  const DiagramModel model = BuildDiagram(Record(c.transition, c.stations), 0);
  const auto check = [](const std::vector<DiagramTick>& ticks, double lo, double hi) {
    ASSERT_GE(ticks.size(), 4u);
    EXPECT_LE(ticks.size(), 10u);
    const double step = ticks[1].value - ticks[0].value;
    const double power = std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    const double mantissa = step / power;
    EXPECT_TRUE(std::fabs(mantissa - 1) < 1e-9 || std::fabs(mantissa - 2) < 1e-9 ||
                std::fabs(mantissa - 5) < 1e-9)
        << "step " << step;
    for (size_t i = 0; i < ticks.size(); ++i) {
      EXPECT_NEAR(0, std::remainder(ticks[i].value, step), step * 1e-9);
      EXPECT_NEAR(ticks[0].value + step * i, ticks[i].value, step * 1e-9);
      EXPECT_LE(lo, ticks[i].value);
      EXPECT_GE(hi, ticks[i].value);
    }
  };
  check(model.station_ticks, model.station_min, model.station_max);
  check(model.slope_ticks, model.slope_min, model.slope_max);
  // Five to ten ticks along the stations, so that one step more would be too many.
  EXPECT_GE(model.station_ticks.size(), 5u);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiagramCurves,
    testing::Values(
        CurveCase{"Example", {}, Stations(100, 10, 7)},
        CurveCase{"LeftTurnSecondCurve", {-1, 2, 100, 160, -1.5f, 6}, Stations(100, 15, 5)},
        CurveCase{"SectionsBeyondBothEnds", {}, Stations(40, 10, 20)},
        CurveCase{"ReversedStationing", {1, 1, 160, 100, 2, 6}, Stations(160, -10, 7)},
        CurveCase{"SingleSectionInside", {1, 2, 1000, 1250, 2, 8}, {1111.111}},
        CurveCase{"LongTransitionFarStations",
                  {-1, 1, 12345.678, 12945.678, 1.5f, 4},
                  Stations(12345.678, 20, 31)},
        CurveCase{"SmallSlopes", {1, 1, 0, 80, 0.1f, 0.3f}, Stations(0, 20, 5)},
        CurveCase{"NoFormulaTurnZero", {0, 1, 100, 160, 2, 6}, Stations(100, 15, 5)},
        CurveCase{"NoFormulaPositionThree", {1, 3, 100, 160, 2, 6}, Stations(100, 15, 5)}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramModel, SectionsBeyondTheEndsAreDrawnOnTheUnclampedCubic) {
  // Sections from 40 to 230: x from −1 to 13/6, the cubic far beyond I2 there.
  const CalcRecord record = Record({}, Stations(40, 10, 20));
  const DiagramModel model = BuildDiagram(record, 0);
  EXPECT_LT(model.station_min, 40);
  EXPECT_GT(model.station_min, 40 - 0.1 * 190);  // a small margin
  EXPECT_GT(model.station_max, 230);
  EXPECT_LT(model.station_max, 230 + 0.1 * 190);
  // At 230 the left edge is 2 + 4·b and the right edge 2 − 8·b with b = x²(3 − 2x) < 0.
  EXPECT_GT(record.RightSlopes[20], 6);
  EXPECT_LE(record.RightSlopes[20], model.slope_max);
  EXPECT_GE(record.LeftSlopes[20], model.slope_min);
  EXPECT_LT(model.slope_min, -6);
}

struct ZeroCase {
  const char* name;
  Transition transition;
  std::vector<double> left_blends;  // blends at which the edge is 0 %
  std::vector<double> right_blends;
};

class DiagramZeros : public testing::TestWithParam<ZeroCase> {};

TEST_P(DiagramZeros, EveryZeroOfTheTransitionToTheMillimetre) {
  const ZeroCase& c = GetParam();
  const Transition& t = c.transition;
  const DiagramModel model = BuildDiagram(Record(t, {t.k1, t.k2}), 0);
  const double l = std::fabs(t.k2 - t.k1);
  const double x_end = (t.k2 - t.k1) / l;
  const auto check = [&](const std::vector<double>& blends, const DiagramEdge& edge) {
    ASSERT_EQ(blends.size(), edge.zeros.size());
    for (size_t i = 0; i < blends.size(); ++i) {
      const double expected = t.k1 + l * BlendRoot(blends[i], 0, x_end);
      EXPECT_NEAR(expected, edge.zeros[i].station, 0.0005);
      EXPECT_GE(edge.zeros[i].station, std::min(t.k1, t.k2));
      EXPECT_LE(edge.zeros[i].station, std::max(t.k1, t.k2));
    }
  };
  check(c.left_blends, model.left);
  check(c.right_blends, model.right);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiagramZeros,
    testing::Values(
        // 2 − 8b on the right: b = 1/4; 2 + 4b on the left never reaches 0.
        ZeroCase{"Example", {}, {}, {0.25}},
        ZeroCase{"LeftTurn", {-1, 1, 100, 160, 2, 6}, {0.25}, {}},
        // −6 + 8b on the right: b = 3/4.
        ZeroCase{"SecondCurve", {1, 2, 100, 160, 2, 6}, {}, {0.75}},
        // A crowned start: −2 + 8b on the left, −2 − 4b on the right.
        ZeroCase{"CrownedStart", {1, 1, 100, 160, -2, 6}, {0.25}, {}},
        // Both edges start exactly on 0 %.
        ZeroCase{"ExactZeroAtK1", {1, 1, 100, 160, 0, 6}, {0}, {0}},
        // I1 = I2 = 0: both edges lie on 0 % all along and pass through it nowhere.
        ZeroCase{"FlatEdgeOnZero", {1, 1, 100, 160, 0, 0}, {}, {}},
        // x runs from 0 to −1: 2 − 8b on the right reaches 0 at b = 1/4, x < 0.
        ZeroCase{"ReversedStationing", {1, 1, 160, 100, 2, 6}, {}, {0.25}},
        ZeroCase{"NoFormula", {0, 1, 100, 160, 2, 6}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramModel, HandSolvedZeroOfTheRightEdge) {
  const DiagramModel model = BuildDiagram(Example(), 0);
  ASSERT_EQ(1u, model.right.zeros.size());
  // x²(3 − 2x) = 1/4 at x = 0.32635, 19.581 m after K1.
  EXPECT_NEAR(119.581, model.right.zeros[0].station, 0.0005);
  EXPECT_EQ("0 % K0+119.581", model.right.zeros[0].label);
  EXPECT_TRUE(model.left.zeros.empty());
}

struct SteepestCase {
  const char* name;
  Transition transition;
  double station;
  double left_rate;
  double right_rate;
  const char* text;
};

class DiagramSteepest : public testing::TestWithParam<SteepestCase> {};

TEST_P(DiagramSteepest, RatesStationAndTheirLine) {
  const SteepestCase& c = GetParam();
  const Transition& t = c.transition;
  const DiagramModel model = BuildDiagram(Record(t, {t.k1}), 0);
  EXPECT_DOUBLE_EQ(c.station, model.left.steepest.station);
  EXPECT_DOUBLE_EQ(c.station, model.right.steepest.station);
  EXPECT_DOUBLE_EQ(c.left_rate, model.left.steepest.rate);
  EXPECT_DOUBLE_EQ(c.right_rate, model.right.steepest.rate);
  EXPECT_EQ(c.text, model.steepest_text);
}

TEST_P(DiagramSteepest, NoStretchOfTheCurvesBetweenK1AndK2IsSteeper) {
  const SteepestCase& c = GetParam();
  const Transition& t = c.transition;
  const DiagramModel model = BuildDiagram(Record(t, {t.k1}), 0);
  const double from = std::min(t.k1, t.k2);
  const double to = std::max(t.k1, t.k2);
  for (const DiagramEdge* edge : {&model.left, &model.right}) {
    double steepest = 0;
    double where = 0;
    const std::vector<DiagramSample>& s = edge->samples;
    for (size_t i = 1; i < s.size(); ++i) {
      if (s[i - 1].station >= from && s[i].station <= to) {
        const double rate =
            std::fabs((s[i].slope - s[i - 1].slope) / (s[i].station - s[i - 1].station));
        if (rate > steepest) {
          steepest = rate;
          where = (s[i].station + s[i - 1].station) / 2;
        }
      }
    }
    // The secant of a stretch never beats the tangent's peak, and near the peak it nearly equals
    // it.
    EXPECT_LE(steepest, edge->steepest.rate * 1.0001 + 1e-6);
    EXPECT_GE(steepest, edge->steepest.rate * 0.97);
    if (edge->steepest.rate > 0) {
      EXPECT_NEAR(edge->steepest.station, where, (to - from) / 100);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiagramSteepest,
    testing::Values(
        // 1.5·|D|/L at mid-transition: right D = 8, left D = 4.
        SteepestCase{"Example",
                     {},
                     130,
                     0.1,
                     0.2,
                     "最大横坡变化率：左 0.100 %/m，右 0.200 %/m（K0+130.000）"},
        SteepestCase{"LeftTurn",
                     {-1, 1, 100, 160, 2, 6},
                     130,
                     0.2,
                     0.1,
                     "最大横坡变化率：左 0.200 %/m，右 0.100 %/m（K0+130.000）"},
        // Left D = I2 − I1 = 6, right D = I2 + I1 = 4.
        SteepestCase{"SecondCurve",
                     {1, 2, 1000, 1100, -1, 5},
                     1050,
                     1.5 * 6 / 100,
                     1.5 * 4 / 100,
                     "最大横坡变化率：左 0.090 %/m，右 0.060 %/m（K1+050.000）"},
        // x runs from 0 to −1, where 6x(1 − x) is largest, 12: at K2.
        SteepestCase{"ReversedStationing",
                     {1, 1, 160, 100, 2, 6},
                     100,
                     12 * 4.0 / 60,
                     12 * 8.0 / 60,
                     "最大横坡变化率：左 0.800 %/m，右 1.600 %/m（K0+100.000）"},
        SteepestCase{"NoFormula",
                     {1, 1.5f, 100, 160, 2, 6},
                     130,
                     0,
                     0,
                     "最大横坡变化率：左 0.000 %/m，右 0.000 %/m（K0+130.000）"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramModel, NoFormulaGivesFlatZeroCurves) {
  for (const Transition t : {Transition{0, 1}, Transition{1, 0}, Transition{-1, 1.5f}}) {
    const DiagramModel model = BuildDiagram(Record(t, Stations(100, 15, 5)), 0);
    for (const DiagramEdge* edge : {&model.left, &model.right}) {
      ASSERT_FALSE(edge->samples.empty());
      EXPECT_TRUE(std::all_of(edge->samples.begin(), edge->samples.end(),
                              [](const DiagramSample& s) { return Bits(s.slope) == Bits(0.0f); }));
      EXPECT_TRUE(edge->zeros.empty());
      EXPECT_EQ(0, edge->steepest.rate);
    }
  }
}

TEST(DiagramModel, ExampleAxes) {
  const DiagramModel model = BuildDiagram(Example(), 0);
  std::vector<std::string> labels;
  for (const DiagramTick& tick : model.station_ticks) {
    labels.push_back(tick.label);
  }
  EXPECT_EQ((std::vector<std::string>{"K0+100", "K0+110", "K0+120", "K0+130", "K0+140", "K0+150",
                                      "K0+160"}),
            labels);
  labels.clear();
  for (const DiagramTick& tick : model.slope_ticks) {
    labels.push_back(tick.label);
  }
  EXPECT_EQ((std::vector<std::string>{"-6.0", "-4.0", "-2.0", "0.0", "2.0", "4.0", "6.0"}), labels);
  EXPECT_EQ(-6, model.slope_min);
  EXPECT_EQ(6, model.slope_max);
  EXPECT_EQ("桩号", model.station_title);
  EXPECT_EQ("横坡 (%)", model.slope_title);
  EXPECT_EQ("左侧 Ip(L)", model.left.legend);
  EXPECT_EQ("右侧 Ip(R)", model.right.legend);
  EXPECT_EQ("K1", model.k1_label);
  EXPECT_EQ("K2", model.k2_label);
  EXPECT_EQ(100, model.k1);
  EXPECT_EQ(160, model.k2);
}

TEST(DiagramModel, TickLabelsAcrossKilometresAndSmallSteps) {
  // 1000 m around a kilometre post, 10 m written in metres with no decimals.
  const DiagramModel long_run = BuildDiagram(Record({1, 1, 600, 1400, 2, 6}, {600, 1400}), 0);
  std::vector<std::string> labels;
  for (const DiagramTick& tick : long_run.station_ticks) {
    labels.push_back(tick.label);
  }
  EXPECT_EQ((std::vector<std::string>{"K0+600", "K0+700", "K0+800", "K0+900", "K1+000", "K1+100",
                                      "K1+200", "K1+300", "K1+400"}),
            labels);
  // Slopes of a few tenths, in steps of 0.1 written "0.1"; I2 = 0.3f lies a little above 0.3, so
  // the limits are ±0.4.
  const DiagramModel small = BuildDiagram(Record({1, 1, 0, 80, 0.1f, 0.3f}, {0, 80}), 0);
  labels.clear();
  for (const DiagramTick& tick : small.slope_ticks) {
    labels.push_back(tick.label);
  }
  EXPECT_EQ(
      (std::vector<std::string>{"-0.4", "-0.3", "-0.2", "-0.1", "0.0", "0.1", "0.2", "0.3", "0.4"}),
      labels);
}

struct MarkCase {
  const char* name;
  int sections;
  int shown;
  std::vector<int> marked;  // empty: every section
  bool band;
};

class DiagramMarks : public testing::TestWithParam<MarkCase> {};

TEST_P(DiagramMarks, MarksUpToTheLimitThenTheBand) {
  const MarkCase& c = GetParam();
  // Sections 0.03 m apart from K1 on; the last ones lie beyond K2.
  const CalcRecord record = Record({}, Stations(100, 0.03, c.sections));
  const DiagramModel model = BuildDiagram(record, c.shown);
  std::vector<int> marked = c.marked;
  if (marked.empty()) {
    for (int i = 1; i <= c.sections; ++i) {
      marked.push_back(i);
    }
  }
  ASSERT_EQ(marked.size(), model.marks.size());
  for (size_t i = 0; i < marked.size(); ++i) {
    const int section = marked[i];
    EXPECT_EQ((DiagramSectionMark{section, record.Stations[section], record.LeftSlopes[section],
                                  record.RightSlopes[section]}),
              model.marks[i]);
  }
  ASSERT_EQ(c.band, model.band.has_value());
  if (c.band) {
    EXPECT_EQ(record.Stations[1], model.band->from);
    EXPECT_EQ(record.Stations[c.sections], model.band->to);
  }
}

INSTANTIATE_TEST_SUITE_P(Cases, DiagramMarks,
                         testing::Values(MarkCase{"AtTheLimit", 2000, 1000, {}, false},
                                         MarkCase{"OneMore", 2001, 1000, {1, 1000, 2001}, true},
                                         MarkCase{"OneMoreNoneShown", 2001, 0, {1, 2001}, true},
                                         MarkCase{"OneMoreFirstShown", 2001, 1, {1, 2001}, true},
                                         MarkCase{"Largest", 32767, 32767, {1, 32767}, true},
                                         MarkCase{"Single", 1, 1, {}, false}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DiagramModel, ShownSectionWithItsValueTexts) {
  const CalcRecord record = Example();
  const DiagramModel model = BuildDiagram(record, 3);
  ASSERT_TRUE(model.shown);
  EXPECT_EQ(3, model.shown->section);
  EXPECT_EQ(120, model.shown->station);
  EXPECT_EQ(Bits(record.LeftSlopes[3]), Bits(model.shown->left));
  EXPECT_EQ(Bits(record.RightSlopes[3]), Bits(model.shown->right));
  EXPECT_EQ("K0+120.000", model.shown->station_text);
  EXPECT_EQ("3.037 %", model.shown->left_text);
  EXPECT_EQ("-0.074 %", model.shown->right_text);
  for (const int none : {0, -1, 8, 100}) {
    EXPECT_FALSE(BuildDiagram(record, none).shown) << none;
  }
}

TEST(DiagramModel, ThroughTheCalculateCommand) {
  ScriptHost host({"1", "", "1", "", "100", "", "2", "", "160", "", "6", "", "100", "", "Y", "",
                   "10", "", "0"});
  CalcRecord record;
  RunCalculateCommand(record, host);
  ASSERT_EQ(7, record.ComputedSections);
  const DiagramModel model = BuildDiagram(record, 7);
  EXPECT_EQ(7u, model.marks.size());
  ASSERT_TRUE(model.shown);
  EXPECT_EQ("6.000 %", model.shown->left_text);
  EXPECT_EQ("-6.000 %", model.shown->right_text);
  ASSERT_EQ(1u, model.right.zeros.size());
  EXPECT_EQ("0 % K0+119.581", model.right.zeros[0].label);
  EXPECT_EQ("最大横坡变化率：左 0.100 %/m，右 0.200 %/m（K0+130.000）", model.steepest_text);
}

}  // namespace
