#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <cstdint>
#include <string_view>

#include "platform/Printer.h"

class QPrinter;

namespace korvanel::qt {

// Prints whole lines of text on a QPrinter, one under the other from the top
// of the printable area at the line spacing of the font in force. The first
// printed line opens the document; a line that no longer fits on the page
// starts a new one. A font that the system lacks is replaced by a fixed-pitch
// one, so that columns made of blanks still line up.
class QtPrinter : public Printer {
 public:
  explicit QtPrinter(QPrinter& device);

  void SetFontName(std::string_view name) override;
  void SetFontSize(float points) override;
  void SetFontBold(bool bold) override;
  void SetFontItalic(bool italic) override;
  void SetForeColor(std::int32_t color) override;
  void PrintLine(std::string_view text) override;
  void PrintEmptyLine() override;
  // Closes the document. Without a printed line there is no document and
  // nothing to do; a document that could not be painted is an error.
  void EndDoc() override;

 private:
  // Opens the document or the next page as needed and returns the baseline
  // of a line in the current font.
  qreal PlaceLine();
  void BeginDocument();

  QPrinter& device_;
  QPainter painter_;
  QFont font_;
  QColor color_{Qt::black};
  // Top of the next line and lines so far on the page, in device pixels.
  qreal nextTop_ = 0;
  int linesOnPage_ = 0;
  bool failed_ = false;
};

// The colour of a 0x00BBGGRR value: 0xFF is red, 0xFF0000 blue.
QColor ColorFromBgr(std::int32_t color);

// The family printed for `requested`: the family itself when the system has
// it, else Liberation Mono, else the system's fixed-pitch font.
QString PrintableFontFamily(const QString& requested);

}  // namespace korvanel::qt
