// The transition formulas: the four cases, the blend outside 0..1, precision to the last bit.
#include "calc/section_slopes.h"

#include <gtest/gtest.h>

#include <cfloat>

namespace {

struct SlopeCase {
  const char* name;
  float turn;
  float position;
  double kp;
  float left;
  float right;
};

// K1 = 100, K2 = 160 (L = 60), I1 = 2, I2 = 6.
class TransitionOf60m : public testing::TestWithParam<SlopeCase> {};

TEST_P(TransitionOf60m, GivesBothEdges) {
  const SlopeCase& c = GetParam();
  const SectionSlopes s = ComputeSectionSlopes(c.turn, c.position, 100, 60, 2, 6, c.kp);
  EXPECT_EQ(SlopeFailure::None, s.failure);
  EXPECT_EQ(c.left, s.left);
  EXPECT_EQ(c.right, s.right);
}

INSTANTIATE_TEST_SUITE_P(Cases, TransitionOf60m,
                         testing::Values(
                             // x = 0.25, blend 0.15625
                             SlopeCase{"FirstCurveRightTurn", 1, 1, 115, 2.625f, 0.75f},
                             SlopeCase{"FirstCurveLeftTurn", -1, 1, 115, 0.75f, 2.625f},
                             SlopeCase{"SecondCurveRightTurn", 1, 2, 115, 5.375f, -4.75f},
                             SlopeCase{"SecondCurveLeftTurn", -1, 2, 115, -4.75f, 5.375f},
                             // the ends of the transition
                             SlopeCase{"FirstCurveAtStart", 1, 1, 100, 2, 2},
                             SlopeCase{"FirstCurveAtEnd", 1, 1, 160, 6, -6},
                             SlopeCase{"FirstCurveLeftAtEnd", -1, 1, 160, -6, 6},
                             SlopeCase{"SecondCurveAtStart", 1, 2, 100, 6, -6},
                             SlopeCase{"SecondCurveAtEnd", 1, 2, 160, 2, 2},
                             SlopeCase{"HalfWay", 1, 1, 130, 4, -2},
                             // the cubic is not clamped outside the transition
                             SlopeCase{"BeyondEndBlendZero", 1, 1, 190, 2, 2},
                             SlopeCase{"TwiceTheLengthBlendMinusFour", 1, 1, 220, -14, 34},
                             SlopeCase{"BeforeStartBlendOne", 1, 1, 70, 6, -6},
                             // only the sign of the turn direction counts
                             SlopeCase{"FractionalRightTurn", 0.25f, 1, 115, 2.625f, 0.75f},
                             SlopeCase{"LargeLeftTurn", -7, 1, 115, 0.75f, 2.625f},
                             // no case: both slopes 0
                             SlopeCase{"TurnZero", 0, 1, 115, 0, 0},
                             SlopeCase{"PositionOneAndAHalf", 1, 1.5f, 115, 0, 0},
                             SlopeCase{"PositionThree", 1, 3, 115, 0, 0},
                             SlopeCase{"PositionJustBelowOne", 1, 0.999f, 115, 0, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SectionSlopes, DecreasingStationingRunsXFromZeroToMinusOne) {
  // K1 = 160, K2 = 100: L = 60 and x = (115 − 160) / 60 = −0.75, blend 0.5625·4.5 = 2.53125.
  const SectionSlopes s = ComputeSectionSlopes(1, 1, 160, 60, 2, 6, 115);
  EXPECT_EQ(2 + 4 * 2.53125f, s.left);
  EXPECT_EQ(2 - 8 * 2.53125f, s.right);
}

TEST(SectionSlopes, ZeroLengthIsADivisionByZeroEvenWithoutACase) {
  EXPECT_EQ(SlopeFailure::DivisionByZero, ComputeSectionSlopes(1, 1, 100, 0, 2, 6, 115).failure);
  EXPECT_EQ(SlopeFailure::DivisionByZero, ComputeSectionSlopes(0, 7, 100, 0, 2, 6, 100).failure);
}

TEST(SectionSlopes, SlopesBeyondSinglePrecisionAreAnOverflow) {
  // D = I2 − I1 itself overflows
  EXPECT_EQ(SlopeFailure::Overflow,
            ComputeSectionSlopes(1, 1, 0, 10, -FLT_MAX, FLT_MAX, 5).failure);
  // D fits, the blend far outside the transition does not
  EXPECT_EQ(SlopeFailure::Overflow, ComputeSectionSlopes(1, 2, 0, 1, 2, 6, 1e14).failure);
  // at the very edge of the range a result still fits
  EXPECT_EQ(SlopeFailure::None, ComputeSectionSlopes(1, 1, 0, 10, FLT_MAX, 0, 0).failure);
}

// Inputs where the prescribed evaluation gives another float than a plausible other one.
struct ExactCase {
  const char* name;
  float i1, i2;
  double k1;
  float l;
  double kp;
  float left;  // position 1, right turn: I1 + (I2 − I1)·b
};

class PrescribedPrecision : public testing::TestWithParam<ExactCase> {};

TEST_P(PrescribedPrecision, GivesTheSameFloatToTheLastBit) {
  const ExactCase& c = GetParam();
  EXPECT_EQ(c.left, ComputeSectionSlopes(1, 1, c.k1, c.l, c.i1, c.i2, c.kp).left);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PrescribedPrecision,
    testing::Values(
        // D·(x²·(3 − 2x)) would give 0x1.326668p+3
        ExactCase{"NotRegrouped", -3.678f, 9.575f, 1070.019, 29.111f, 1099.13, 0x1.326666p+3f},
        // D·(x²·(3 − 2x)) would give 0x1.b33332p+2
        ExactCase{"NotRegroupedEither", 1.687f, 6.8f, 1031.382, 30.66f, 1062.042, 0x1.b33334p+2f},
        // all in single precision would give -0x1.95d958p-2
        ExactCase{"BlendInDouble", -1.889f, 0.867f, 1041.937, 13.182f, 1048.894, -0x1.95d95cp-2f},
        // D kept in double would give 0x1.4c6904p-3
        ExactCase{"DifferenceRoundedToSingle", -3.667f, 7.578f, 1051.34, 45.685f, 1069.249,
                  0x1.4c68f8p-3f},
        // the blend rounded to single before the sum would give -0x1.9236fcp+1
        ExactCase{"SumInDouble", -3.454f, 6.647f, 1019.412, 195.257f, 1039.948, -0x1.9236fap+1f}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
