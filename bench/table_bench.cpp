// Speed of the calculation table of the largest run: its clipboard text and its CSV file bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "bench/largest_run.h"
#include "output/section_table.h"

namespace {

// The text `make_text` builds from the largest run, timed whole. It has `line_feeds` LF bytes
// when it holds the header and all 32,767 rows.
template <class MakeText>
void LargestRunTable(benchmark::State& state, MakeText make_text, std::ptrdiff_t line_feeds) {
  const CalcRecord record = LargestRun();
  if (record.ComputedSections != 32767) {
    state.SkipWithError("the replies did not make the largest run");
    return;
  }
  std::string text;
  for (auto _ : state) {
    text = make_text(record);
    benchmark::DoNotOptimize(text.data());
  }
  // Checked after timing, so that a table missing rows cannot pass as fast.
  if (std::count(text.begin(), text.end(), '\n') != line_feeds) {
    state.SkipWithError("the text does not hold the header and 32,767 rows");
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * text.size()));
  state.SetItemsProcessed(state.iterations() * 32767);
}

// Goal: under 50 ms.
void BM_LargestRunClipboardText(benchmark::State& state) {
  LargestRunTable(state, ClipboardText, 32767);  // no line break after the last row
}
BENCHMARK(BM_LargestRunClipboardText)->Unit(benchmark::kMillisecond);

// Goal: under 50 ms.
void BM_LargestRunCsvFileBytes(benchmark::State& state) {
  LargestRunTable(state, CsvFileBytes, 32768);
}
BENCHMARK(BM_LargestRunCsvFileBytes)->Unit(benchmark::kMillisecond);

}  // namespace
