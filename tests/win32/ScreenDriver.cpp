// Drives a running korvanel.exe from outside, as a user would, for
// scripts/screenshots-win32.sh: finds the program's windows by caption and
// posts them the messages of a click or a menu command.
//   korvanel_drive wait CAPTION              until that window is shown
//   korvanel_drive click CAPTION BUTTON      clicks the button of that text
//   korvanel_drive menu CAPTION MENU ITEM    chooses a menu item by keys:
//                                            MENU and ITEM count from 0,
//                                            ITEM among the items that can
//                                            be chosen (separators skipped)
//   korvanel_drive rows CAPTION COUNT        until the window's list holds
//                                            COUNT rows (5 s at most)
//   korvanel_drive type CAPTION LABEL TEXT   sets the text of the box that
//                                            label names
//   korvanel_drive pick CAPTION LABEL ENTRY  picks the entry (from 0) of the
//                                            drop-down list box that label
//                                            names, with the arrow keys
// Exits with 1 (and says why) when the window, button, box or rows are
// missing. A label lies just above the box it names (GW_HWNDNEXT of it).
//
// Menus are chosen with the keyboard (F10, arrows, Enter) as typed into the
// window: another process cannot read the program's menus under Wine.
#include <windows.h>

#include <commctrl.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

HWND WaitForWindow(const wchar_t* caption) {
  for (int tries = 0; tries < 200; ++tries) {
    HWND window = FindWindowW(nullptr, caption);
    if (window != nullptr && IsWindowVisible(window)) return window;
    Sleep(50);
  }
  std::fwprintf(stderr, L"no window \"%ls\"\n", caption);
  return nullptr;
}

void Press(WORD key) {
  INPUT input[2]{};
  input[0].type = INPUT_KEYBOARD;
  input[0].ki.wVk = key;
  input[1] = input[0];
  input[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, input, sizeof(INPUT));
  Sleep(100);
}

void ChooseMenu(HWND window, int menu, int item) {
  SetForegroundWindow(window);
  Sleep(200);
  Press(VK_F10);
  for (int i = 0; i < menu; ++i) Press(VK_RIGHT);
  // Down opens the menu on its first item.
  Press(VK_DOWN);
  for (int i = 0; i < item; ++i) Press(VK_DOWN);
  Press(VK_RETURN);
}

HWND BoxNamedBy(HWND window, const wchar_t* label) {
  HWND named = FindWindowExW(window, nullptr, L"Static", label);
  HWND box = named != nullptr ? GetWindow(named, GW_HWNDNEXT) : nullptr;
  if (box == nullptr) std::fwprintf(stderr, L"no box named \"%ls\"\n", label);
  return box;
}

void Pick(HWND box, int entry) {
  for (int current = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0)); current != entry;) {
    SendMessageW(box, WM_KEYDOWN, current < entry ? VK_DOWN : VK_UP, 1);
    const int now = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
    if (now == current) return;
    current = now;
  }
}

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
  if (argc < 3) {
    std::fwprintf(stderr, L"usage: korvanel_drive wait|click|menu|rows|type|pick CAPTION [...]\n");
    return 2;
  }
  const std::wstring command = argv[1];
  HWND window = WaitForWindow(argv[2]);
  if (window == nullptr) return 1;
  if (command == L"wait") return 0;
  if (command == L"click" && argc == 4) {
    HWND button = FindWindowExW(window, nullptr, L"Button", argv[3]);
    if (button == nullptr) {
      std::fwprintf(stderr, L"no button \"%ls\"\n", argv[3]);
      return 1;
    }
    PostMessageW(button, BM_CLICK, 0, 0);
    return 0;
  }
  if (command == L"rows" && argc == 4) {
    HWND list = FindWindowExW(window, nullptr, L"SysListView32", nullptr);
    const LRESULT wanted = _wtoi(argv[3]);
    LRESULT rows = -1;
    for (int tries = 0; list != nullptr && tries < 100; ++tries) {
      rows = SendMessageW(list, LVM_GETITEMCOUNT, 0, 0);
      if (rows == wanted) return 0;
      Sleep(50);
    }
    std::fwprintf(stderr, L"the list holds %lld rows, not %lld\n", static_cast<long long>(rows),
                  static_cast<long long>(wanted));
    return 1;
  }
  if ((command == L"type" || command == L"pick") && argc == 5) {
    HWND box = BoxNamedBy(window, argv[3]);
    if (box == nullptr) return 1;
    if (command == L"pick") {
      Pick(box, _wtoi(argv[4]));
    } else {
      HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
      SendMessageW(edit != nullptr ? edit : box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(argv[4]));
    }
    return 0;
  }
  if (command == L"menu" && argc == 5) {
    ChooseMenu(window, _wtoi(argv[3]), _wtoi(argv[4]));
    return 0;
  }
  std::fwprintf(stderr, L"unknown command\n");
  return 2;
}
