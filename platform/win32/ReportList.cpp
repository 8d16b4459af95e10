#include "platform/win32/ReportList.h"

#include <commctrl.h>

#include <climits>
#include <string>

#include "platform/ControlError.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr UINT_PTR kRedrawTimer = 1;

// Runs when the message queue has nothing else to do: timer messages come
// after every other message and every paint.
void CALLBACK DrawAgain(HWND list, UINT, UINT_PTR timer, DWORD) {
  KillTimer(list, timer);
  SendMessageW(list, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(list, nullptr, TRUE);
}

}  // namespace

ReportList::ReportList(HWND parent, const PixelBox& place, int id, HFONT font,
                       std::span<const ListColumn> columns, int dpi)
    : columns_(columns) {
  list_ = MakeChild(parent, WC_LISTVIEWW, "",
                    WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_SINGLESEL | LVS_NOSORTHEADER,
                    WS_EX_CLIENTEDGE, place, id, font);
  SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
  int index = 0;
  for (const ListColumn& design : columns) {
    std::wstring header = WideFromUtf8(design.header);
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.fmt = LVCFMT_LEFT;
    column.cx = TwipsToPixels(design.width, dpi);
    column.pszText = header.data();
    column.iSubItem = index;
    if (SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&column)) != index) {
      throw ControlError("The list column " + std::string(design.header) + " could not be added.");
    }
    ++index;
  }
}

void ReportList::Place(const PixelBox& place, HFONT font, int dpi) {
  SetWindowPos(list_, nullptr, place.left, place.top, place.width, place.height,
               SWP_NOZORDER | SWP_NOACTIVATE);
  // The list takes the rows' height from the font, and gives it its header.
  SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  for (std::size_t index = 0; index < columns_.size(); ++index) {
    SendMessageW(list_, LVM_SETCOLUMNWIDTH, index,
                 MAKELPARAM(TwipsToPixels(columns_[index].width, dpi), 0));
  }
}

// The list control redraws itself after every change (under Wine, every
// added row costs a third of a millisecond), so the changes one handler
// makes are drawn once, when the program waits for the user again.
void ReportList::DrawWhenIdle() {
  SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
  SetTimer(list_, kRedrawTimer, USER_TIMER_MINIMUM, DrawAgain);
}

void ReportList::RemoveRows() {
  DrawWhenIdle();
  if (!SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0)) {
    throw ControlError("The rows of the list could not be removed.");
  }
}

void ReportList::AppendRow(std::string_view text) {
  DrawWhenIdle();
  std::wstring wide = WideFromUtf8(text);
  LVITEMW item{};
  item.mask = LVIF_TEXT;
  // Past the last row: the list adds the row at its end.
  item.iItem = INT_MAX;
  item.pszText = wide.data();
  const LRESULT index = SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  if (index < 0) throw ControlError("The row could not be added to the list.");
}

void ReportList::SetCell(std::size_t row, SubItem subItem, std::string_view text) {
  std::wstring wide = WideFromUtf8(text);
  LVITEMW cell{};
  cell.iSubItem = static_cast<int>(subItem);
  cell.pszText = wide.data();
  if (!SendMessageW(list_, LVM_SETITEMTEXTW, static_cast<WPARAM>(row),
                    reinterpret_cast<LPARAM>(&cell))) {
    throw ControlError("The list could not show the text.");
  }
}

}  // namespace korvanel::win32
