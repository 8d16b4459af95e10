#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <utility>

namespace korvanel::test {

RunningProgram::RunningProgram(WindowRuntime::PrintJobFactory makePrintJob)
    : runtime_(std::move(makePrintJob)), main_(runtime_) {
  main_.Show();
  Pump();
}

RunningProgram::~RunningProgram() {
  main_.Unload();
  // The last window closed posts WM_QUIT: leave none for the next test.
  MSG quit;
  while (PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
  }
}

bool RunningProgram::Pump(int milliseconds) {
  const ULONGLONG until = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
  bool quit = false;
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message == WM_QUIT) {
        quit = true;
        continue;
      }
      runtime_.DeliverMessage(message);
    }
    if (milliseconds > 0) Sleep(10);
  } while (GetTickCount64() < until);
  return quit;
}

HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text) {
  HWND found = FindWindowExW(parent, nullptr, windowClass, text);
  EXPECT_NE(found, nullptr) << "no child of class " << testing::PrintToString(windowClass);
  return found;
}

std::wstring TextOf(HWND window) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

namespace {

std::wstring MenuItemText(HMENU menu, int position) {
  wchar_t text[128]{};
  GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
  return text;
}

}  // namespace

std::vector<std::vector<std::wstring>> MenuTexts(HWND window) {
  std::vector<std::vector<std::wstring>> texts;
  HMENU bar = GetMenu(window);
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    std::vector<std::wstring> menu{MenuItemText(bar, i)};
    HMENU popup = GetSubMenu(bar, i);
    for (int j = 0; j < GetMenuItemCount(popup); ++j) {
      const bool separator =
          (GetMenuState(popup, static_cast<UINT>(j), MF_BYPOSITION) & MF_SEPARATOR) != 0;
      menu.push_back(separator ? L"-" : MenuItemText(popup, j));
    }
    texts.push_back(menu);
  }
  return texts;
}

void ChooseMenu(HWND window, const wchar_t* menu, const wchar_t* item) {
  HMENU bar = GetMenu(window);
  for (int i = 0; i < GetMenuItemCount(bar); ++i) {
    if (MenuItemText(bar, i) != menu) continue;
    HMENU popup = GetSubMenu(bar, i);
    for (int j = 0; j < GetMenuItemCount(popup); ++j) {
      if (MenuItemText(popup, j) != item) continue;
      const UINT id = GetMenuItemID(popup, j);
      SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
      return;
    }
  }
  ADD_FAILURE() << "no menu item " << testing::PrintToString(item);
}

Rows ListRows(HWND list) {
  Rows rows;
  HWND header = reinterpret_cast<HWND>(SendMessageW(list, LVM_GETHEADER, 0, 0));
  const int columns = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
  const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
  for (int row = 0; row < count; ++row) {
    std::vector<std::wstring> cells;
    for (int column = 0; column < columns; ++column) {
      wchar_t text[256]{};
      LVITEMW item{};
      item.iSubItem = column;
      item.pszText = text;
      item.cchTextMax = 256;
      SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
                   reinterpret_cast<LPARAM>(&item));
      cells.emplace_back(text);
    }
    rows.push_back(cells);
  }
  return rows;
}

std::vector<std::wstring> ComboEntries(HWND combo) {
  std::vector<std::wstring> entries;
  const LRESULT count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT i = 0; i < count; ++i) {
    std::wstring text(
        static_cast<std::size_t>(SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0)) +
            1,
        L'\0');
    SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                 reinterpret_cast<LPARAM>(text.data()));
    text.pop_back();
    entries.push_back(text);
  }
  return entries;
}

void TypeInto(HWND combo, const wchar_t* text) {
  HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
  ASSERT_NE(edit, nullptr);
  SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

void PressKey(HWND control, WPARAM key) {
  PostMessageW(control, WM_KEYDOWN, key, 1);
  PostMessageW(control, WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
}

int CountWindows(const wchar_t* caption) {
  int count = 0;
  HWND window = nullptr;
  while ((window = FindWindowExW(nullptr, window, nullptr, caption)) != nullptr) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process == GetCurrentProcessId() && IsWindowVisible(window)) ++count;
  }
  return count;
}

int Dpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

int Px(int twips) { return MulDiv(twips, Dpi(), 1440); }

RECT PlaceOf(HWND control) {
  RECT place{};
  GetWindowRect(control, &place);
  MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&place), 2);
  return place;
}

namespace {

MessageBoxAnswerer* answerer = nullptr;

BOOL CALLBACK AnswerBox(HWND window, LPARAM boxes) {
  wchar_t windowClass[16]{};
  GetClassNameW(window, windowClass, 16);
  if (std::wstring(windowClass) != L"#32770" || !IsWindowVisible(window)) return TRUE;
  HWND text = GetDlgItem(window, 0xFFFF);
  reinterpret_cast<std::vector<MessageBoxAnswerer::Box>*>(boxes)->push_back(
      {TextOf(text), TextOf(window), GetWindow(window, GW_OWNER)});
  // The box hides at once, so the next tick does not count it again.
  SendMessageW(window, WM_COMMAND, IDOK, 0);
  return TRUE;
}

}  // namespace

MessageBoxAnswerer::MessageBoxAnswerer() : timer_(SetTimer(nullptr, 0, 20, Answer)) {
  answerer = this;
}

MessageBoxAnswerer::~MessageBoxAnswerer() {
  KillTimer(nullptr, timer_);
  answerer = nullptr;
}

void CALLBACK MessageBoxAnswerer::Answer(HWND, UINT, UINT_PTR, DWORD) {
  if (answerer == nullptr) return;
  EnumThreadWindows(GetCurrentThreadId(), AnswerBox, reinterpret_cast<LPARAM>(&answerer->boxes_));
}

}  // namespace korvanel::test
