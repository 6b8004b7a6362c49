// The record of the last calculation: everything a later Print needs, nothing more.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct CalcRecord {
  std::string CaseText;            // case description of the last printed report
  int16_t SectionCount = 0;        // sections are numbered 1 to SectionCount + 1
  double K1 = 0;                   // start station of the transition, metres
  double K2 = 0;                   // end station, metres
  float I1 = 0;                    // starting (design) cross slope, percent
  float I2 = 0;                    // full superelevation cross slope, percent
  float L = 0;                     // transition length |K2 - K1|, metres
  float DL = 0;                    // interval between sections of a continuous run, metres
  std::vector<double> Stations;    // slot 0: KI; slot i: station of section i
  std::vector<float> LeftSlopes;   // slot i: Ip(L) of section i
  std::vector<float> RightSlopes;  // slot i: Ip(R) of section i
  float TurnDirection = 0;         // > 0 right turn, < 0 left turn
  float CurvePosition = 0;         // 1: first transition curve, 2: second
  // Sections the last run computed: 0 before any, 1 after a single run,
  // SectionCount + 1 after a continuous one. The report prints exactly these.
  int ComputedSections = 0;

  bool operator==(const CalcRecord&) const = default;
};
