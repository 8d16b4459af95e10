#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/Runtime.h"
#include "platform/Twips.h"
#include "platform/WindowDesign.h"

namespace korvanel::null {

// A control as the null runtime places it: its kind, text and design name
// at its design rectangle in pixels at 96 dpi, and a list's column headers
// with their widths.
struct NullControl {
  ControlKind kind = ControlKind::Label;
  std::string name;
  std::string text;
  PixelBox place;
  std::vector<std::pair<std::string, int>> columns;
};

// A line: its design name and its end points in pixels.
struct NullLine {
  std::string name;
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

NullControl MakeControl(const ControlDesign& design);
NullLine MakeLine(const LineDesign& design);

// A label's text as the handlers set it.
class NullLabel : public Label {
 public:
  explicit NullLabel(std::string& text) : text_(text) {}
  void SetText(std::string_view text) override { text_ = text; }

 private:
  std::string& text_;
};

class NullTextBox : public TextBox {
 public:
  void SetText(std::string_view shown) override { text = shown; }
  std::string Text() const override { return text; }

  std::string text;
};

// A drawing keeps the picture it was last given, and what it says of it.
class NullDrawing : public DrawingControl {
 public:
  void Show(const Picture& shown, std::string_view what) override {
    picture = shown;
    description = what;
  }

  Picture picture;
  std::string description;
};

}  // namespace korvanel::null
