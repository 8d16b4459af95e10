#pragma once

#include <QPoint>
#include <QWidget>

#include <string_view>

#include "platform/WindowDesign.h"

class QComboBox;
class QLabel;
class QPushButton;
class QString;

namespace korvanel::qt {

// Controls placed at their design position, in twips, inside `parent`, with
// the design's text. Nothing lays them out again: a window that is resized
// moves none of them. Each takes its design name as its object name, so that
// a control can be found by the name it has in the window's design.

// Places `control` as `design` says.
void PlaceControl(QWidget& control, const ControlDesign& design);

// An opaque, left-aligned label without border that keeps its size and shows
// only what fits on its one line.
QLabel* AddLabel(QWidget& parent, const ControlDesign& design);

QPushButton* AddButton(QWidget& parent, const ControlDesign& design);

// A combo box that takes typed text as well as a pick from its list. Typed
// text is never added to the list and never completed from it: what the user
// typed is what the box holds.
QComboBox* AddComboBox(QWidget& parent, const ControlDesign& design);

// Shows `text` in the box. When its list holds the same text, that entry
// becomes the current one, so that the opened list starts from it and the
// arrow keys step on from there.
void SetComboText(QComboBox& combo, const QString& text);

// Makes `button` the one that Enter clicks wherever the focus is in its
// window, including inside a combo box's text. Qt gives that only to dialogs.
void SetDefaultButton(QPushButton& button);

// A straight line one pixel wide from (x1, y1) to (x2, y2), in twips, in the
// window-text colour. It is transparent around the line and to the mouse.
class LineShape : public QWidget {
  // Found by type (findChild), which Qt allows only for classes it knows.
  Q_OBJECT

 public:
  LineShape(QWidget& parent, std::string_view name, int x1, int y1, int x2, int y2);

  QPoint p1() const { return p1_; }
  QPoint p2() const { return p2_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPoint p1_;
  QPoint p2_;
};

}  // namespace korvanel::qt
