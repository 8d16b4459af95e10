// Speed of the fret core: the computation alone, and the computation with
// the 81 cell texts of the fret list kept in memory.
#include <benchmark/benchmark.h>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "core/FretList.h"
#include "core/FretTable.h"

namespace {

using korvanel::FretTable;
using korvanel::ListControl;

// Keeps every cell as a string, as a real list control would.
class TextList : public ListControl {
 public:
  std::size_t size() const { return rows_.size(); }

 private:
  void RemoveRows() override { rows_.clear(); }
  void AppendRow(std::string_view text) override { rows_.push_back({std::string(text), {}, {}}); }
  void SetCell(std::size_t row, SubItem subItem, std::string_view text) override {
    rows_[row][static_cast<std::size_t>(subItem)] = std::string(text);
  }

  std::vector<std::array<std::string, 3>> rows_;
};

void BM_ComputeFrets(benchmark::State& state) {
  FretTable table;
  table.ScaleLength = 650;
  for (auto _ : state) {
    korvanel::ComputeFrets(table);
    benchmark::DoNotOptimize(table);
  }
}
BENCHMARK(BM_ComputeFrets);

void BM_ComputeAndFillFretList(benchmark::State& state) {
  FretTable table;
  TextList list;
  for (auto _ : state) {
    table.ScaleLength = 650;
    korvanel::ComputeFrets(table);
    korvanel::FillFretList(table, list);
    benchmark::DoNotOptimize(list.size());
  }
}
BENCHMARK(BM_ComputeAndFillFretList);

}  // namespace
