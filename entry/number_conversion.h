// Reading the user's replies as numbers and stations, leniently and independent of the locale.
#pragma once

#include <string>
#include <string_view>

enum class NumberOutcome { Number, NotANumber, OutOfRange };

template <class T>
struct Converted {
  NumberOutcome outcome = NumberOutcome::NotANumber;
  T value{};

  bool ok() const { return outcome == NumberOutcome::Number; }
};

// The reply with full-width digits, signs, letters, point and blank (as a Chinese input method
// types them) and the no-break space replaced by their ASCII forms; other text unchanged.
std::string NormalizeWidth(std::string_view reply);

// A number with optional blanks around it, a sign, a decimal point and an exponent, rounded to
// single precision. Beyond about 3.4e38 it is out of range; too small to represent, it is zero.
Converted<float> ConvertSingle(std::string_view reply);

// As ConvertSingle, rounded to double precision (out of range beyond about 1.8e308).
Converted<double> ConvertDouble(std::string_view reply);

// A station in metres: a number as ConvertDouble takes it, or station notation such as
// "K12+345.678", "k12+345.678" or "12+345.678" with blanks around the parts, the metre part
// below 1000 ("K-1+-500" is -1500).
Converted<double> ConvertStation(std::string_view reply);
