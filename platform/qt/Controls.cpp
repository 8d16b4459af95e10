#include "platform/qt/Controls.h"

#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>

#include <algorithm>

#include "platform/qt/Text.h"

namespace korvanel::qt {

void PlaceControl(QWidget& control, const ControlDesign& design) {
  control.setObjectName(Utf8Text(design.name));
  control.setGeometry(PixelRect(PixelPlace(design.left, design.top, design.width, design.height)));
}

QLabel* MakeLabel(QWidget& parent, const ControlDesign& design) {
  auto* label = new QLabel(&parent);
  PlaceControl(*label, design);
  label->setTextFormat(Qt::PlainText);
  label->setText(Utf8Text(design.text));
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  label->setWordWrap(false);
  label->setFrameShape(QFrame::NoFrame);
  label->setMargin(0);
  label->setIndent(0);
  // Opaque: where labels overlap, the upper one hides what lies below.
  label->setAutoFillBackground(true);
  return label;
}

QPushButton* MakeButton(QWidget& parent, const ControlDesign& design) {
  auto* button = new QPushButton(Utf8Text(design.text), &parent);
  PlaceControl(*button, design);
  button->setAutoDefault(false);
  return button;
}

void QtLabel::SetText(std::string_view text) { label_.setText(Utf8Text(text)); }

QtTextBox::QtTextBox(QWidget& parent, const ControlDesign& design)
    : edit_(*new QLineEdit(&parent)) {
  PlaceControl(edit_, design);
}

void QtTextBox::SetText(std::string_view text) { edit_.setText(Utf8Text(text)); }

std::string QtTextBox::Text() const { return edit_.text().toStdString(); }

void SetDefaultButton(QPushButton& button) {
  button.setDefault(true);
  // Window shortcuts see Enter before the focused control does, so a combo
  // box's text never acts on it; an open drop-down list is a window of its
  // own and keeps Enter for picking its entry.
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    auto* shortcut = new QShortcut(QKeySequence(key), &button);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, &button, &QPushButton::click);
  }
}

LineShape::LineShape(QWidget& parent, const LineDesign& design) : QWidget(&parent) {
  setObjectName(Utf8Text(design.name));
  setAttribute(Qt::WA_TransparentForMouseEvents);
  const QPoint a(TwipsToPixels(design.x1), TwipsToPixels(design.y1));
  const QPoint b(TwipsToPixels(design.x2), TwipsToPixels(design.y2));
  // The widget spans both end points inclusive, so a level line is 1 pixel
  // high and a line's last pixel is not cut off.
  const QRect bounds(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                     QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y())));
  setGeometry(bounds);
  p1_ = a - bounds.topLeft();
  p2_ = b - bounds.topLeft();
}

void LineShape::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setPen(QPen(palette().color(QPalette::WindowText), 0));
  painter.drawLine(p1_, p2_);
}

}  // namespace korvanel::qt
