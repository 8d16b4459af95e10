#include "platform/qt/QtPrinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QString>

#include "platform/qt/Fonts.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

QColor ColorFromBgr(std::int32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QString PrintableFontFamily(const QString& requested) {
  return FirstInstalledFont({requested, QStringLiteral("Liberation Mono")},
                            QFontDatabase::FixedFont)
      .family();
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
  painter_.setPen(ColorFromBgr(ForeColor()));
  painter_.drawText(QPointF(0, top + ascent_), Utf8Text(text));
}

bool QtPrinter::EndDocument() {
  if (!painter_.end() || device_.printerState() == QPrinter::Error) return false;
  CheckCupsSubmission(device_);
  return true;
}

}  // namespace korvanel::qt
