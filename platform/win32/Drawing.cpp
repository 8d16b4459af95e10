#include "platform/win32/Drawing.h"

#include <cmath>
#include <optional>
#include <vector>

#include "platform/ControlError.h"
#include "platform/Fonts.h"
#include "platform/win32/Controls.h"
#include "platform/win32/Fonts.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

namespace {

constexpr wchar_t kDrawingClass[] = L"KorvanelDrawing";

COLORREF ColorOf(const Rgb& color) { return RGB(color.red, color.green, color.blue); }

struct PenDeleter {
  void operator()(HPEN pen) const { DeleteObject(pen); }
};
using UniquePen = std::unique_ptr<std::remove_pointer_t<HPEN>, PenDeleter>;

void RegisterDrawingClass(WNDPROC procedure) {
  WNDCLASSEXW drawingClass{};
  // Resized, the picture is fitted anew: all of it is painted again.
  drawingClass.style = CS_HREDRAW | CS_VREDRAW;
  drawingClass.lpfnWndProc = procedure;
  drawingClass.lpszClassName = kDrawingClass;
  RegisterWindowClass(drawingClass, "drawing");
}

// The first sans-serif stand-in the device has (Arial on Windows).
const wchar_t* SansFace() { return L"Arial"; }

}  // namespace

void DrawPicture(HDC dc, const Picture& picture, const DeviceMapping& mapping) {
  const auto at = [&mapping](const PicturePoint& point) {
    return POINT{mapping.origin.x + static_cast<LONG>(std::lround(point.x * mapping.scaleX)),
                 mapping.origin.y + static_cast<LONG>(std::lround(point.y * mapping.scaleY))};
  };
  const HGDIOBJ penBefore = GetCurrentObject(dc, OBJ_PEN);
  // Lines of one colour share a pen, texts of one height a font.
  UniquePen pen;
  std::optional<Rgb> penColor;
  std::vector<POINT> points;
  for (const PictureLine& line : picture.lines) {
    if (line.points.empty()) continue;
    if (penColor != line.color) {
      UniquePen next(CreatePen(PS_SOLID, mapping.lineWidth, ColorOf(line.color)));
      SelectObject(dc, next.get());
      pen = std::move(next);
      penColor = line.color;
    }
    points.clear();
    for (const PicturePoint& point : line.points) points.push_back(at(point));
    if (!line.closed) {
      Polyline(dc, points.data(), static_cast<int>(points.size()));
      continue;
    }
    // A closed figure, so that its last corner is joined as the others are.
    BeginPath(dc);
    Polyline(dc, points.data(), static_cast<int>(points.size()));
    CloseFigure(dc);
    EndPath(dc);
    StrokePath(dc);
  }
  SelectObject(dc, penBefore);

  SetBkMode(dc, TRANSPARENT);
  const HGDIOBJ fontBefore = GetCurrentObject(dc, OBJ_FONT);
  UniqueFont font;
  int fontPixels = 0;
  for (const PictureText& text : picture.texts) {
    const int pixels = static_cast<int>(std::lround(text.height * mapping.scaleY));
    if (pixels < 1) continue;
    if (pixels != fontPixels) {
      // A negative height asks for the character height: the em.
      UniqueFont next(CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY,
                                  VARIABLE_PITCH | FF_SWISS, SansFace()));
      SelectObject(dc, next.get());
      font = std::move(next);
      fontPixels = pixels;
    }
    SetTextColor(dc, ColorOf(text.color));
    const UINT align = text.anchor == TextAnchor::Centre  ? TA_CENTER
                       : text.anchor == TextAnchor::Right ? TA_RIGHT
                                                          : TA_LEFT;
    SetTextAlign(dc, align | TA_BASELINE | TA_NOUPDATECP);
    const std::wstring wide = WideFromUtf8Lenient(text.text);
    const POINT place = at(text.at);
    TextOutW(dc, place.x, place.y, wide.data(), static_cast<int>(wide.size()));
  }
  SelectObject(dc, fontBefore);
}

DrawingWindow::DrawingWindow(HWND parent, const PixelBox& place, int id) {
  RegisterDrawingClass(Procedure);
  window_ = CreateWindowExW(0, kDrawingClass, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                            place.left, place.top, place.width, place.height, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                            GetModuleHandleW(nullptr), this);
  if (window_ == nullptr) throw ControlError("The drawing could not be created.");
  SetWindowPos(window_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void DrawingWindow::Show(const Picture& picture, std::string_view description) {
  picture_ = picture;
  const std::wstring name = WideFromUtf8Lenient(description);
  SetWindowTextW(window_, name.c_str());
  InvalidateRect(window_, nullptr, FALSE);
}

LRESULT CALLBACK DrawingWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* drawing = reinterpret_cast<DrawingWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  switch (message) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_ERASEBKGND:
      // WM_PAINT fills every pixel.
      return 1;
    case WM_PAINT:
      if (drawing != nullptr) {
        drawing->Paint();
        return 0;
      }
      break;
    case WM_NCDESTROY:
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      break;
    default:
      break;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

void DrawingWindow::Paint() {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window_, &paint);
  RECT client{};
  GetClientRect(window_, &client);
  // Drawn into a bitmap first, then onto the screen at once.
  HDC buffer = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, client.right, client.bottom);
  HGDIOBJ before = SelectObject(buffer, bitmap);
  FillRect(buffer, &client, GetSysColorBrush(COLOR_BTNFACE));
  const Fit fit = FitInto(picture_, client.right, client.bottom);
  if (fit.scale > 0) {
    DrawPicture(buffer, picture_,
                {fit.scale,
                 fit.scale,
                 {static_cast<LONG>(std::lround(fit.dx)), static_cast<LONG>(std::lround(fit.dy))},
                 1});
  }
  BitBlt(dc, 0, 0, client.right, client.bottom, buffer, 0, 0, SRCCOPY);
  SelectObject(buffer, before);
  DeleteObject(bitmap);
  DeleteDC(buffer);
  EndPaint(window_, &paint);
}

}  // namespace korvanel::win32
