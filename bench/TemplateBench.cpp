// Speed of the fret template for a fanned board of 36 frets: the geometry,
// the drawing, each file's bytes, and the pages for A4.
#include <benchmark/benchmark.h>

#include "template/Files.h"
#include "template/Pages.h"

namespace {

using namespace korvanel::fret_template;

TemplateInputs Fanned() {
  TemplateInputs inputs;
  inputs.bassScale = 686;
  inputs.trebleScale = 648;
  inputs.perpendicularFret = 8;
  inputs.frets = 36;
  return inputs;
}

void BM_Geometry(benchmark::State& state) {
  const TemplateInputs inputs = Fanned();
  for (auto _ : state) benchmark::DoNotOptimize(ComputeBoard(inputs));
}
BENCHMARK(BM_Geometry);

void BM_Drawing(benchmark::State& state) {
  const BoardGeometry board = ComputeBoard(Fanned());
  for (auto _ : state) benchmark::DoNotOptimize(BoardDrawing(board));
}
BENCHMARK(BM_Drawing);

void BM_Svg(benchmark::State& state) {
  const BoardGeometry board = ComputeBoard(Fanned());
  const Drawing drawing = BoardDrawing(board);
  for (auto _ : state) {
    benchmark::DoNotOptimize(SvgFile(drawing, Unit::Millimetre, "title", "description"));
  }
}
BENCHMARK(BM_Svg);

void BM_Dxf(benchmark::State& state) {
  const Drawing drawing = BoardDrawing(ComputeBoard(Fanned()));
  for (auto _ : state) benchmark::DoNotOptimize(DxfFile(drawing, Unit::Millimetre));
}
BENCHMARK(BM_Dxf);

void BM_PagesA4(benchmark::State& state) {
  const BoardGeometry board = ComputeBoard(Fanned());
  for (auto _ : state) benchmark::DoNotOptimize(MakePages(board));
}
BENCHMARK(BM_PagesA4);

}  // namespace
