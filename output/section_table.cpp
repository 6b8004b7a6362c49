// The calculation table's cells and its two written forms, independent of the locale.
#include "output/section_table.h"

#include <charconv>

#include "entry/number_text.h"
#include "entry/station_notation.h"

namespace {

std::string CountText(std::size_t count) {
  char buffer[24];
  const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, count);
  return std::string(buffer, ec == std::errc() ? end : buffer);
}

template <class CellText>
std::vector<std::string> JoinedLines(const TextTable& table, char separator, CellText cell_text) {
  std::vector<std::string> lines;
  lines.reserve(table.size());
  for (const std::vector<std::string>& row : table) {
    std::string line;
    for (std::size_t i = 0; i < row.size(); ++i) {
      if (i > 0) {
        line += separator;
      }
      cell_text(line, row[i]);
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

void AppendCsvField(std::string& line, const std::string& cell) {
  if (cell.find_first_of(",\"\r\n") == std::string::npos) {
    line += cell;
    return;
  }
  line += '"';
  for (const char c : cell) {
    if (c == '"') {
      line += '"';
    }
    line += c;
  }
  line += '"';
}

}  // namespace

TextTable SectionTable(const CalcRecord& record) {
  TextTable table;
  if (record.ComputedSections <= 0) {
    return table;
  }
  table.reserve(static_cast<std::size_t>(record.ComputedSections) + 1);
  table.push_back({"序号", "桩号", "桩号（米）", "距起点 Lp（米）", "左侧横坡 Ip(L)（%）",
                   "右侧横坡 Ip(R)（%）"});
  for (int i = 1; i <= record.ComputedSections; ++i) {
    const double station = record.Stations[i];
    table.push_back({CountText(static_cast<std::size_t>(i)), FormatStation(station, "K"),
                     FormatFixed(station, 3), FormatFixed(station - record.K1, 3),
                     FormatThreeDecimals(record.LeftSlopes[i]),
                     FormatThreeDecimals(record.RightSlopes[i])});
  }
  return table;
}

std::vector<std::string> TabSeparatedLines(const TextTable& table) {
  return JoinedLines(table, '\t', [](std::string& line, const std::string& cell) { line += cell; });
}

std::vector<std::string> CsvLines(const TextTable& table) {
  return JoinedLines(table, ',', AppendCsvField);
}

std::string ClipboardText(const CalcRecord& record) {
  const std::vector<std::string> lines = TabSeparatedLines(SectionTable(record));
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) {
      text += '\n';
    }
    text += lines[i];
  }
  return text;
}

std::string CsvFileBytes(const CalcRecord& record) {
  std::string bytes = "\xEF\xBB\xBF";
  for (const std::string& line : CsvLines(SectionTable(record))) {
    bytes += line;
    bytes += "\r\n";
  }
  return bytes;
}

std::string TableExportedNote(const std::string& path, std::size_t lines) {
  return "计算表已导出为 " + path + "（" + CountText(lines) + " 行）";
}

std::string TableExportFailedNote(const std::string& path, const std::string& reason) {
  return "计算表未能导出为 " + path + "：" + reason;
}

std::string TableCopiedNote(std::size_t lines) {
  return "计算表已复制到剪贴板（" + CountText(lines) + " 行）";
}

std::string NoTableNote() {
  return "尚未计算，没有计算表";
}
