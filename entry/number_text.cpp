// Locale-independent fixed-point number texts.
#include "entry/number_text.h"

#include <charconv>

std::string FormatFixed(double value, int decimals) {
  // Enough room for the largest double written in full (309 digits) plus sign, point, decimals.
  char buffer[400];
  // to_chars rounds the exact binary value, ties to even, and never looks at the locale.
  auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) {
    return "?";
  }
  std::string text(buffer, end);
  // -0.0001 rounds to "-0.000"; a zero is written without a sign.
  if (text.size() > 1 && text[0] == '-' && text.find_first_not_of("-0.") == std::string::npos) {
    text.erase(0, 1);
  }
  return text;
}
