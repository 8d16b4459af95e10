#pragma once

// The program's real Win32 windows, driven by window messages and read back
// from the controls, as Wine's own control tests do.
#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/win32/Runtime.h"
#include "ui/main/mMain.h"

namespace korvanel::test {

using Rows = std::vector<std::vector<std::wstring>>;

// The program as it starts: the main window loaded and shown by the Win32
// runtime.
class RunningProgram {
 public:
  explicit RunningProgram(WindowRuntime::PrintJobFactory makePrintJob = {});
  ~RunningProgram();

  win32::Win32Runtime& Runtime() { return runtime_; }
  mMain& Main() { return main_; }
  // Null once the main window is unloaded.
  HWND MainWindow() const { return runtime_.HandleOf(main_); }

  // Delivers what is queued through the runtime's message loop, for at
  // least `milliseconds`. Returns whether WM_QUIT came, which ends the loop.
  bool Pump(int milliseconds = 0);

 private:
  win32::Win32Runtime runtime_;
  mMain main_;
};

// The child of `parent` of that window class (and text, when given); fails
// the test when there is none.
HWND Child(HWND parent, const wchar_t* windowClass, const wchar_t* text = nullptr);
std::wstring TextOf(HWND window);

// Sends the menu command of the item `item` in the menu `menu` of the bar.
void ChooseMenu(HWND window, const wchar_t* menu, const wchar_t* item);
// Texts of the menu bar: each menu's text, then its items ("-" a separator).
std::vector<std::vector<std::wstring>> MenuTexts(HWND window);

// Every row of a list view, cell by cell, as the control holds it.
Rows ListRows(HWND list);
std::vector<std::wstring> ComboEntries(HWND combo);
// Types `text` into the combo box's edit field.
void TypeInto(HWND combo, const wchar_t* text);
void PressKey(HWND control, WPARAM key);

// Shown top-level windows of this program with `caption`.
int CountWindows(const wchar_t* caption);

// The screen's DPI, and `twips` in pixels at it.
int Dpi();
int Px(int twips);

// A control's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND control);

// Answers every message box that opens while it lives (they are modal: the
// answer comes from a timer inside their own message loop), keeping each
// box's text, caption and owner.
class MessageBoxAnswerer {
 public:
  struct Box {
    std::wstring text;
    std::wstring caption;
    HWND owner;
  };

  MessageBoxAnswerer();
  ~MessageBoxAnswerer();
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;

  const std::vector<Box>& Boxes() const { return boxes_; }

 private:
  static void CALLBACK Answer(HWND, UINT, UINT_PTR, DWORD);
  UINT_PTR timer_;
  std::vector<Box> boxes_;
};

}  // namespace korvanel::test
