// The texts of the window's value fields, and the results shown in them.
#pragma once

#include <string>

#include "app/calc_host.h"
#include "app/calc_record.h"

// " 60.000 米": a length, an interval or a distance Lp in metres.
std::string MetresText(double metres);

// " 2.625 %": a cross slope rounded to three decimals, ties to the even digit; the step-through
// writes Ip(L) with "%" instead of " %".
std::string SlopeText(float slope, const char* unit = " %");

// The immediate display of a single run, first half: Lp of section 1, before it is computed.
void ShowSingleResultDistance(const CalcRecord& record, CalcHost& host);

// Second half: the key prompt, then station and slopes of section 1.
void ShowSingleResult(const CalcRecord& record, CalcHost& host);

// Sections 1 to `sections` one after the other, each after the key prompt.
void StepThroughResults(const CalcRecord& record, CalcHost& host, int sections);
