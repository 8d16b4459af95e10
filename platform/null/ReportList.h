#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ListControl.h"

namespace korvanel::null {

// The list control: rows of three texts in the order they were added.
class NullReportList : public ListControl {
 public:
  using Row = std::array<std::string, 3>;

  std::vector<Row> rows;

 private:
  void RemoveRows() override { rows.clear(); }
  void AppendRow(std::string_view text) override { rows.push_back({std::string(text), "", ""}); }
  void SetCell(std::size_t row, SubItem subItem, std::string_view text) override {
    rows[row][static_cast<std::size_t>(subItem)] = text;
  }
};

}  // namespace korvanel::null
