// The "0.000" pattern: rounding ties to even on the stored value, no "-0.000", no locale.
#include "entry/number_text.h"

#include <gtest/gtest.h>

#include <clocale>

namespace {

struct TextCase {
  const char* name;
  double value;
  const char* text;
};

class ThreeDecimals : public testing::TestWithParam<TextCase> {};

TEST_P(ThreeDecimals, Writes) {
  EXPECT_EQ(GetParam().text, FormatThreeDecimals(GetParam().value));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThreeDecimals,
    testing::Values(TextCase{"Two", 2, "2.000"}, TextCase{"MinusOneAndAHalf", -1.5, "-1.500"},
                    TextCase{"Twenty", 20, "20.000"}, TextCase{"Zero", 0, "0.000"},
                    TextCase{"NegativeZero", -0.0, "0.000"},
                    TextCase{"TinyNegativeRoundsToZero", -0.0001, "0.000"},
                    TextCase{"HalfBelowZeroTieGoesToZero", -0.0005, "-0.001"},
                    TextCase{"SmallNegative", -0.0006, "-0.001"},
                    // exact halves go to the even third decimal
                    TextCase{"TieDown", 0.0625, "0.062"}, TextCase{"TieUp", 0.1875, "0.188"},
                    TextCase{"NegativeTie", -4.0625, "-4.062"},
                    // the float nearest 2.0005 lies below the half
                    TextCase{"FloatJustBelowHalf", 2.0005f, "2.000"},
                    TextCase{"Large", 123456789.5, "123456789.500"},
                    TextCase{"NoGrouping", 1234567.25, "1234567.250"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberText, NegativeZeroIsAlsoUnsignedWithTwoDecimals) {
  EXPECT_EQ("0.00", FormatFixed(-0.004, 2));
  EXPECT_EQ("-0.01", FormatFixed(-0.006, 2));
}

TEST(NumberText, WritesAPointUnderACommaLocale) {
  // A Qt program takes the C library's locale from the environment.
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(nullptr, std::setlocale(LC_ALL, "de_DE.UTF-8")) << "the locale de_DE.UTF-8 is missing";
  const std::string text = FormatThreeDecimals(-1234.5678);
  std::setlocale(LC_ALL, before.c_str());
  EXPECT_EQ("-1234.568", text);
}

}  // namespace
