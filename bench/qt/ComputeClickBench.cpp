// "Compute" on the real main window: reading the length, the table and the
// refill of the 27 list rows, as one click; and "Draw" on the real fret
// template: reading its fields, the board, its picture and the refill of its
// fret list.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <cstdlib>

#include "platform/qt/Runtime.h"
#include "tests/qt/UiTestSupport.h"
#include "ui/main/mMain.h"

namespace {

// Set by main once the window is shown; the window lives in main so that it
// goes before the application does.
QPushButton* gCompute = nullptr;
QPushButton* gDraw = nullptr;

void BM_ComputeClick(benchmark::State& state) {
  QPushButton* compute = gCompute;
  for (auto _ : state) compute->click();
}
BENCHMARK(BM_ComputeClick)->Unit(benchmark::kMicrosecond);

// The same, with the list drawn again as the user would see it.
void BM_ComputeClickAndRepaint(benchmark::State& state) {
  QPushButton* compute = gCompute;
  for (auto _ : state) {
    compute->click();
    compute->window()->repaint();
  }
}
BENCHMARK(BM_ComputeClickAndRepaint)->Unit(benchmark::kMicrosecond);

// Draw for a fanned board of 24 frets, with the window painted again.
void BM_TemplateDrawAndRepaint(benchmark::State& state) {
  QPushButton* draw = gDraw;
  for (auto _ : state) {
    draw->click();
    draw->window()->repaint();
  }
}
BENCHMARK(BM_TemplateDrawAndRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char* argv[]) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  korvanel::qt::QtRuntime runtime;
  korvanel::mMain program(runtime);
  program.Show();
  QMainWindow& window = *runtime.WidgetOf(program);
  QCoreApplication::processEvents();
  gCompute = window.findChild<QPushButton*>("btnCompute");
  gDraw = korvanel::test::OpenFannedTemplate(window)->findChild<QPushButton*>("btnDraw");
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
