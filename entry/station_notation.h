// Station notation: metres along the centre line written as K12+345.678.
#pragma once

#include <string>
#include <string_view>

// The kilometre part (truncated toward zero) and the metre remainder, which keeps the sign of
// the station and stays below 1000 in size.
struct StationSplit {
  double km = 0;
  double m = 0;
};

StationSplit StationParts(double station);

// The leading text, the kilometres, "+", and the metres with at least three digits before the
// point and `metre_decimals` after it. The station is rounded to those decimals before it is
// split, so 999.9996 is K1+000.000 and never K0+1000.000. Negative stations keep the sign on
// both parts (-1500 is K-1+-500.000; -500 is K0+-500.000).
std::string FormatStation(double station, std::string_view leading_text = " K",
                          int metre_decimals = 3);
