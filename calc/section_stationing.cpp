// Section count, stations and the batch computation of a run.
#include "calc/section_stationing.h"

#include <cmath>

#include "calc/section_slopes.h"
#include "calc/single_precision.h"

namespace {

// Half a millimetre: closer than that, a section is at K2 as far as any display can tell.
constexpr double kReachTolerance = 0.0005;

bool ComputeSection(CalcRecord& record, int i) {
  const SectionSlopes slopes =
      ComputeSectionSlopes(record.TurnDirection, record.CurvePosition, record.K1, record.L,
                           record.I1, record.I2, record.Stations[i]);
  record.LeftSlopes[i] = slopes.left;
  record.RightSlopes[i] = slopes.right;
  return slopes.failure == SlopeFailure::None;
}

}  // namespace

SectionCount ComputeSectionCount(double k2, double ki, float dl) {
  if (dl == 0) {
    return {0, SectionCount::ZeroInterval};
  }
  const double q = (k2 - ki) / static_cast<double>(dl);
  double count = std::trunc(q);
  const double nearest = std::nearbyint(q);
  if (std::fabs(ki + nearest * static_cast<double>(dl) - k2) <= kReachTolerance) {
    count = nearest;
  }
  if (count > kMaxSectionCount) {
    return {0, SectionCount::TooMany};
  }
  if (count < 0) {
    return {0, SectionCount::Negative};
  }
  return {static_cast<int16_t>(count), SectionCount::None};
}

bool SetTransitionLength(CalcRecord& record) {
  const double length = std::fabs(record.K2 - record.K1);
  if (!FitsSingle(length)) {
    return false;
  }
  record.L = static_cast<float>(length);
  return true;
}

std::vector<float> PrepareSectionTables(CalcRecord& record, double ki) {
  const size_t slots = static_cast<size_t>(record.SectionCount) + 2;
  record.Stations.assign(slots, 0.0);
  record.LeftSlopes.assign(slots, 0.0f);
  record.RightSlopes.assign(slots, 0.0f);
  std::vector<float> intervals(slots - 1, record.DL);
  intervals[0] = 0;
  record.Stations[0] = ki;
  return intervals;
}

RunFailure ComputeSingleRun(CalcRecord& record, double ki) {
  record.Stations[1] = ki;
  if (!ComputeSection(record, 1)) {
    return RunFailure::OutOfRange;
  }
  record.ComputedSections = 1;
  return RunFailure::None;
}

RunFailure ComputeContinuousRun(CalcRecord& record, const std::vector<float>& intervals) {
  const int sections = record.SectionCount + 1;
  for (int i = 1; i <= sections; ++i) {
    // Repeated addition, not KI + (i − 1)·DL: each station is the previous one plus its interval.
    record.Stations[i] = record.Stations[i - 1] + static_cast<double>(intervals[i - 1]);
    if (!std::isfinite(record.Stations[i]) || !ComputeSection(record, i)) {
      return RunFailure::OutOfRange;
    }
  }
  record.ComputedSections = sections;
  return RunFailure::None;
}
