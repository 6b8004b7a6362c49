// Speed of the diagram model of the largest run: 32,767 sections, drawn as a band.
#include <benchmark/benchmark.h>

#include "bench/largest_run.h"
#include "output/diagram_model.h"

namespace {

// Goal: under 2 ms, the section shown in the middle of the run.
void BM_LargestRunDiagram(benchmark::State& state) {
  const CalcRecord record = LargestRun();
  if (record.ComputedSections != 32767) {
    state.SkipWithError("the replies did not make the largest run");
    return;
  }
  for (auto _ : state) {
    const DiagramModel model = BuildDiagram(record, 16384);
    benchmark::DoNotOptimize(model.right.samples.data());
  }
  state.SetItemsProcessed(state.iterations() * 32767);
}
BENCHMARK(BM_LargestRunDiagram)->Unit(benchmark::kMicrosecond);

}  // namespace
