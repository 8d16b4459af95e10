#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ControlError.h"
#include "platform/ListControl.h"

namespace korvanel::test {

// A list that keeps its rows as texts, and can be told to fail at its Nth
// operation (counting from 1) to stand in for a failing list control.
class RecordingList : public ListControl {
 public:
  using Row = std::array<std::string, 3>;

  void FailAtOperation(int operation) { failAt_ = operation; }

  std::vector<Row> rows;

 private:
  void RemoveRows() override {
    Count();
    rows.clear();
  }
  void AppendRow(std::string_view text) override {
    Count();
    rows.push_back(Row{std::string(text), "", ""});
  }
  void SetCell(std::size_t row, SubItem subItem, std::string_view text) override {
    Count();
    rows[row][static_cast<std::size_t>(subItem)] = std::string(text);
  }

  void Count() {
    if (++operations_ == failAt_) throw ControlError("list operation refused");
  }

  int operations_ = 0;
  int failAt_ = 0;
};

}  // namespace korvanel::test
