// The cross slopes of the two carriageway edges at one section of a superelevation transition.
#pragma once

enum class SlopeFailure { None, DivisionByZero, Overflow };

struct SectionSlopes {
  float left = 0;   // Ip(L), percent
  float right = 0;  // Ip(R), percent
  SlopeFailure failure = SlopeFailure::None;
};

// The slopes at station kp by the cubic blend x²(3 − 2x) of x = (kp − k1) / l, x not clamped.
// turn_direction counts by sign, curve_position only when exactly 1 or 2; outside those cases
// both slopes are 0. l = 0 is a DivisionByZero failure; a slope beyond single precision, Overflow.
SectionSlopes ComputeSectionSlopes(float turn_direction, float curve_position, double k1, float l,
                                   float i1, float i2, double kp);
