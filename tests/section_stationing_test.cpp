// Section count, tables and the stations of a continuous run.
#include "calc/section_stationing.h"

#include <gtest/gtest.h>

#include "calc/section_slopes.h"
#include "output/screen_results.h"
#include "tools/script_host.h"

namespace {

struct CountCase {
  const char* name;
  double k2, ki;
  float dl;
  int count;
  SectionCount::Failure failure;
};

class SectionCounting : public testing::TestWithParam<CountCase> {};

TEST_P(SectionCounting, Counts) {
  const CountCase& c = GetParam();
  const SectionCount result = ComputeSectionCount(c.k2, c.ki, c.dl);
  EXPECT_EQ(c.failure, result.failure);
  EXPECT_EQ(c.count, result.count);
}

constexpr auto kOk = SectionCount::None;

INSTANTIATE_TEST_SUITE_P(
    Cases, SectionCounting,
    testing::Values(
        CountCase{"Exact", 1100, 1000, 20, 5, kOk},
        CountCase{"OneAndAHalfIntervals", 1015, 1000, 10, 1, kOk},
        CountCase{"HalfAnInterval", 1005, 1000, 10, 0, kOk},
        CountCase{"KIAtK2", 1000, 1000, 10, 0, kOk},
        CountCase{"HalfAnIntervalBehind", 995, 1000, 10, 0, kOk},
        CountCase{"OneIntervalBehind", 990, 1000, 10, 0, SectionCount::Negative},
        CountCase{"NegativeInterval", 1000, 1100, -20, 5, kOk},
        CountCase{"NegativeIntervalWrongWay", 1100, 1000, -20, 0, SectionCount::Negative},
        // 0.1f is a little more than 0.1: the tenth interval still reaches K2
        CountCase{"InexactIntervalReachesK2", 1001, 1000, 0.1f, 10, kOk},
        CountCase{"InexactIntervalLongRun", 1234.5 + 100, 1234.5, 0.1f, 1000, kOk},
        CountCase{"TwelvePointThree", 123, 0, 12.3f, 10, kOk},
        CountCase{"ShortOfK2ByMoreThanHalfAMillimetre", 1000.999, 1000, 0.1f, 9, kOk},
        CountCase{"LargestRun", 655320, 0, 20, 32766, kOk},
        CountCase{"OneTooMany", 655340, 0, 20, 0, SectionCount::TooMany},
        CountCase{"FarTooMany", 1e300, 0, 1, 0, SectionCount::TooMany},
        CountCase{"ZeroInterval", 1100, 1000, 0, 0, SectionCount::ZeroInterval},
        CountCase{"ZeroIntervalAndZeroLength", 1000, 1000, 0, 0, SectionCount::ZeroInterval}),
    [](const auto& info) { return std::string(info.param.name); });

CalcRecord Transition(int16_t count, float dl) {
  CalcRecord r;
  r.TurnDirection = 1;
  r.CurvePosition = 1;
  r.K1 = 1000;
  r.K2 = 1100;
  r.L = 100;
  r.I1 = 2;
  r.I2 = 6;
  r.SectionCount = count;
  r.DL = dl;
  return r;
}

TEST(SectionStationing, PreparesFreshZeroedTablesWithKIInSlotZero) {
  CalcRecord r = Transition(3, 20);
  r.Stations = std::vector<double>(50, 7.0);
  r.LeftSlopes = std::vector<float>(50, 7.0f);
  const std::vector<float> intervals = PrepareSectionTables(r, 1010);
  EXPECT_EQ((std::vector<double>{1010, 0, 0, 0, 0}), r.Stations);
  EXPECT_EQ((std::vector<float>(5, 0.0f)), r.LeftSlopes);
  EXPECT_EQ((std::vector<float>(5, 0.0f)), r.RightSlopes);
  EXPECT_EQ((std::vector<float>{0, 20, 20, 20}), intervals);
}

TEST(SectionStationing, ContinuousRunStepsByRepeatedAddition) {
  CalcRecord r = Transition(10, 0.1f);
  const std::vector<float> intervals = PrepareSectionTables(r, 1234.5);
  ASSERT_EQ(RunFailure::None, ComputeContinuousRun(r, intervals));
  EXPECT_EQ(11, r.ComputedSections);
  double station = 1234.5;
  for (int i = 1; i <= 11; ++i) {
    EXPECT_EQ(station, r.Stations[i]) << "section " << i;
    station += static_cast<double>(0.1f);
  }
  // ten additions of the single-precision 0.1 land a little beyond 1235.5
  EXPECT_GT(r.Stations[11], 1235.5);
  EXPECT_LT(r.Stations[11], 1235.5000001);
}

TEST(SectionStationing, ContinuousRunComputesEverySectionEvenWithCountZero) {
  CalcRecord r = Transition(0, 10);
  const std::vector<float> intervals = PrepareSectionTables(r, 1015);
  ASSERT_EQ(RunFailure::None, ComputeContinuousRun(r, intervals));
  EXPECT_EQ(1, r.ComputedSections);
  EXPECT_EQ(1015, r.Stations[1]);
  EXPECT_EQ(ComputeSectionSlopes(1, 1, 1000, 100, 2, 6, 1015).left, r.LeftSlopes[1]);
  EXPECT_EQ(2u, r.Stations.size());
}

TEST(SectionStationing, ContinuousRunReportsAResultOutOfRange) {
  CalcRecord r = Transition(2, 1e30f);
  const std::vector<float> intervals = PrepareSectionTables(r, 1000);
  EXPECT_EQ(RunFailure::OutOfRange, ComputeContinuousRun(r, intervals));
}

TEST(SectionStationing, TransitionLengthIsShownInMetres) {
  CalcRecord r;
  r.K1 = 1060;
  r.K2 = 1000;
  ScriptHost host;
  ASSERT_TRUE(ShowTransitionLength(r, host));
  EXPECT_EQ(60, r.L);
  EXPECT_EQ(" 60.000 米", host.Field(TextField::Text5));
  r.K2 = 1e300;
  EXPECT_FALSE(ShowTransitionLength(r, host));
}

}  // namespace
