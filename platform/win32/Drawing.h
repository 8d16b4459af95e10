#pragma once

#include <windows.h>

#include "platform/Picture.h"
#include "platform/Runtime.h"
#include "platform/Twips.h"

namespace korvanel::win32 {

// Where and how large a picture is drawn: device units per millimetre across
// and down, the device point of the picture's (0, 0), and the lines' width
// in device units.
struct DeviceMapping {
  double scaleX = 1;
  double scaleY = 1;
  POINT origin{};
  int lineWidth = 1;
};

// Draws `picture` on `dc` as `mapping` says, its texts in a sans-serif face
// of their height.
void DrawPicture(HDC dc, const Picture& picture, const DeviceMapping& mapping);

// The drawing control: a child window that paints the picture it was last
// given, scaled to fit it, through a bitmap of its size (no flicker). Its
// window text is the picture's description, which screen readers read as
// its name. Fails with ControlError.
class DrawingWindow : public DrawingControl {
 public:
  DrawingWindow(HWND parent, const PixelBox& place, int id);

  void Show(const Picture& picture, std::string_view description) override;
  HWND Handle() const { return window_; }
  const Picture& Shown() const { return picture_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();

  HWND window_;
  Picture picture_;
};

}  // namespace korvanel::win32
