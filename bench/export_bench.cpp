// Speed of the largest run's table leaving the program: on the clipboard, and as a CSV file
// written whole through QSaveFile.
#include <benchmark/benchmark.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>

#include "app/window/export_actions.h"
#include "bench/largest_run.h"
#include "output/section_table.h"

namespace {

// Goal: under 50 ms, from the record to the text on the clipboard.
void BM_LargestRunTableToClipboard(benchmark::State& state) {
  const CalcRecord record = LargestRun();
  for (auto _ : state) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(ClipboardText(record)));
  }
}
BENCHMARK(BM_LargestRunTableToClipboard)->Unit(benchmark::kMillisecond);

// Goal: under 50 ms, from the record to the file on disk.
void BM_LargestRunCsvToFile(benchmark::State& state) {
  const CalcRecord record = LargestRun();
  QTemporaryDir dir;
  const QString path = dir.filePath("超高渐变段横坡计算表.csv");
  for (auto _ : state) {
    if (WriteWholeFile(path, QByteArray::fromStdString(CsvFileBytes(record)))) {
      state.SkipWithError("the file was not written");
      return;
    }
  }
}
BENCHMARK(BM_LargestRunCsvToFile)->Unit(benchmark::kMillisecond);

}  // namespace
