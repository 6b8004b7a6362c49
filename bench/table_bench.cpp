// Speed of the calculation table of the largest run: its clipboard text and its CSV file bytes.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstddef>
#include <string>
#include <vector>

#include "app/calculate_command.h"
#include "output/section_table.h"
#include "tools/script_host.h"

namespace {

// The largest run: K1 0, K2 655320, KI 0, DL 20 make 32,767 sections. Every value is confirmed
// with Enter, and the output answer selects no output.
CalcRecord LargestRun() {
  std::vector<ScriptHost::Reply> replies;
  for (const char* value : {"1", "1", "0", "2", "655320", "6", "0", "Y", "20"}) {
    replies.emplace_back(value);
    replies.emplace_back("");
  }
  replies.emplace_back("");
  ScriptHost host(replies);
  host.keep_log = false;
  CalcRecord record;
  RunCalculateCommand(record, host);
  return record;
}

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

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
