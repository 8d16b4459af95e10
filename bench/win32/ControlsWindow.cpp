// The floor for Korvanel's start-up on Windows: the least a Win32 window of
// its kind pays. A window with the client size of Korvanel's main window,
// the same manifest (common controls 6), one label in "MS Sans Serif" 8 pt
// and one list in report view with three columns, so that the common
// controls and the first font are counted here and not against Korvanel.
#include "YardstickWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace korvanel::bench;
  InitMainWindowControls();

  const int dpi = ScreenDpi();
  HWND window = CreateMainSizedWindow(instance, L"ControlsWindow", L"Controls window", dpi);
  if (window == nullptr) return 1;

  HFONT font = CreateFontW(-MulDiv(8, dpi, 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                           DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"MS Sans Serif");
  HWND label = CreateWindowExW(0, L"STATIC", L"Scale Guitar Length", WS_CHILD | WS_VISIBLE,
                               Pixels(120, dpi), Pixels(170, dpi), Pixels(1455, dpi),
                               Pixels(285, dpi), window, nullptr, instance, nullptr);
  SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  HWND list = CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | LVS_REPORT, Pixels(120, dpi),
                              Pixels(720, dpi), Pixels(8055, dpi), Pixels(6450, dpi), window,
                              nullptr, instance, nullptr);
  const wchar_t* headers[] = {L"Fret", L"Distance from previous (mm)", L"Whole Distance (mm)"};
  const int widths[] = {1000, 3500, 3500};
  for (int index = 0; index < 3; ++index) {
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    column.cx = Pixels(widths[index], dpi);
    column.pszText = const_cast<wchar_t*>(headers[index]);
    column.iSubItem = index;
    SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&column));
  }
  const int status = ShowAndRun(window);
  DeleteObject(font);
  return status;
}
