// Number texts as the user sees them: the "0.000" pattern, independent of the locale.
#pragma once

#include <string>

// The value rounded to the given number of decimals (an exact half goes to the even digit),
// with at least one digit before the point and no digit grouping. A value that rounds to
// zero is written without a minus sign.
std::string FormatFixed(double value, int decimals);

// The "0.000" pattern: FormatFixed with three decimals. A single-precision slope passed here
// is rounded on its exact stored value.
inline std::string FormatThreeDecimals(double value) {
  return FormatFixed(value, 3);
}
