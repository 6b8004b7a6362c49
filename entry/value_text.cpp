// Field texts of lengths and slopes, in the "0.000" pattern.
#include "entry/value_text.h"

#include "entry/number_text.h"

namespace {

// A blank, the value in the "0.000" pattern, and its unit. (Appended piece by piece: g++ 12
// warns falsely about " " + std::string.)
std::string ValueText(double value, const char* unit) {
  std::string text(1, ' ');
  text += FormatThreeDecimals(value);
  text += unit;
  return text;
}

}  // namespace

std::string MetresText(double metres) {
  return ValueText(metres, " 米");
}

std::string SlopeText(float slope, const char* unit) {
  return ValueText(slope, unit);
}
