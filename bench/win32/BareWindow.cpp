// The yardstick for Korvanel's start-up on Windows: a Win32 program that
// shows one empty window with the client size of Korvanel's main window
// (555 x 487 pixels at 96 dpi) and runs its own message loop.
#include "YardstickWindow.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  using namespace korvanel::bench;
  HWND window = CreateMainSizedWindow(instance, L"BareWindow", L"Bare window", ScreenDpi());
  return window != nullptr ? ShowAndRun(window) : 1;
}
