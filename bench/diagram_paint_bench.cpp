// Speed of the diagram of the largest run built and painted offscreen at 2× of the window's band.
#include <benchmark/benchmark.h>

#include <QImage>

#include "app/window/diagram_view.h"
#include "bench/largest_run.h"
#include "output/diagram_model.h"

namespace {

// Goal: under 16 ms, one frame. The model of the largest run, painted on a 1344×560 image.
void BM_LargestRunDiagramPainted(benchmark::State& state) {
  const CalcRecord record = LargestRun();
  if (record.ComputedSections != 32767) {
    state.SkipWithError("the replies did not make the largest run");
    return;
  }
  for (auto _ : state) {
    const QImage image = RenderDiagramImage(BuildDiagram(record, 16384), QSize(672, 280), 2);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_LargestRunDiagramPainted)->Unit(benchmark::kMillisecond);

// The example transition's run by 10 m: seven marks, a zero label and a shown section.
void BM_ExampleDiagramPainted(benchmark::State& state) {
  ScriptHost host({"1", "", "1", "", "100", "", "2", "", "160", "", "6", "", "100", "", "Y", "",
                   "10", "", "0"});
  host.keep_log = false;
  CalcRecord record;
  RunCalculateCommand(record, host);
  if (record.ComputedSections != 7) {
    state.SkipWithError("the replies did not make the example run");
    return;
  }
  for (auto _ : state) {
    const QImage image = RenderDiagramImage(BuildDiagram(record, 3), QSize(672, 280), 2);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_ExampleDiagramPainted)->Unit(benchmark::kMillisecond);

}  // namespace
