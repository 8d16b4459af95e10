#pragma once

#include <windows.h>

#include <vector>

struct IAccPropServices;

namespace korvanel::win32 {

// Whether a screen reader runs: Narrator, NVDA and JAWS say so through
// SPI_SETSCREENREADER, which Windows announces with WM_SETTINGCHANGE.
bool ScreenReaderRunning();

// Corrects what Windows' default accessibility objects tell screen readers
// of a window's own child windows, through Dynamic Annotation, the
// documented way to do so: decoration (the lines of a drawn formula) is
// marked programmatically hidden (STATE_SYSTEM_INVISIBLE), so that it is not
// announced as unnamed panes; a drawing is marked a graphic
// (ROLE_SYSTEM_GRAPHIC), read with its name (its window text) rather than as
// an empty client area. Only while a screen reader runs: without one, COM
// and oleacc are not loaded. The marks go with this object.
class ScreenReaderAnnotations {
 public:
  ScreenReaderAnnotations() = default;
  ScreenReaderAnnotations(const ScreenReaderAnnotations&) = delete;
  ScreenReaderAnnotations& operator=(const ScreenReaderAnnotations&) = delete;
  ~ScreenReaderAnnotations();

  // Marks `decoration` hidden and `graphics` as graphics when a screen
  // reader runs and they are not marked yet; called again once a screen
  // reader has started. Never throws: without the marks the windows still
  // work.
  void MarkWhileReaderRuns(const std::vector<HWND>& decoration,
                           const std::vector<HWND>& graphics) noexcept;

 private:
  struct Mark {
    HWND window;
    GUID property;  // an MSAAPROPID
  };
  void Set(HWND window, const GUID& property, LONG value) noexcept;

  IAccPropServices* services_ = nullptr;
  std::vector<Mark> marked_;
};

}  // namespace korvanel::win32
