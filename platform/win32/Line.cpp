#include "platform/win32/Line.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ControlError.h"
#include "platform/win32/Controls.h"

namespace korvanel::win32 {

namespace {

constexpr wchar_t kLineClass[] = L"KorvanelLine";

LRESULT CALLBACK LineProc(HWND line, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(line, &paint);
      // The window region leaves only the line's pixels to fill.
      FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_WINDOWTEXT));
      EndPaint(line, &paint);
      return 0;
    }
    default:
      return DefWindowProcW(line, message, wParam, lParam);
  }
}

void RegisterLineClass() {
  WNDCLASSEXW lineClass{};
  lineClass.lpfnWndProc = LineProc;
  lineClass.lpszClassName = kLineClass;
  RegisterWindowClass(lineClass, "line");
}

RECT LineBounds(POINT from, POINT to) {
  return {std::min(from.x, to.x), std::min(from.y, to.y), std::max(from.x, to.x) + 1,
          std::max(from.y, to.y) + 1};
}

// Cuts `line`, whose window covers `bounds`, down to the line's pixels.
void Shape(HWND line, const RECT& bounds, POINT from, POINT to) {
  // The region, in the line window's own coordinates, one pixel at a time.
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  for (const POINT& pixel : LinePixels(from, to)) {
    const long x = pixel.x - bounds.left;
    const long y = pixel.y - bounds.top;
    HRGN dot = CreateRectRgn(x, y, x + 1, y + 1);
    CombineRgn(shape, shape, dot, RGN_OR);
    DeleteObject(dot);
  }
  // The window owns the region from here on.
  if (!SetWindowRgn(line, shape, FALSE)) {
    DeleteObject(shape);
    throw ControlError("A line could not be shaped.");
  }
}

}  // namespace

std::vector<POINT> LinePixels(POINT from, POINT to) {
  std::vector<POINT> pixels;
  const long dx = std::labs(to.x - from.x);
  const long dy = -std::labs(to.y - from.y);
  const long stepX = from.x < to.x ? 1 : -1;
  const long stepY = from.y < to.y ? 1 : -1;
  long error = dx + dy;
  POINT at = from;
  while (true) {
    pixels.push_back(at);
    if (at.x == to.x && at.y == to.y) break;
    const long twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      at.x += stepX;
    }
    if (twice <= dx) {
      error += dx;
      at.y += stepY;
    }
  }
  return pixels;
}

HWND MakeLine(HWND parent, POINT from, POINT to, int id) {
  RegisterLineClass();
  const RECT bounds = LineBounds(from, to);
  // Disabled, it takes neither focus nor input, and screen readers do not
  // offer it as a control the user could move to.
  HWND line = CreateWindowExW(
      0, kLineClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_DISABLED, bounds.left,
      bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  if (line == nullptr) throw ControlError("A line could not be created.");
  SetWindowPos(line, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  Shape(line, bounds, from, to);
  return line;
}

void PlaceLine(HWND line, POINT from, POINT to) {
  const RECT bounds = LineBounds(from, to);
  SetWindowPos(line, nullptr, bounds.left, bounds.top, bounds.right - bounds.left,
               bounds.bottom - bounds.top, SWP_NOZORDER | SWP_NOACTIVATE);
  Shape(line, bounds, from, to);
}

}  // namespace korvanel::win32
