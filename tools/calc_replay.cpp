// Replays Calculate and Print clicks with replies from standard input and writes every event.
//   calc_replay CLICK...   CLICK: calculate | print | diagram | table | csv
// One reply per input line; an empty line is the empty reply, a line of only ESC (0x1B) is
// Cancel. Exit status 3 when the replies run out while a prompt waits, 2 on a bad argument.
// `diagram` writes the diagram of the record as it stands (see DiagramLines); `table` the
// clipboard text of the record, a TABLE line for each of its lines; `csv` a CSV line for each
// line of its CSV file, without byte-order mark and CR; each writes "none" before any
// calculation.
#include <charconv>
#include <iostream>
#include <string>
#include <vector>

#include "app/calculate_command.h"
#include "output/diagram_model.h"
#include "output/section_table.h"
#include "tools/script_host.h"

namespace {

// The shortest text that reads back as the same value.
template <class Number>
std::string Shortest(Number value) {
  char buffer[64];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  return ec == std::errc() ? std::string(buffer, end) : "?";
}

// The diagram as lines of tab-separated fields:
//   DIAGRAM station_min station_max slope_min slope_max (or DIAGRAM none, and nothing more) |
//   EDGE L|R station slope | SECTION i station left right | SHOWN i | ZERO L|R station |
//   STEEPEST L|R station rate | TICK X station label | TICK Y slope label
std::vector<std::string> DiagramLines(const DiagramModel& model) {
  if (model.empty) {
    return {"DIAGRAM\tnone"};
  }
  std::vector<std::string> lines;
  lines.push_back("DIAGRAM\t" + Shortest(model.station_min) + "\t" + Shortest(model.station_max) +
                  "\t" + Shortest(model.slope_min) + "\t" + Shortest(model.slope_max));
  const std::pair<const char*, const DiagramEdge*> edges[] = {{"L", &model.left},
                                                              {"R", &model.right}};
  for (const auto& [name, edge] : edges) {
    for (const DiagramSample& sample : edge->samples) {
      lines.push_back(std::string("EDGE\t") + name + "\t" + Shortest(sample.station) + "\t" +
                      Shortest(sample.slope));
    }
  }
  for (const DiagramSectionMark& mark : model.marks) {
    lines.push_back("SECTION\t" + std::to_string(mark.section) + "\t" + Shortest(mark.station) +
                    "\t" + Shortest(mark.left) + "\t" + Shortest(mark.right));
  }
  if (model.shown) {
    lines.push_back("SHOWN\t" + std::to_string(model.shown->section));
  }
  for (const auto& [name, edge] : edges) {
    for (const DiagramZero& zero : edge->zeros) {
      lines.push_back(std::string("ZERO\t") + name + "\t" + Shortest(zero.station));
    }
  }
  for (const auto& [name, edge] : edges) {
    lines.push_back(std::string("STEEPEST\t") + name + "\t" + Shortest(edge->steepest.station) +
                    "\t" + Shortest(edge->steepest.rate));
  }
  for (const DiagramTick& tick : model.station_ticks) {
    lines.push_back("TICK\tX\t" + Shortest(tick.value) + "\t" + tick.label);
  }
  for (const DiagramTick& tick : model.slope_ticks) {
    lines.push_back("TICK\tY\t" + Shortest(tick.value) + "\t" + tick.label);
  }
  return lines;
}

void WriteLines(const char* tag, const std::vector<std::string>& lines) {
  if (lines.empty()) {
    std::cout << tag << "\tnone\n";
  }
  for (const std::string& line : lines) {
    std::cout << tag << '\t' << line << '\n';
  }
}

}  // namespace

int main(int argc, char** argv) {
  ScriptHost host;
  std::string line;
  while (std::getline(std::cin, line)) {
    if (!line.empty() && line.back() == '\r') {
      line.pop_back();
    }
    host.replies.push_back(line == "\x1b" ? ScriptHost::Reply() : ScriptHost::Reply(line));
  }
  CalcRecord record;
  for (int i = 1; i < argc; ++i) {
    const std::string click = argv[i];
    if (click == "calculate") {
      RunCalculateCommand(record, host);
    } else if (click == "print") {
      RunPrintCommand(record, host);
    } else if (click == "diagram") {
      for (const std::string& line : DiagramLines(BuildDiagram(record, host.shown_section))) {
        std::cout << line << '\n';
      }
      continue;
    } else if (click == "table") {
      WriteLines("TABLE", TabSeparatedLines(SectionTable(record)));
      continue;
    } else if (click == "csv") {
      WriteLines("CSV", CsvLines(SectionTable(record)));
      continue;
    } else {
      std::cerr << "calc_replay: unknown click '" << click
                << "' (calculate, print, diagram, table or csv)\n";
      return 2;
    }
    for (const std::string& event : host.log) {
      std::cout << event << '\n';
      if (event == "EXHAUSTED") {
        return 3;
      }
    }
    host.log.clear();
    for (const std::string& event : RecordLines(record)) {
      std::cout << event << '\n';
    }
  }
  return 0;
}
