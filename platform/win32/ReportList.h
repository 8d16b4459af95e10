#pragma once

#include <windows.h>

#include <span>

#include "platform/ListControl.h"
#include "platform/Twips.h"
#include "platform/WindowDesign.h"

namespace korvanel::win32 {

// The list control: a SysListView32 in report view with a header row and
// the design's left-aligned columns at fixed widths, rows in the order they
// were added, never sorted, whole rows selected. In the tab order.
class ReportList : public ListControl {
 public:
  // Fails with ControlError.
  ReportList(HWND parent, const PixelBox& place, int id, HFONT font,
             std::span<const ListColumn> columns, int dpi);

  HWND Handle() const { return list_; }

  // Lays the list out again at `dpi`: moved to `place`, its rows and header
  // in `font`, the columns at their design widths.
  void Place(const PixelBox& place, HFONT font, int dpi);

 private:
  void RemoveRows() override;
  void AppendRow(std::string_view text) override;
  void SetCell(std::size_t row, SubItem subItem, std::string_view text) override;
  void DrawWhenIdle();

  HWND list_;
  std::span<const ListColumn> columns_;
};

}  // namespace korvanel::win32
