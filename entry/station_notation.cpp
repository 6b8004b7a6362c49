// Station notation over the decimal text of the rounded station.
#include "entry/station_notation.h"

#include <algorithm>
#include <cmath>

#include "entry/number_text.h"

StationSplit StationParts(double station) {
  // fmod is exact: the remainder keeps the station's sign and stays below 1000 even where
  // station − km × 1000 would round (stations beyond 2^53 mm).
  return {std::trunc(station / 1000), std::fmod(station, 1000)};
}

std::string FormatStation(double station, std::string_view leading_text, int metre_decimals) {
  // Splitting the rounded decimal text instead of the binary value carries 1000.000 m into the
  // kilometres and keeps every digit exact, however large the station.
  std::string digits = FormatFixed(std::fabs(station), metre_decimals);
  if (!std::isfinite(station)) {
    return std::string(leading_text) + digits;
  }
  const std::string_view all(digits);
  const size_t whole = std::min(all.find('.'), all.size());
  const size_t km_digits = whole > 3 ? whole - 3 : 0;
  const std::string_view km = km_digits > 0 ? all.substr(0, km_digits) : "0";
  const std::string metres = std::string(3 - (whole - km_digits), '0') += all.substr(km_digits);
  const bool negative = station < 0;
  const bool km_zero = km == "0";
  const bool metres_zero = metres.find_first_not_of("0.") == std::string::npos;
  std::string text(leading_text);
  if (negative && !km_zero) {
    text += '-';
  }
  text += km;
  text += '+';
  if (negative && !metres_zero) {
    text += '-';
  }
  text += metres;
  return text;
}
