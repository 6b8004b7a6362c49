// Replays Calculate and Print clicks with replies from standard input and writes every event.
//   calc_replay CLICK...   CLICK: calculate | print | table | csv
// One reply per input line; an empty line is the empty reply, a line of only ESC (0x1B) is
// Cancel. Exit status 3 when the replies run out while a prompt waits, 2 on a bad argument.
// `table` writes the clipboard text of the record as it stands, a TABLE line for each of its
// lines; `csv` a CSV line for each line of its CSV file, without byte-order mark and CR; either
// writes "none" before any calculation.
#include <iostream>
#include <string>
#include <vector>

#include "app/calculate_command.h"
#include "output/section_table.h"
#include "tools/script_host.h"

namespace {

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
    } else if (click == "table") {
      WriteLines("TABLE", TabSeparatedLines(SectionTable(record)));
      continue;
    } else if (click == "csv") {
      WriteLines("CSV", CsvLines(SectionTable(record)));
      continue;
    } else {
      std::cerr << "calc_replay: unknown click '" << click
                << "' (calculate, print, table or csv)\n";
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
