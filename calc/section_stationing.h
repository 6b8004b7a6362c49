// Sections of a run: their count, their stations, and their slopes in the record's tables.
#pragma once

#include <cstdint>
#include <vector>

#include "app/calc_record.h"

// The largest section count: SectionCount + 1 sections must still be numbered in 16 bits.
inline constexpr int kMaxSectionCount = 32766;

struct SectionCount {
  enum Failure { None, ZeroInterval, TooMany, Negative };
  int16_t count = 0;
  Failure failure = None;
};

// Whole intervals dl from ki to k2, truncated toward zero; a last section within half a
// millimetre of k2 counts as reaching it, since a float interval such as 0.1 is a little long.
SectionCount ComputeSectionCount(double k2, double ki, float dl);

// L = |K2 − K1| rounded to single precision. False, leaving L as it was, when it does not fit.
bool SetTransitionLength(CalcRecord& record);

// Fresh zeroed tables with slots 0 to SectionCount + 1 and KI in slot 0 of Stations; returns
// the interval table (slot 0: 0, slots 1 to SectionCount: DL). SectionCount must lie in
// 0..kMaxSectionCount.
std::vector<float> PrepareSectionTables(CalcRecord& record, double ki);

enum class RunFailure { None, OutOfRange };

// Section 1 at KI.
RunFailure ComputeSingleRun(CalcRecord& record, double ki);

// Sections 1 to SectionCount + 1, each station the previous one plus its interval.
RunFailure ComputeContinuousRun(CalcRecord& record, const std::vector<float>& intervals);
