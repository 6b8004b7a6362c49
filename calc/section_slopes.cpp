// The transition formulas, with their prescribed precision and grouping.
#include "calc/section_slopes.h"

#include <cmath>

#include "calc/single_precision.h"

namespace {

// One edge: a ± (d·x²)·(3 − 2x). The blend and the sum are double, the result is rounded to
// float once, at the end; the grouping is part of the result to the last bit.
double Edge(float a, float d, double x, bool plus) {
  const double blend = (static_cast<double>(d) * (x * x)) * (3.0 - 2.0 * x);
  return plus ? a + blend : a - blend;
}

}  // namespace

SectionSlopes ComputeSectionSlopes(float turn_direction, float curve_position, double k1, float l,
                                   float i1, float i2, double kp) {
  if (l == 0) {
    return {0, 0, SlopeFailure::DivisionByZero};
  }
  const double lp = kp - k1;
  const double x = lp / static_cast<double>(l);
  const bool right_turn = turn_direction > 0;
  const bool left_turn = turn_direction < 0;
  if ((curve_position != 1.0f && curve_position != 2.0f) || !(right_turn || left_turn)) {
    return {};
  }
  // D is rounded to single precision before it is used.
  const float difference = i2 - i1;
  const float sum = i2 + i1;
  if (!std::isfinite(difference) || !std::isfinite(sum)) {
    return {0, 0, SlopeFailure::Overflow};
  }
  double rising;   // the edge that turns toward the outside of the curve
  double falling;  // the edge that turns toward the inside
  if (curve_position == 1.0f) {
    rising = Edge(i1, difference, x, true);
    falling = Edge(i1, sum, x, false);
  } else {
    rising = Edge(i2, difference, x, false);
    falling = Edge(-i2, sum, x, true);
  }
  if (!FitsSingle(rising) || !FitsSingle(falling)) {
    return {0, 0, SlopeFailure::Overflow};
  }
  const auto up = static_cast<float>(rising);
  const auto down = static_cast<float>(falling);
  return right_turn ? SectionSlopes{up, down} : SectionSlopes{down, up};
}
