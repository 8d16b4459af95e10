#pragma once

#include <QWidget>

#include <string>

#include "platform/Picture.h"
#include "platform/Runtime.h"
#include "platform/WindowDesign.h"

class QPainter;

namespace korvanel::qt {

// Paints `picture` with `painter` at `scale` device units per millimetre,
// its point (0, 0) at the painter's origin: the lines as cosmetic hairlines,
// the texts in a sans-serif face of their height.
void PaintPicture(QPainter& painter, const Picture& picture, double scale);

// The drawing control: a widget placed as its design says that paints the
// picture it was last given, scaled to fit it, on the window's background.
// Screen readers take it as an image named by the picture's description.
class DrawingWidget : public QWidget, public DrawingControl {
 public:
  DrawingWidget(QWidget& parent, const ControlDesign& design);

  void Show(const Picture& picture, std::string_view description) override;
  const Picture& Shown() const { return picture_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  Picture picture_;
};

}  // namespace korvanel::qt
