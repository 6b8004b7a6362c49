// The texts of values as the window's fields show them: a blank, the number, its unit.
#pragma once

#include <string>

// " 60.000 米": a length, an interval or a distance Lp in metres.
std::string MetresText(double metres);

// " 2.625 %": a cross slope rounded to three decimals, ties to the even digit; the step-through
// writes Ip(L) with "%" instead of " %".
std::string SlopeText(float slope, const char* unit = " %");
