#pragma once

#include <windows.h>

#include <exception>
#include <string_view>
#include <utility>

namespace korvanel::win32 {

// Tells the user `text` in a message box over `owner` (caption "Korvanel")
// and waits for OK. Fails with ControlError when the box cannot be shown.
void ShowMessage(HWND owner, std::string_view text);

// Shows what an error says, over `owner` if that window still exists.
// Never throws: it is the last stop of every handler.
void ShowError(HWND owner, const char* what) noexcept;

// Runs one event handler of a window. Whatever it throws ends the handler,
// not the program: the user reads the error and the window waits for the
// next message, so no exception ever crosses a window procedure.
template <class Handler>
void RunHandler(HWND owner, Handler&& handler) noexcept {
  try {
    std::forward<Handler>(handler)();
  } catch (const std::exception& error) {
    ShowError(owner, error.what());
  } catch (...) {
    ShowError(owner, "The command failed.");
  }
}

}  // namespace korvanel::win32
