#include "platform/qt/QtPrinter.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPrinter>
#include <QString>
#include <iterator>

#include "platform/ControlError.h"
#include "platform/qt/CupsSubmission.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

namespace {

constexpr std::int32_t kLargestColor = 0x00FFFFFF;

}  // namespace

QColor ColorFromBgr(std::int32_t color) {
  return QColor(color & 0xFF, (color >> 8) & 0xFF, (color >> 16) & 0xFF);
}

QString PrintableFontFamily(const QString& requested) {
  return FirstInstalledFont({requested, QStringLiteral("Liberation Mono")},
                            QFontDatabase::FixedFont)
      .family();
}

QtPrinter::QtPrinter(QPrinter& device) : device_(device) { font_.setStyleHint(QFont::TypeWriter); }

void QtPrinter::SetFontName(std::string_view name) {
  font_.setFamily(PrintableFontFamily(Utf8Text(name)));
}

void QtPrinter::SetFontSize(float points) {
  if (!(points > 0)) throw ControlError("Invalid font size for the printer.");
  font_.setPointSizeF(points);
}

void QtPrinter::SetFontBold(bool bold) { font_.setBold(bold); }

void QtPrinter::SetFontItalic(bool italic) { font_.setItalic(italic); }

void QtPrinter::SetForeColor(std::int32_t color) {
  if (color < 0 || color > kLargestColor) throw ControlError("Invalid colour for the printer.");
  color_ = ColorFromBgr(color);
}

void QtPrinter::PrintLine(std::string_view text) {
  const qreal baseline = PlaceLine();
  painter_.setPen(color_);
  painter_.drawText(QPointF(0, baseline), Utf8Text(text));
}

void QtPrinter::PrintEmptyLine() { PlaceLine(); }

void QtPrinter::EndDoc() {
  const bool printed = painter_.isActive();
  const bool ended = !printed || painter_.end();
  const bool failed = failed_ || !ended || device_.printerState() == QPrinter::Error;
  failed_ = false;
  nextTop_ = 0;
  linesOnPage_ = 0;
  if (failed) throw ControlError("The printer could not finish the document.");
  if (printed) CheckCupsSubmission(device_);
}

void QtPrinter::BeginDocument() {
  if (failed_ || !painter_.begin(&device_)) {
    failed_ = true;
    throw ControlError("The printer could not start the document.");
  }
  nextTop_ = 0;
  linesOnPage_ = 0;
}

qreal QtPrinter::PlaceLine() {
  if (!painter_.isActive()) BeginDocument();
  painter_.setFont(font_);
  const QFontMetricsF metrics(font_, &device_);
  const bool fits = nextTop_ + metrics.lineSpacing() <= device_.height();
  if (!fits && linesOnPage_ > 0) {
    if (!device_.newPage()) {
      failed_ = true;
      throw ControlError("The printer could not start a new page.");
    }
    nextTop_ = 0;
    linesOnPage_ = 0;
  }
  const qreal baseline = nextTop_ + metrics.ascent();
  nextTop_ += metrics.lineSpacing();
  ++linesOnPage_;
  return baseline;
}

}  // namespace korvanel::qt
