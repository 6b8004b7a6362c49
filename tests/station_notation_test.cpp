// Station notation: kilometres and metres, rounded before the split, with every leading text.
#include "entry/station_notation.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct StationCase {
  const char* name;
  double station;
  const char* text;
};

class DefaultNotation : public testing::TestWithParam<StationCase> {};

TEST_P(DefaultNotation, Writes) {
  EXPECT_EQ(GetParam().text, FormatStation(GetParam().station));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DefaultNotation,
    testing::Values(StationCase{"Ordinary", 12345.678, " K12+345.678"},
                    StationCase{"WholeKilometre", 12000, " K12+000.000"},
                    StationCase{"BelowOneKilometre", 500, " K0+500.000"},
                    StationCase{"PaddedMetres", 45.6, " K0+045.600"},
                    StationCase{"Zero", 0, " K0+000.000"},
                    StationCase{"Large", 123456789.123, " K123456+789.123"},
                    // rounding reaches the next kilometre: carried, never K0+1000.000
                    StationCase{"CarryIntoFirstKilometre", 999.9996, " K1+000.000"},
                    StationCase{"CarryIntoThirteenth", 12999.9999, " K13+000.000"},
                    StationCase{"JustBelowCarry", 999.9994, " K0+999.999"},
                    // negative stations keep their sign on both parts
                    StationCase{"NegativeKilometreAndAHalf", -1500, " K-1+-500.000"},
                    StationCase{"NegativeBelowOneKilometreWritesK0", -500, " K0+-500.000"},
                    StationCase{"NegativeWholeKilometre", -1000, " K-1+000.000"},
                    StationCase{"NegativeCarry", -999.9996, " K-1+000.000"},
                    StationCase{"TinyNegativeIsZero", -0.0001, " K0+000.000"},
                    StationCase{"BeyondTenToTheFifteenth", 1.5e18, " K1500000000000000+000.000"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(StationNotation, TakesTheLeadingTextAndTwoDecimalMetres) {
  EXPECT_EQ("计算段落 : K12+345.68", FormatStation(12345.678, "计算段落 : K", 2));
  EXPECT_EQ("计算段落 : K12+345.68", FormatStation(12345.6789, "计算段落 : K", 2));
  EXPECT_EQ("计算段落 : K1+000.00", FormatStation(999.996, "计算段落 : K", 2));
  EXPECT_EQ(" --- K12+405.500", FormatStation(12405.5, " --- K"));
  EXPECT_EQ("  起始超高桩号 : K12+345.679", FormatStation(12345.6789, "  起始超高桩号 : K"));
  EXPECT_EQ("K12+345.679", FormatStation(12345.6789, "K"));
}

TEST(StationNotation, WritesAPointUnderACommaLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8")) << "the locale de_DE.UTF-8 is missing";
  const std::string text = FormatStation(1234567.891);
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(" K1234+567.891", text);
}

TEST(StationNotation, PartsTruncateTowardZeroAndKeepTheSign) {
  EXPECT_EQ(12, StationParts(12345.678).km);
  EXPECT_NEAR(345.678, StationParts(12345.678).m, 1e-9);
  EXPECT_EQ(-1, StationParts(-1500).km);
  EXPECT_EQ(-500, StationParts(-1500).m);
  EXPECT_EQ(0, StationParts(999.9996).km);
  const StationSplit huge = StationParts(9.3918019322442007e21);
  EXPECT_GE(huge.m, 0);
  EXPECT_LT(huge.m, 1000);
}

}  // namespace
