#include "platform/qt/Drawing.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

#include "platform/Fonts.h"
#include "platform/qt/Controls.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

namespace {

QColor ColorOf(const Rgb& color) { return {color.red, color.green, color.blue}; }

// Liberation Sans where the system has it (Arial's metrics), else a sans.
QFont PictureFont() {
  static const QFont font =
      FirstInstalledFont(Families(StandInFaces(false)), QFontDatabase::GeneralFont);
  return font;
}

// Screen readers take a drawing as an image (ATK's and AT-SPI's "image"),
// named by what it shows.
QAccessibleInterface* DrawingAsImage(const QString&, QObject* object) {
  auto* drawing = dynamic_cast<DrawingWidget*>(object);
  return drawing != nullptr ? new QAccessibleWidget(drawing, QAccessible::Graphic) : nullptr;
}

}  // namespace

void PaintPicture(QPainter& painter, const Picture& picture, double scale) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  for (const PictureLine& line : picture.lines) {
    if (line.points.empty()) continue;
    QPainterPath path(QPointF(line.points.front().x * scale, line.points.front().y * scale));
    for (std::size_t i = 1; i < line.points.size(); ++i) {
      path.lineTo(line.points[i].x * scale, line.points[i].y * scale);
    }
    if (line.closed) path.closeSubpath();
    QPen pen(ColorOf(line.color), 0);
    pen.setCosmetic(true);
    painter.strokePath(path, pen);
  }
  for (const PictureText& text : picture.texts) {
    QFont font = PictureFont();
    const double size = text.height * scale;
    if (!(size > 0)) continue;
    // Sized in floating point: a pixel size is whole, and a template's digits
    // are a few device units high on a screen.
    font.setPointSizeF(size * 72 / painter.device()->logicalDpiY());
    painter.setFont(font);
    painter.setPen(ColorOf(text.color));
    const QString shown = Utf8Text(text.text);
    const double width = QFontMetricsF(font, painter.device()).horizontalAdvance(shown);
    double x = text.at.x * scale;
    if (text.anchor == TextAnchor::Centre) x -= width / 2;
    if (text.anchor == TextAnchor::Right) x -= width;
    painter.drawText(QPointF(x, text.at.y * scale), shown);
  }
  painter.restore();
}

DrawingWidget::DrawingWidget(QWidget& parent, const ControlDesign& design) : QWidget(&parent) {
  static const bool asImage = (QAccessible::installFactory(DrawingAsImage), true);
  static_cast<void>(asImage);
  PlaceControl(*this, design);
  setAccessibleName(Utf8Text(design.text));
}

void DrawingWidget::Show(const Picture& picture, std::string_view description) {
  picture_ = picture;
  setAccessibleName(Utf8Text(description));
  update();
}

void DrawingWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const Fit fit = FitInto(picture_, width(), height());
  if (fit.scale <= 0) return;
  painter.translate(fit.dx, fit.dy);
  PaintPicture(painter, picture_, fit.scale);
}

}  // namespace korvanel::qt
