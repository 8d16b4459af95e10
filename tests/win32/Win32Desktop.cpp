// The soak's user on the Win32 runtime: windows found by their captions and
// controls by their texts, as the designs give them, driven by the window
// messages a user's actions send.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <utility>

#include "WindowTestSupport.h"
#include "platform/win32/Utf16.h"
#include "tests/desktop/Desktop.h"
#include "ui/info/mAboutDesign.h"
#include "ui/info/mTensionDesign.h"
#include "ui/main/mMainDesign.h"

namespace korvanel::test {
namespace {

std::wstring Wide(std::string_view text) { return win32::WideFromUtf8(text); }
std::string Narrow(const std::wstring& text) { return win32::Utf8FromWide(text); }

const WindowDesign& DesignNamed(std::string_view window) {
  for (const WindowDesign* design : {&design::kMain, &design::kTension, &design::kAbout}) {
    if (design->name == window) return *design;
  }
  ADD_FAILURE() << "no window design " << window;
  return design::kMain;
}

bool IsOwnWindow(HWND window) {
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  return process == GetCurrentProcessId();
}

// The shown top-level windows of the runtime (it runs on this thread) with
// the caption of that design; message boxes, which may share the caption,
// left out. Only this thread's windows are asked for their captions: under
// Wine each of another process's windows costs a round trip to the server.
std::vector<HWND> ShownWindows(std::string_view name) {
  struct Search {
    std::wstring caption;
    std::vector<HWND> shown;
  } search{Wide(DesignNamed(name).caption), {}};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto& found = *reinterpret_cast<Search*>(param);
        wchar_t windowClass[16]{};
        GetClassNameW(window, windowClass, 16);
        if (IsWindowVisible(window) && std::wstring(windowClass) != L"#32770" &&
            TextOf(window) == found.caption) {
          found.shown.push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.shown;
}

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<long*>(count);
  return TRUE;
}

BOOL CALLBACK CountOwnWindows(HWND window, LPARAM count) {
  if (IsOwnWindow(window)) {
    CountWindow(window, count);
    EnumChildWindows(window, CountWindow, count);
  }
  return TRUE;
}

class Win32Desktop : public Desktop {
 public:
  explicit Win32Desktop(WindowRuntime::PrintJobFactory makePrintJob)
      : runtime_(std::move(makePrintJob)) {}

  WindowRuntime& Runtime() override { return runtime_; }

  void Click(std::string_view window, std::string_view control) override {
    const WindowDesign& design = DesignNamed(window);
    for (HWND shown : ShownWindows(window)) {
      for (const MenuDesign& menu : design.menus) {
        for (const MenuItemDesign& item : menu.items) {
          if (item.name == control)
            ChooseMenu(shown, Wide(menu.text).c_str(), Wide(item.text).c_str());
        }
      }
      for (const ControlDesign& button : design.controls) {
        if (button.name == control) {
          SendMessageW(Child(shown, L"Button", Wide(button.text).c_str()), BM_CLICK, 0, 0);
        }
      }
    }
  }
  void Type(std::string_view window, std::string_view, std::string_view text) override {
    for (HWND shown : ShownWindows(window)) TypeInto(Child(shown, L"ComboBox"), Wide(text).c_str());
  }
  // The entry becomes the box's text, and the window hears of it.
  void Pick(std::string_view window, std::string_view, int entry) override {
    for (HWND shown : ShownWindows(window)) {
      HWND box = Child(shown, L"ComboBox");
      SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
      SendMessageW(shown, WM_COMMAND,
                   MAKEWPARAM(static_cast<WORD>(GetDlgCtrlID(box)), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(box));
    }
  }
  void PressEnter(std::string_view window, std::string_view) override {
    for (HWND shown : ShownWindows(window)) {
      PressKey(FindWindowExW(Child(shown, L"ComboBox"), nullptr, L"Edit", nullptr), VK_RETURN);
    }
  }
  void CloseBox(std::string_view window) override {
    for (HWND shown : ShownWindows(window)) SendMessageW(shown, WM_SYSCOMMAND, SC_CLOSE, 0);
  }
  // The last window closed posts WM_QUIT, which ends no loop here.
  void Settle() override {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      if (message.message != WM_QUIT) runtime_.DeliverMessage(message);
    }
  }

  int Shown(std::string_view window) const override {
    return static_cast<int>(ShownWindows(window).size());
  }
  std::vector<std::vector<std::string>> Rows(std::string_view window,
                                             std::string_view) const override {
    std::vector<std::vector<std::string>> rows;
    for (HWND shown : ShownWindows(window)) {
      for (const auto& cells : ListRows(Child(shown, WC_LISTVIEWW))) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const std::wstring& cell : cells) row.push_back(Narrow(cell));
      }
    }
    return rows;
  }
  std::vector<std::string> Entries(std::string_view window, std::string_view) const override {
    std::vector<std::string> entries;
    for (HWND shown : ShownWindows(window)) {
      for (const std::wstring& entry : ComboEntries(Child(shown, L"ComboBox"))) {
        entries.push_back(Narrow(entry));
      }
    }
    return entries;
  }

  std::map<std::string, long> Resources() const override {
    long windows = 0;
    EnumWindows(CountOwnWindows, reinterpret_cast<LPARAM>(&windows));
    return {
        {"windows", windows},
        {"GDI objects", static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))},
        {"USER objects", static_cast<long>(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS))}};
  }

 private:
  win32::Win32Runtime runtime_;
  // Answers the messages of refused lengths and failed prints with OK.
  MessageBoxAnswerer answerer_;
};

}  // namespace

std::unique_ptr<Desktop> StartDesktop(WindowRuntime::PrintJobFactory makePrintJob) {
  return std::make_unique<Win32Desktop>(std::move(makePrintJob));
}

}  // namespace korvanel::test
