// "Draw" on the real Fret Template window under the Win32 runtime: reading
// the fields, the board computed, the drawing shown and the fret list
// refilled, as one BM_CLICK on the button, alone and with the window
// painted after it (the drawing through its bitmap, the list), for an
// ordinary board of 24 frets and a fanned one of 36. Prints the median, the
// 99th percentile and the largest of a click in microseconds.
// Usage: draw_click_bench [CLICKS]   (default 300)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ClickTiming.h"
#include "platform/win32/Form.h"
#include "platform/win32/Runtime.h"
#include "ui/main/mMain.h"

using korvanel::bench::Measure;
using korvanel::bench::Pump;

namespace {

const korvanel::win32::Win32Form* TemplateForm(korvanel::win32::Win32Runtime& runtime) {
  for (const auto& form : runtime.LoadedForms()) {
    const auto& loaded = static_cast<const korvanel::win32::Win32Form&>(*form);
    if (loaded.ControlNamed("btnDraw") != nullptr) return &loaded;
  }
  return nullptr;
}

void Type(HWND box, const wchar_t* text) {
  HWND edit = FindWindowExW(box, nullptr, L"Edit", nullptr);
  SendMessageW(edit != nullptr ? edit : box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

}  // namespace

int main(int argc, char* argv[]) {
  const int clicks = std::max(10, argc > 1 ? std::atoi(argv[1]) : 300);
  korvanel::win32::Win32Runtime runtime;
  korvanel::mMain program(runtime);
  program.Show();
  program.Click("mnuTemplate");
  Pump(runtime);
  const korvanel::win32::Win32Form* form = TemplateForm(runtime);
  if (form == nullptr) {
    std::fprintf(stderr, "no Fret Template window\n");
    return 1;
  }
  HWND window = form->Handle();
  HWND draw = form->ControlNamed("btnDraw");
  const auto click = [draw] { SendMessageW(draw, BM_CLICK, 0, 0); };

  std::printf("%-44s %10s %10s %10s   (%d clicks)\n", "Draw (BM_CLICK), microseconds", "median",
              "99%", "max", clicks);
  for (const bool fanned : {false, true}) {
    if (fanned) {
      Type(form->ControlNamed("cmbBassScale"), L"686");
      Type(form->ControlNamed("cmbTrebleScale"), L"648");
      Type(form->ControlNamed("txtPerpendicularFret"), L"8");
      Type(form->ControlNamed("txtFrets"), L"36");
    }
    std::printf("%s\n", fanned ? "686/648 mm, fret 8 square, 36 frets:" : "650 mm, 24 frets:");
    Measure("  click", clicks, runtime, click);
    Measure("  click + paint what it invalidated", clicks, runtime, [&] {
      click();
      RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    });
  }
  return 0;
}
