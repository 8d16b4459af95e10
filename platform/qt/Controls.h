#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

#include <string_view>

#include "platform/Runtime.h"
#include "platform/Twips.h"
#include "platform/WindowDesign.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvanel::qt {

// Controls placed at their design position inside `parent`, with the
// design's text. Nothing lays them out again: a window that is resized
// moves none of them. Each takes its design name as its object name, so that
// a control can be found by the name it has in the window's design.

// A design rectangle in Qt's device-independent pixels.
inline QRect PixelRect(const PixelBox& box) { return {box.left, box.top, box.width, box.height}; }

// Places `control` as `design` says.
void PlaceControl(QWidget& control, const ControlDesign& design);

// An opaque, left-aligned label without border that keeps its size and shows
// only what fits on its one line.
QLabel* MakeLabel(QWidget& parent, const ControlDesign& design);

QPushButton* MakeButton(QWidget& parent, const ControlDesign& design);

// A label whose text the handlers set.
class QtLabel : public Label {
 public:
  explicit QtLabel(QLabel& label) : label_(label) {}
  void SetText(std::string_view text) override;

 private:
  QLabel& label_;
};

// A box for one line of text, placed as its design says.
class QtTextBox : public TextBox {
 public:
  QtTextBox(QWidget& parent, const ControlDesign& design);

  void SetText(std::string_view text) override;
  std::string Text() const override;
  QLineEdit& Widget() const { return edit_; }

 private:
  QLineEdit& edit_;
};

// Makes `button` the one that Enter clicks wherever the focus is in its
// window, including inside a combo box's text. Qt gives that only to dialogs.
void SetDefaultButton(QPushButton& button);

// A straight line one pixel wide between the end points of `design`, in the
// window-text colour. It is transparent around the line and to the mouse.
class LineShape : public QWidget {
  // Found by type (findChild), which Qt allows only for classes it knows.
  Q_OBJECT

 public:
  LineShape(QWidget& parent, const LineDesign& design);

  QPoint p1() const { return p1_; }
  QPoint p2() const { return p2_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint p1_;
  QPoint p2_;
};

}  // namespace korvanel::qt
