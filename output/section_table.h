// The calculation table: one row per computed section, as clipboard text and as a CSV file.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/calc_record.h"

// Rows of cells; the first row is the header.
using TextTable = std::vector<std::vector<std::string>>;

// The header, then sections 1 to ComputedSections (the ones the report prints): number, station
// as the report writes it, station in metres, Lp = station - K1, Ip(L), Ip(R). Empty before any
// calculation.
TextTable SectionTable(const CalcRecord& record);

// Each row's cells joined by a tab. The table's own cells never hold a tab or a line break.
std::vector<std::string> TabSeparatedLines(const TextTable& table);

// Each row as a CSV record: cells joined by commas, a cell holding a comma, a double quote, CR or
// LF enclosed in double quotes with its quotes doubled.
std::vector<std::string> CsvLines(const TextTable& table);

// The tab-separated lines joined by "\n", without a final line break; empty before any
// calculation. Pasted into a spreadsheet, every value lands in a cell of its own.
std::string ClipboardText(const CalcRecord& record);

// The CSV file: the UTF-8 byte-order mark, then every CSV line followed by CR LF; only the mark
// before any calculation.
std::string CsvFileBytes(const CalcRecord& record);

// The note after the table was written to `path`; `lines` counts every line, the header's too.
std::string TableExportedNote(const std::string& path, std::size_t lines);

// The note when the table could not be written to `path`, for the given reason.
std::string TableExportFailedNote(const std::string& path, const std::string& reason);

// The note after the table was copied to the clipboard; `lines` as for TableExportedNote.
std::string TableCopiedNote(std::size_t lines);

// The note when a copy or export is asked for before any calculation.
std::string NoTableNote();
