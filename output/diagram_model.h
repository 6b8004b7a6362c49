// The cross-slope diagram of a calculation: everything the window draws, with every text ready.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/calc_record.h"

// What the diagram area shows before any calculation.
inline constexpr const char* kDiagramHint = "单击“计 算”开始计算，横坡示意图将显示在这里";

// Above this many computed sections the sections are drawn as one band instead of one mark each.
inline constexpr int kMaxSectionMarks = 2000;

// One point of an edge curve: the formula's own float slope at that station.
struct DiagramSample {
  double station = 0;  // metres
  float slope = 0;     // percent

  bool operator==(const DiagramSample&) const = default;
};

// Where an edge's cross slope passes through 0 %, with its label ("0 % K0+119.581").
struct DiagramZero {
  double station = 0;
  std::string label;

  bool operator==(const DiagramZero&) const = default;
};

// The steepest change of an edge's cross slope between K1 and K2.
struct DiagramSteepest {
  double station = 0;
  double rate = 0;  // percent per metre, not negative

  bool operator==(const DiagramSteepest&) const = default;
};

// One carriageway edge: its legend, its curve by increasing station, its zeros, where it is
// steepest.
struct DiagramEdge {
  std::string legend;
  std::vector<DiagramSample> samples;
  std::vector<DiagramZero> zeros;
  DiagramSteepest steepest;
};

// A computed section drawn as a mark on both curves.
struct DiagramSectionMark {
  int section = 0;  // 1-based section number
  double station = 0;
  float left = 0;
  float right = 0;

  bool operator==(const DiagramSectionMark&) const = default;
};

// The stretch of the station axis that holds too many sections to mark one by one.
struct DiagramSectionBand {
  double from = 0;  // station of the first section
  double to = 0;    // station of the last section
};

// The section the user looks at: drawn as a vertical line with both values written beside it.
struct DiagramShownSection {
  int section = 0;
  double station = 0;
  float left = 0;
  float right = 0;
  std::string station_text;  // "K0+115.000"
  std::string left_text;     // "2.625 %"
  std::string right_text;
};

// An axis tick at a round value.
struct DiagramTick {
  double value = 0;
  std::string label;

  bool operator==(const DiagramTick&) const = default;
};

struct DiagramModel {
  bool empty = true;  // no calculation yet: only the hint is drawn
  std::string hint = kDiagramHint;

  // The area of the plot: stations in metres, slopes in percent.
  double station_min = 0;
  double station_max = 0;
  double slope_min = 0;
  double slope_max = 0;

  double k1 = 0;
  double k2 = 0;
  std::string k1_label = "K1";
  std::string k2_label = "K2";

  DiagramEdge left;   // Ip(L)
  DiagramEdge right;  // Ip(R)

  // One mark per computed section, by section number; above kMaxSectionMarks only the first,
  // the last and the shown section, with the band in place of the others.
  std::vector<DiagramSectionMark> marks;
  std::optional<DiagramSectionBand> band;
  std::optional<DiagramShownSection> shown;

  std::string steepest_text;  // "最大横坡变化率：左 0.100 %/m，右 0.200 %/m（K0+130.000）"

  std::vector<DiagramTick> station_ticks;  // by increasing station, labels "K0+120"
  std::vector<DiagramTick> slope_ticks;    // by increasing slope, labels "2.0"
  std::string station_title = "桩号";
  std::string slope_title = "横坡 (%)";
};

// The diagram of the record's last calculation, with section `shown_section` (1-based; 0 or a
// section that was not computed: none) shown. A record without a calculation gives an empty model.
DiagramModel BuildDiagram(const CalcRecord& record, int shown_section);
