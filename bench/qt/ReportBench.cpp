// Speed of the printed report: its 35 lines alone, and the whole print
// command (settings, lines, end of document) into a PDF file.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPageSize>
#include <QPrinter>
#include <QTemporaryDir>

#include "core/FretTable.h"
#include "platform/CommonDialog.h"
#include "platform/qt/PrintJob.h"
#include "platform/qt/Printer.h"
#include "report/FretReport.h"

namespace {

using korvanel::FretTable;

FretTable Table650() {
  FretTable table;
  table.ScaleLength = 650;
  korvanel::ComputeFrets(table);
  return table;
}

// A dialog confirmed at once: the benchmark measures printing, not waiting.
class ConfirmedDialog : public korvanel::CommonDialog {
 public:
  void SetPrintToFileOffered(bool) override {}
  void ShowPrinter() override {}
};

void BM_FretReportLines(benchmark::State& state) {
  const FretTable table = Table650();
  for (auto _ : state) {
    benchmark::DoNotOptimize(korvanel::FretReportLines(table, "."));
  }
}
BENCHMARK(BM_FretReportLines);

void BM_PrintReportToPdf(benchmark::State& state) {
  FretTable table = Table650();
  QTemporaryDir dir;
  const QString path = dir.filePath("report.pdf");
  ConfirmedDialog dialog;
  for (auto _ : state) {
    QPrinter device(QPrinter::HighResolution);
    device.setOutputFormat(QPrinter::PdfFormat);
    device.setPageSize(QPageSize(QPageSize::A4));
    device.setOutputFileName(path);
    korvanel::qt::SetPrintMargins(device);
    korvanel::qt::QtPrinter printer(device);
    korvanel::PrintFretTable(table, ".", dialog, printer);
    printer.EndDoc();
  }
}
BENCHMARK(BM_PrintReportToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

// The printer needs the application's font database.
int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
