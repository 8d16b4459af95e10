#include "platform/qt/Printer.h"

#include <QColor>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPrinter>
#include <QString>

#include <cmath>

#include "platform/Fonts.h"
#include "platform/qt/Drawing.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

QString PrintableFontFamily(const QString& requested) {
  const std::string face = requested.toStdString();
  return FirstInstalledFont(Families(PrintFaces(face)), QFontDatabase::FixedFont).family();
}

namespace {

constexpr double kMillimetresPerInch = 25.4;
// How far the device's paper may be from the pages' and still be theirs.
constexpr double kPaperTolerance = 1;

}  // namespace

QtPrinter::QtPrinter(QPrinter& device) : device_(device) { font_.setStyleHint(QFont::TypeWriter); }

QtPrinter::~QtPrinter() {
  if (painter_.isActive()) painter_.end();
  if (layoutBefore_) {
    device_.setFullPage(false);
    device_.setPageLayout(*layoutBefore_);
  }
}

void QtPrinter::PaperChanged() {
  if (!layoutBefore_) layoutBefore_ = device_.pageLayout();
  const Paper& paper = *PagesPaper();
  const bool across = paper.width > paper.height;
  const QSizeF upright(std::min(paper.width, paper.height), std::max(paper.width, paper.height));
  // The pages are drawn from the paper's corner; the printer keeps to its
  // printable area itself.
  device_.setFullPage(true);
  device_.setPageLayout(
      QPageLayout(QPageSize(upright, QPageSize::Millimeter, QString(), QPageSize::FuzzyMatch),
                  across ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(),
                  QPageLayout::Millimeter));
}

PagedPrinter::Start QtPrinter::StartDocument() {
  if (PagesPaper()) {
    const QRectF paper = device_.pageLayout().fullRect(QPageLayout::Millimeter);
    if (std::abs(paper.width() - PagesPaper()->width) > kPaperTolerance ||
        std::abs(paper.height() - PagesPaper()->height) > kPaperTolerance) {
      return Start::kOtherPaper;
    }
  }
  if (!painter_.begin(&device_)) return Start::kFailed;
  SetPageHeight(device_.height());
  return Start::kStarted;
}

void QtPrinter::AddPage(std::size_t number, const Picture& page) {
  if (number > 0 && !device_.newPage()) Fail("The printer could not start a new page.");
  PaintPicture(painter_, page, device_.resolution() / kMillimetresPerInch);
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
