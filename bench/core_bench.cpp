// Speed of the core: one section's slopes, the largest continuous run through the Calculate
// command, and the texts of all its sections.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "app/calculate_command.h"
#include "bench/largest_run.h"
#include "calc/section_slopes.h"
#include "calc/section_stationing.h"
#include "entry/number_text.h"
#include "entry/station_notation.h"
#include "entry/value_text.h"
#include "tools/script_host.h"

namespace {

void BM_ComputeSectionSlopes(benchmark::State& state) {
  double kp = 12345.678;
  for (auto _ : state) {
    const SectionSlopes slopes = ComputeSectionSlopes(1, 1, 12345.678, 60, 2, 6, kp);
    benchmark::DoNotOptimize(slopes);
    kp += 0.01;  // a new station each time, so nothing can be computed once for all
  }
}
BENCHMARK(BM_ComputeSectionSlopes);

// The largest run through the Calculate command, on a record that starts out as `start`.
void LargestContinuousRun(benchmark::State& state, const CalcRecord& start) {
  const std::vector<ScriptHost::Reply> replies = LargestRunReplies();
  CalcRecord record = start;
  for (auto _ : state) {
    ScriptHost host(replies);
    host.keep_log = false;
    if (start.ComputedSections == 0) {
      state.PauseTiming();
      record = start;
      state.ResumeTiming();
    }
    RunCalculateCommand(record, host);
    if (record.ComputedSections != 32767 || !host.replies.empty()) {
      state.SkipWithError("the replies did not make the largest run");
      break;
    }
    benchmark::DoNotOptimize(record.RightSlopes.data());
  }
  state.SetItemsProcessed(state.iterations() * 32767);
}

// Goal: under 1 ms. The window keeps one record for its life, so each click but the first finds
// the previous run in it; the first click, on an empty record, is measured below.
void BM_LargestContinuousRun(benchmark::State& state) {
  LargestContinuousRun(state, LargestRun());
}
BENCHMARK(BM_LargestContinuousRun)->Unit(benchmark::kMicrosecond);

void BM_LargestContinuousRunOnNewRecord(benchmark::State& state) {
  LargestContinuousRun(state, CalcRecord());
}
BENCHMARK(BM_LargestContinuousRunOnNewRecord)->Unit(benchmark::kMicrosecond);

// The stationing and slopes of the largest run alone, on tables that keep their memory: what the
// two runs above spend beyond this goes to copying and allocating the record's tables.
void BM_LargestRunComputation(benchmark::State& state) {
  CalcRecord record = LargestRun();
  for (auto _ : state) {
    const std::vector<float> intervals = PrepareSectionTables(record, 0);
    if (ComputeContinuousRun(record, intervals) != RunFailure::None) {
      state.SkipWithError("the largest run failed");
      break;
    }
    benchmark::DoNotOptimize(record.RightSlopes.data());
  }
  state.SetItemsProcessed(state.iterations() * 32767);
}
BENCHMARK(BM_LargestRunComputation)->Unit(benchmark::kMicrosecond);

// The three texts of every section of the largest run, as `section_texts` writes them.
template <class SectionTexts>
void LargestRunTexts(benchmark::State& state, SectionTexts section_texts) {
  const CalcRecord record = LargestRun();
  if (record.ComputedSections != 32767) {
    state.SkipWithError("the replies did not make the largest run");
    return;
  }
  for (auto _ : state) {
    size_t characters = 0;
    for (int i = 1; i <= record.ComputedSections; ++i) {
      characters += section_texts(record, i);
    }
    benchmark::DoNotOptimize(characters);
  }
  state.SetItemsProcessed(state.iterations() * 3 * 32767);
}

// Goal: all 32,767 × 3 texts under 10 ms. The station as the report writes it and both slopes in
// the "0.000" pattern, as the report and the result fields show them.
void BM_LargestRunTexts(benchmark::State& state) {
  LargestRunTexts(state, [](const CalcRecord& record, int i) {
    return FormatStation(record.Stations[i], "K").size() +
           FormatThreeDecimals(record.LeftSlopes[i]).size() +
           FormatThreeDecimals(record.RightSlopes[i]).size();
  });
}
BENCHMARK(BM_LargestRunTexts)->Unit(benchmark::kMillisecond);

// The same sections as the result fields show them: " K" station and " %" slope texts.
void BM_LargestRunFieldTexts(benchmark::State& state) {
  LargestRunTexts(state, [](const CalcRecord& record, int i) {
    return FormatStation(record.Stations[i]).size() + SlopeText(record.LeftSlopes[i], "%").size() +
           SlopeText(record.RightSlopes[i]).size();
  });
}
BENCHMARK(BM_LargestRunFieldTexts)->Unit(benchmark::kMillisecond);

}  // namespace
