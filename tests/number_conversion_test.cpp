// Reading replies as numbers and stations: lenient forms, full width, the three outcomes.
#include "entry/number_conversion.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>

namespace {

struct NumberCase {
  const char* name;
  const char* reply;
  NumberOutcome outcome;
  double value;  // for a number: the expected value, before rounding to single precision
};

constexpr auto kNumber = NumberOutcome::Number;
constexpr auto kNaN = NumberOutcome::NotANumber;
constexpr auto kRange = NumberOutcome::OutOfRange;

class SingleReply : public testing::TestWithParam<NumberCase> {};

TEST_P(SingleReply, Converts) {
  const NumberCase& c = GetParam();
  const Converted<float> result = ConvertSingle(c.reply);
  EXPECT_EQ(c.outcome, result.outcome);
  if (c.outcome == kNumber) {
    EXPECT_EQ(static_cast<float>(c.value), result.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SingleReply,
    testing::Values(
        NumberCase{"Integer", "2", kNumber, 2}, NumberCase{"Negative", "-1.5", kNumber, -1.5},
        NumberCase{"PlusSign", "+3", kNumber, 3},
        NumberCase{"BlanksAround", "  20 \t", kNumber, 20},
        NumberCase{"LeadingPoint", ".5", kNumber, 0.5},
        NumberCase{"TrailingPoint", "5.", kNumber, 5},
        NumberCase{"Exponent", "1.5E2", kNumber, 150},
        NumberCase{"NegativeExponent", "25e-1", kNumber, 2.5},
        NumberCase{"RoundedToSingle", "0.1", kNumber, 0.1},
        NumberCase{"LargestSingle", "3.4028234e38", kNumber, 3.4028234e38},
        NumberCase{"TooSmallIsZero", "1e-50", kNumber, 0},
        NumberCase{"FullWidth", "１２３．５", kNumber, 123.5},
        NumberCase{"FullWidthMinus", "－２", kNumber, -2},
        NumberCase{"FullWidthBlanks", "\u3000７\u3000", kNumber, 7},
        NumberCase{"IdeographicStop", "1。5", kNumber, 1.5}, NumberCase{"Empty", "", kNaN, 0},
        NumberCase{"OnlyBlanks", "   ", kNaN, 0}, NumberCase{"Word", "abc", kNaN, 0},
        NumberCase{"TrailingText", "12abc", kNaN, 0}, NumberCase{"BlankInside", "1 2", kNaN, 0},
        NumberCase{"TwoSigns", "+-1", kNaN, 0}, NumberCase{"SignOnly", "-", kNaN, 0},
        NumberCase{"PointOnly", ".", kNaN, 0}, NumberCase{"ExponentWithoutDigits", "1e", kNaN, 0},
        NumberCase{"Infinity", "inf", kNaN, 0}, NumberCase{"NotANumberWord", "nan", kNaN, 0},
        NumberCase{"Hexadecimal", "0x10", kNaN, 0}, NumberCase{"CommaDecimal", "1,5", kNaN, 0},
        NumberCase{"BeyondSingle", "3.5e38", kRange, 0},
        NumberCase{"FarBeyond", "-1e39", kRange, 0},
        NumberCase{"HugeExponent", "1e99999999999", kRange, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberConversion, DoubleHasItsOwnRange) {
  EXPECT_EQ(kNumber, ConvertDouble("3.5e38").outcome);
  EXPECT_EQ(3.5e38, ConvertDouble("3.5e38").value);
  EXPECT_EQ(kNumber, ConvertDouble("1.7976931348623157e308").outcome);
  EXPECT_EQ(kRange, ConvertDouble("1.8e308").outcome);
  EXPECT_EQ(kRange, ConvertDouble("-1e400").outcome);
  const Converted<double> tiny = ConvertDouble("-1e-400");
  EXPECT_EQ(kNumber, tiny.outcome);
  EXPECT_EQ(0, tiny.value);
  EXPECT_TRUE(std::signbit(tiny.value));
}

TEST(NumberConversion, KeepsDoublePrecisionForStations) {
  EXPECT_EQ(12345.678, ConvertDouble("12345.678").value);
  EXPECT_NE(static_cast<double>(static_cast<float>(12345.678)), ConvertDouble("12345.678").value);
}

TEST(NumberConversion, IgnoresACommaLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8")) << "the locale de_DE.UTF-8 is missing";
  const Converted<double> point = ConvertDouble("1.5");
  const Converted<double> comma = ConvertDouble("1,5");
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ(1.5, point.value);
  EXPECT_EQ(kNaN, comma.outcome);
}

TEST(NumberConversion, NormalizesOnlyFullWidthForms) {
  EXPECT_EQ("K12+345.678 e", NormalizeWidth("Ｋ１２＋３４５．６７８\u3000ｅ"));
  EXPECT_EQ("超高 1", NormalizeWidth("超高 1"));
}

struct StationCase {
  const char* name;
  const char* reply;
  NumberOutcome outcome;
  double metres;
};

class StationReply : public testing::TestWithParam<StationCase> {};

TEST_P(StationReply, Converts) {
  const StationCase& c = GetParam();
  const Converted<double> result = ConvertStation(c.reply);
  EXPECT_EQ(c.outcome, result.outcome);
  if (c.outcome == kNumber) {
    EXPECT_EQ(c.metres, result.value);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StationReply,
    testing::Values(StationCase{"Metres", "12345.678", kNumber, 12345.678},
                    StationCase{"Notation", "K12+345.678", kNumber, 12345.678},
                    StationCase{"LowerCaseK", "k12+345.678", kNumber, 12345.678},
                    StationCase{"WithoutK", "12+345.678", kNumber, 12345.678},
                    StationCase{"ShortMetres", "K0+045.6", kNumber, 45.6},
                    StationCase{"UnpaddedMetres", "K3+5", kNumber, 3005},
                    StationCase{"BlanksAroundParts", " K 12 + 345.678 ", kNumber, 12345.678},
                    StationCase{"FullWidth", "Ｋ１２＋３４５．６７８", kNumber, 12345.678},
                    StationCase{"AsTheWindowWritesIt", " K1+000.000", kNumber, 1000},
                    StationCase{"NegativeAsWritten", " K-1+-500.000", kNumber, -1500},
                    StationCase{"NegativeBelowOneKilometre", "K0+-500.000", kNumber, -500},
                    StationCase{"NegativeWholeKilometre", "K-2+000", kNumber, -2000},
                    StationCase{"MetresOf1000", "K12+1000", kNaN, 0},
                    StationCase{"MetresPaddedBelow1000", "K12+0999.5", kNumber, 12999.5},
                    StationCase{"NoMetres", "K12+", kNaN, 0},
                    StationCase{"TwoPluses", "12++3", kNaN, 0},
                    StationCase{"NoKilometres", "K+5", kNaN, 0}, StationCase{"OnlyK", "K", kNaN, 0},
                    StationCase{"FractionalKilometres", "K1.5+200", kNaN, 0},
                    StationCase{"OppositeSigns", "K-1+500", kNaN, 0},
                    StationCase{"OppositeSignsTheOtherWay", "K1+-500", kNaN, 0},
                    StationCase{"Empty", "", kNaN, 0}, StationCase{"Word", "起点", kNaN, 0},
                    StationCase{"ExponentInKilometres", "K1e3+0", kNaN, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberConversion, StationNotationBeyondDoubleIsOutOfRange) {
  EXPECT_EQ(kRange, ConvertStation("K2" + std::string(310, '0') + "+0").outcome);
}

}  // namespace
