#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Runtime.h"

namespace korvanel::null {

// A combo box or drop-down list box that keeps its entries, its text and
// its current entry. The user types into `text` or picks an entry.
class NullComboBox : public ComboBox {
 public:
  std::string Text() const override { return text; }
  void Pick(std::size_t entry) { SetText(entries.at(entry)); }

  std::vector<std::string> entries;
  std::string text;
  std::optional<std::size_t> current;

 private:
  void AppendEntry(std::string_view entry) override { entries.emplace_back(entry); }
  void RemoveEntries() override {
    entries.clear();
    current.reset();
  }
  void ShowText(std::string_view shown, std::optional<std::size_t> entry) override {
    text = shown;
    current = entry;
  }
};

}  // namespace korvanel::null
