#pragma once

#include <windows.h>

#include <vector>

struct IAccPropServices;

namespace korvanel::win32 {

// Whether a screen reader runs: Narrator, NVDA and JAWS say so through
// SPI_SETSCREENREADER, which Windows announces with WM_SETTINGCHANGE.
bool ScreenReaderRunning();

// Keeps screen readers from announcing a window's decoration (the lines of
// its drawing) as unnamed panes: the windows are marked programmatically
// hidden (STATE_SYSTEM_INVISIBLE) through Dynamic Annotation, the documented
// way to correct what Windows' default accessibility objects say of a
// window. Only while a screen reader runs: without one, COM and oleacc are
// not loaded. The marks go with this object.
class DecorationForScreenReaders {
 public:
  DecorationForScreenReaders() = default;
  DecorationForScreenReaders(const DecorationForScreenReaders&) = delete;
  DecorationForScreenReaders& operator=(const DecorationForScreenReaders&) = delete;
  ~DecorationForScreenReaders();

  // Marks `windows` when a screen reader runs and they are not marked yet;
  // called again once a screen reader has started. Never throws: without
  // the marks the windows still work.
  void MarkWhileReaderRuns(const std::vector<HWND>& windows) noexcept;

 private:
  IAccPropServices* services_ = nullptr;
  std::vector<HWND> marked_;
};

}  // namespace korvanel::win32
