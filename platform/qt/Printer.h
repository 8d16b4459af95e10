#pragma once

#include <QFont>
#include <QPageLayout>
#include <QPainter>
#include <optional>
#include <string_view>

#include "platform/PagedPrinter.h"

class QPrinter;

namespace korvanel::qt {

// Draws the lines of a PagedPrinter on a QPrinter, from the top of its
// printable area at the line spacing of the font. A font that the system
// lacks is replaced by a fixed-pitch one, so that columns made of blanks
// still line up. Pages of pictures go on the whole paper at 1:1, the paper
// their own for the job (the device's layout is given back afterwards).
class QtPrinter : public PagedPrinter {
 public:
  explicit QtPrinter(QPrinter& device);
  ~QtPrinter() override;

  QtPrinter(const QtPrinter&) = delete;
  QtPrinter& operator=(const QtPrinter&) = delete;

  QPrinter& Device() { return device_; }

 private:
  Start StartDocument() override;
  void PaperChanged() override;
  void AddPage(std::size_t number, const Picture& page) override;
  double LineHeight() override;
  bool NewPage() override;
  void DrawLine(double top, std::string_view text) override;
  bool EndDocument() override;  // also asks CUPS whether it took the job

  QPrinter& device_;
  // The device's layout before the pages' paper, to give back.
  std::optional<QPageLayout> layoutBefore_;
  QPainter painter_;
  // The font made for `madeFor_`, and its ascent.
  std::optional<PrintFont> madeFor_;
  QFont font_;
  qreal ascent_ = 0;
};

// Qt hands a finished document to CUPS but keeps the answer to itself, so a
// queue that no longer accepts jobs would swallow the document without a
// word. Called right after the painter has ended a document on `device`,
// this raises ControlError when CUPS refused it.
void CheckCupsSubmission(const QPrinter& device);

// The family printed for `requested`: the first of its print faces
// (platform/Fonts.h) that the system has, else the system's fixed-pitch font.
QString PrintableFontFamily(const QString& requested);

}  // namespace korvanel::qt
