// Rounding doubles to single precision without leaving its range.
#pragma once

#include <cmath>

// Whether v rounds to a finite float. From 0x1.ffffffp127 on (FLT_MAX plus half its last unit)
// rounding gives infinity, and a conversion of a value that does not fit is undefined.
inline bool FitsSingle(double v) {
  return std::fabs(v) < 0x1.ffffffp127;
}
