#include "platform/qt/Printer.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QString>

#include "platform/Fonts.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

QString PrintableFontFamily(const QString& requested) {
  const std::string face = requested.toStdString();
  return FirstInstalledFont(Families(PrintFaces(face)), QFontDatabase::FixedFont).family();
}

QtPrinter::QtPrinter(QPrinter& device) : device_(device) { font_.setStyleHint(QFont::TypeWriter); }

PagedPrinter::Start QtPrinter::StartDocument() {
  if (!painter_.begin(&device_)) return Start::kFailed;
  SetPageHeight(device_.height());
  return Start::kStarted;
}

double QtPrinter::LineHeight() {
  if (madeFor_ != Font()) {
    font_.setFamily(PrintableFontFamily(Utf8Text(Font().name)));
    font_.setPointSizeF(Font().points);
    font_.setBold(Font().bold);
    font_.setItalic(Font().italic);
    madeFor_ = Font();
  }
  painter_.setFont(font_);
  const QFontMetricsF metrics(font_, &device_);
  ascent_ = metrics.ascent();
  return metrics.lineSpacing();
}

bool QtPrinter::NewPage() { return device_.newPage(); }

void QtPrinter::DrawLine(double top, std::string_view text) {
  const Rgb color = ForeColor();
  painter_.setPen(QColor(color.red, color.green, color.blue));
  painter_.drawText(QPointF(0, top + ascent_), Utf8Text(text));
}

bool QtPrinter::EndDocument() {
  if (!painter_.end() || device_.printerState() == QPrinter::Error) return false;
  CheckCupsSubmission(device_);
  return true;
}

}  // namespace korvanel::qt
