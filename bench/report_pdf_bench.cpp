// Speed of the largest report: written as a PDF file through the printing layer, sent to the
// print service, and recorded by the scripted host.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/calc_record.h"
#include "app/window/main_window.h"
#include "output/print_report.h"
#include "tools/script_host.h"

namespace {

// The most sections a run can have: SectionCount 32766 uses table slot_count up to 32767.
CalcRecord LargestRecord() {
  CalcRecord record;
  record.SectionCount = 32766;
  record.ComputedSections = 32767;
  record.K1 = 12345.678;
  record.DL = 0.01f;
  record.K2 = record.K1 + 32766 * 0.01;
  record.L = static_cast<float>(record.K2 - record.K1);
  record.I1 = 2;
  record.I2 = 6;
  record.TurnDirection = 1;
  record.CurvePosition = 1;
  const int slot_count = 32768;
  record.Stations.resize(slot_count);
  record.LeftSlopes.resize(slot_count);
  record.RightSlopes.resize(slot_count);
  record.Stations[0] = record.K1;
  // The outer edge turns from -I1 to +I2 and the inner edge from -I1 to -I2 along the
  // transition, so the rows hold every sign combination and pass through 0.
  for (int i = 1; i < slot_count; ++i) {
    const double t = (i - 1) / 32766.0;
    record.Stations[i] = record.K1 + (i - 1) * 0.01;
    record.LeftSlopes[i] = static_cast<float>(-record.I1 + (record.I1 + record.I2) * t);
    record.RightSlopes[i] = static_cast<float>(-record.I1 - (record.I2 - record.I1) * t);
  }
  return record;
}

void BM_LargestReportAsPdf(benchmark::State& state) {
  CalcRecord record = LargestRecord();
  QTemporaryDir dir;
  // REPORT_PDF keeps the file for a look with pdfinfo.
  const char* kept = std::getenv("REPORT_PDF");
  const QString path = kept ? QString::fromLocal8Bit(kept) : dir.filePath("report.pdf");
  // The program's own host, as the Print button uses it, with its printer pointed at the file.
  MainWindow window;
  window.host().printer().SetPdfFile(path);
  for (auto _ : state) {
    const PrintStatus status = PrintReport(record, window.host());
    if (!status.ok()) {
      state.SkipWithError(("printing failed: " + status.reason).c_str());
      return;
    }
  }
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_LargestReportAsPdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

// From the Print click to the job accepted by the print service (CUPS_SERVER, with a default
// printer: for example the tests' own, tests/print_service/cupsd.sh): the printer's state
// checked, the report laid out, painted into a PDF and submitted.
void BM_LargestReportToPrintService(benchmark::State& state) {
  CalcRecord record = LargestRecord();
  MainWindow window;
  int pages = 0;
  for (auto _ : state) {
    const PrintStatus status = PrintReport(record, window.host());
    if (!status.ok() || status.job == 0) {
      state.SkipWithError(("not printed: " + status.reason).c_str());
      return;
    }
    pages = status.pages;
  }
  state.counters["pages"] = pages;
}
BENCHMARK(BM_LargestReportToPrintService)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_LargestReportRecorded(benchmark::State& state) {
  CalcRecord record = LargestRecord();
  size_t lines = 0;
  for (auto _ : state) {
    ScriptHost host;
    if (!PrintReport(record, host).ok()) {
      state.SkipWithError("the recording host refused the report");
      return;
    }
    lines = host.log.size();
    benchmark::DoNotOptimize(host.log.data());
  }
  state.counters["log_lines"] = static_cast<double>(lines);
}
BENCHMARK(BM_LargestReportRecorded)->Unit(benchmark::kMillisecond);

}  // namespace
