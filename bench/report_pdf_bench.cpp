// Speed of the largest report: written as a PDF file through the printing layer, and recorded by
// the scripted host.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <cstdlib>

#include "app/calc_host.h"
#include "app/calc_record.h"
#include "app/window/heap_tuning.h"
#include "app/window/report_printer.h"
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

// Passes the report's printer operations to the printing layer.
class PdfHost : public CalcHost {
 public:
  explicit PdfHost(ReportPrinter& printer) : printer_(printer) {}

  std::optional<std::string> InputBox(const std::string&) override { return std::nullopt; }
  void SetText(TextField, const std::string&) override {}
  std::string GetText(TextField) override { return {}; }
  void ShowMessage(const std::string&) override {}
  PrintStatus SetPrintPosition(float across, float down) override {
    return printer_.SetPrintPosition(across, down);
  }
  PrintStatus SetPrintFontName(const std::string& name) override {
    return printer_.SetPrintFontName(name);
  }
  PrintStatus SetPrintFontSize(float points) override { return printer_.SetPrintFontSize(points); }
  PrintStatus PrintLine(const std::vector<PrintText>& texts) override {
    return printer_.PrintLine(texts);
  }
  PrintStatus EndDocument() override { return printer_.EndDocument(); }
  void End() override {}

 private:
  ReportPrinter& printer_;
};

void BM_LargestReportAsPdf(benchmark::State& state) {
  CalcRecord record = LargestRecord();
  QTemporaryDir dir;
  // REPORT_PDF keeps the file for a look with pdfinfo.
  const char* kept = std::getenv("REPORT_PDF");
  const QString path = kept ? QString::fromLocal8Bit(kept) : dir.filePath("report.pdf");
  for (auto _ : state) {
    ReportPrinter printer;
    printer.SetPdfFile(path);
    PdfHost host(printer);
    const PrintStatus status = PrintReport(record, host);
    if (!status.ok()) {
      state.SkipWithError(("printing failed: " + status.reason).c_str());
      return;
    }
  }
  state.counters["pdf_bytes"] = static_cast<double>(QFileInfo(path).size());
}
BENCHMARK(BM_LargestReportAsPdf)->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime();

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

int main(int argc, char** argv) {
  KeepLargeBlocksInTheHeap();  // as the program does
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
    return 1;
  }
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
