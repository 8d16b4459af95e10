// The user on the Win32 runtime: windows found by their captions and
// controls by their design names (the form's control ids), driven by the
// window messages a user's actions send.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <utility>

#include "WindowTestSupport.h"
#include "platform/win32/Drawing.h"
#include "platform/win32/FileSaver.h"
#include "platform/win32/Form.h"
#include "platform/win32/Placement.h"
#include "platform/win32/Utf16.h"
#include "tests/desktop/Desktop.h"
#include "ui/info/mAboutDesign.h"
#include "ui/info/mTensionDesign.h"
#include "ui/main/mMainDesign.h"
#include "ui/template/mTemplateDesign.h"

namespace korvanel::test {
namespace {

std::wstring Wide(std::string_view text) { return win32::WideFromUtf8(text); }
std::string Narrow(const std::wstring& text) { return win32::Utf8FromWide(text); }

const WindowDesign& DesignNamed(std::string_view window) {
  for (const WindowDesign* design :
       {&design::kMain, &design::kTension, &design::kAbout, &design::kTemplate}) {
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

// A folder of its own under the user's temporary folder, removed with what
// was saved into it.
class SaveFolder {
 public:
  SaveFolder() {
    wchar_t temporary[MAX_PATH]{};
    GetTempPathW(MAX_PATH, temporary);
    path_ = std::wstring(temporary) + L"korvanel-desktop-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~SaveFolder() {
    WIN32_FIND_DATAW found{};
    HANDLE search = FindFirstFileW((path_ + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do {
        DeleteFileW((path_ + L"\\" + found.cFileName).c_str());
      } while (FindNextFileW(search, &found));
      FindClose(search);
    }
    RemoveDirectoryW(path_.c_str());
  }
  SaveFolder(const SaveFolder&) = delete;
  SaveFolder& operator=(const SaveFolder&) = delete;

  std::wstring PathOf(std::string_view name) const { return path_ + L"\\" + Wide(name); }

 private:
  std::wstring path_;
};

// The runtime, telling when it has ended the program.
class EndingRuntime : public win32::Win32Runtime {
 public:
  using Win32Runtime::Win32Runtime;
  bool ended = false;

 protected:
  void Quit() override {
    ended = true;
    Win32Runtime::Quit();
  }
};

PixelBox BoxOf(const RECT& rect) {
  return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

class Win32Desktop : public Desktop {
 public:
  // Saves go through the runtime's own writer; only the dialog is answered.
  explicit Win32Desktop(WindowRuntime::PrintJobFactory makePrintJob)
      : runtime_(std::move(makePrintJob), [this](Form& over) {
          return std::make_unique<win32::Win32FileSaver>(
              static_cast<win32::Win32Form&>(over).Handle(),
              [this](HWND, const std::wstring&, const FileType&) -> std::optional<std::wstring> {
                if (!answer_) return std::nullopt;
                return folder_.PathOf(*answer_);
              });
        }) {}

  WindowRuntime& Runtime() override { return runtime_; }

  void Click(std::string_view window, std::string_view control) override {
    const WindowDesign& design = DesignNamed(window);
    for (HWND shown : ShownWindows(window)) {
      for (const MenuDesign& menu : design.menus) {
        for (const MenuItemDesign& item : menu.items) {
          if (item.name != control) continue;
          ChooseMenu(shown, Wide(menu.text).c_str(), Wide(item.text).c_str());
          return;
        }
      }
      if (HWND button = Control(shown, control)) SendMessageW(button, BM_CLICK, 0, 0);
    }
  }
  // Into a text box, or into the edit field of a combo box.
  void Type(std::string_view window, std::string_view box, std::string_view text) override {
    for (HWND shown : ShownWindows(window)) {
      HWND control = Control(shown, box);
      if (FindWindowExW(control, nullptr, L"Edit", nullptr) != nullptr) {
        TypeInto(control, Wide(text).c_str());
      } else {
        SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Wide(text).c_str()));
      }
    }
  }
  // A drop-down list box is picked from with the arrow keys, one entry a
  // key, as a user does: the control itself tells the window of each
  // change (CBN_SELCHANGE). The entry of an editable box becomes its text.
  void Pick(std::string_view window, std::string_view comboBox, int entry) override {
    for (HWND shown : ShownWindows(window)) {
      HWND box = Control(shown, comboBox);
      if (FindWindowExW(box, nullptr, L"Edit", nullptr) != nullptr) {
        SendMessageW(box, CB_SETCURSEL, static_cast<WPARAM>(entry), 0);
        continue;
      }
      for (int current = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
           current != entry && current >= -1;) {
        SendMessageW(box, WM_KEYDOWN, current < entry ? VK_DOWN : VK_UP, 1);
        const int now = static_cast<int>(SendMessageW(box, CB_GETCURSEL, 0, 0));
        if (now == current) break;  // at the list's end
        current = now;
      }
    }
  }
  // The user clicks into the control first: its window becomes active.
  void PressEnter(std::string_view window, std::string_view control) override {
    for (HWND shown : ShownWindows(window)) {
      HWND target = Control(shown, control);
      if (HWND edit = FindWindowExW(target, nullptr, L"Edit", nullptr)) target = edit;
      SetForegroundWindow(shown);
      SetFocus(target);
      PressKey(target, VK_RETURN);
      Settle();
    }
  }
  void PressTab(std::string_view window, bool backwards) override {
    for (HWND shown : ShownWindows(window)) {
      SetForegroundWindow(shown);
      Settle();
      BYTE keys[256]{};
      GetKeyboardState(keys);
      keys[VK_SHIFT] = backwards ? 0x80 : 0;
      SetKeyboardState(keys);
      PressKey(GetFocus() != nullptr ? GetFocus() : shown, VK_TAB);
      Settle();
      keys[VK_SHIFT] = 0;
      SetKeyboardState(keys);
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
  std::string Caption(std::string_view window) const override {
    for (HWND shown : ShownWindows(window)) return Narrow(TextOf(shown));
    return "";
  }
  std::string Text(std::string_view window, std::string_view control) const override {
    for (HWND shown : ShownWindows(window)) return Narrow(TextOf(Control(shown, control)));
    return "";
  }
  int CurrentEntry(std::string_view window, std::string_view comboBox) const override {
    for (HWND shown : ShownWindows(window)) {
      return static_cast<int>(SendMessageW(Control(shown, comboBox), CB_GETCURSEL, 0, 0));
    }
    return -1;
  }
  // The control that holds the focus: itself, or the part of it that has it
  // (the text field of a combo box).
  std::string Focused(std::string_view window) const override {
    for (HWND shown : ShownWindows(window)) {
      for (HWND focus = GetFocus(); focus != nullptr; focus = GetParent(focus)) {
        if (GetParent(focus) == shown && FormOf(shown) != nullptr) {
          return std::string(FormOf(shown)->NameOf(focus));
        }
      }
    }
    return "";
  }
  std::vector<std::string> Messages() override {
    std::vector<std::string> texts;
    for (std::size_t i = told_; i < answerer_.Boxes().size(); ++i) {
      texts.push_back(Narrow(answerer_.Boxes()[i].text));
    }
    told_ = answerer_.Boxes().size();
    return texts;
  }
  bool Ended() const override { return runtime_.ended; }
  // What screen readers read as the drawing's name: its window text.
  std::string DrawingName(std::string_view window, std::string_view drawing) const override {
    for (HWND shown : ShownWindows(window)) return Narrow(TextOf(Control(shown, drawing)));
    return "";
  }
  int DrawnLines(std::string_view window, std::string_view drawing) const override {
    for (HWND shown : ShownWindows(window)) {
      const auto* made = dynamic_cast<const win32::DrawingWindow*>(
          &const_cast<win32::Win32Form*>(FormOf(shown))->DrawingNamed(drawing));
      return made != nullptr ? static_cast<int>(made->Shown().lines.size()) : 0;
    }
    return 0;
  }
  void AnswerSaves(std::optional<std::string> fileName) override { answer_ = std::move(fileName); }
  std::optional<std::string> Saved(const std::string& fileName) const override {
    std::ifstream file(folder_.PathOf(fileName).c_str(), std::ios::binary);
    if (!file) return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
  }

  int Dpi(std::string_view window) const override {
    for (HWND shown : ShownWindows(window)) return win32::WindowDpi(shown);
    return 0;
  }
  PixelBox ClientArea(std::string_view window) const override {
    RECT client{};
    for (HWND shown : ShownWindows(window)) GetClientRect(shown, &client);
    return BoxOf(client);
  }
  PixelBox Place(std::string_view window, std::string_view control) const override {
    for (HWND shown : ShownWindows(window)) return BoxOf(PlaceOf(Control(shown, control)));
    return {};
  }
  // A line is a window shaped to its pixels: the corners of its rectangle
  // that it covers are its ends.
  std::vector<Point> Ends(std::string_view window, std::string_view line) const override {
    for (HWND shown : ShownWindows(window)) {
      HWND drawn = Control(shown, line);
      const RECT place = PlaceOf(drawn);
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      GetWindowRgn(drawn, region);
      const int right = place.right - place.left - 1;
      const int bottom = place.bottom - place.top - 1;
      const bool falls = PtInRegion(region, 0, 0) != FALSE;
      DeleteObject(region);
      if (falls) return {{place.left, place.top}, {place.left + right, place.top + bottom}};
      return {{place.left, place.top + bottom}, {place.left + right, place.top}};
    }
    return {};
  }
  std::vector<Column> Columns(std::string_view window, std::string_view list) const override {
    std::vector<Column> columns;
    for (HWND shown : ShownWindows(window)) {
      HWND view = Control(shown, list);
      for (int i = 0;; ++i) {
        wchar_t text[64]{};
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH;
        column.pszText = text;
        column.cchTextMax = 64;
        if (!SendMessageW(view, LVM_GETCOLUMNW, static_cast<WPARAM>(i),
                          reinterpret_cast<LPARAM>(&column))) {
          break;
        }
        columns.push_back({Narrow(text), column.cx});
      }
    }
    return columns;
  }
  std::vector<Menu> Menus(std::string_view window) const override {
    std::vector<Menu> menus;
    for (HWND shown : ShownWindows(window)) {
      for (const auto& texts : MenuTexts(shown)) {
        Menu& menu = menus.emplace_back(Menu{Narrow(texts.front()), {}});
        for (std::size_t i = 1; i < texts.size(); ++i) menu.items.push_back(Narrow(texts[i]));
      }
    }
    return menus;
  }
  std::vector<std::vector<std::string>> Rows(std::string_view window,
                                             std::string_view list) const override {
    std::vector<std::vector<std::string>> rows;
    for (HWND shown : ShownWindows(window)) {
      for (const auto& cells : ListRows(Control(shown, list))) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const std::wstring& cell : cells) row.push_back(Narrow(cell));
      }
    }
    return rows;
  }
  std::vector<std::string> Entries(std::string_view window,
                                   std::string_view comboBox) const override {
    std::vector<std::string> entries;
    for (HWND shown : ShownWindows(window)) {
      for (const std::wstring& entry : ComboEntries(Control(shown, comboBox))) {
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
  const win32::Win32Form* FormOf(HWND shown) const {
    for (const auto& form : runtime_.LoadedForms()) {
      const auto& loaded = static_cast<const win32::Win32Form&>(*form);
      if (loaded.Handle() == shown) return &loaded;
    }
    return nullptr;
  }
  HWND Control(HWND shown, std::string_view name) const {
    const win32::Win32Form* form = FormOf(shown);
    return form != nullptr ? form->ControlNamed(name) : nullptr;
  }

  SaveFolder folder_;
  std::optional<std::string> answer_;
  EndingRuntime runtime_;
  // Answers the messages of refused lengths and failed prints with OK.
  MessageBoxAnswerer answerer_;
  std::size_t told_ = 0;
};

}  // namespace

std::unique_ptr<Desktop> StartDesktop(WindowRuntime::PrintJobFactory makePrintJob) {
  return std::make_unique<Win32Desktop>(std::move(makePrintJob));
}

}  // namespace korvanel::test
