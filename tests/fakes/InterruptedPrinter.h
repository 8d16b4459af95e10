#pragma once

#include <cstdint>
#include <functional>
#include <string_view>
#include <utility>

#include "platform/Printer.h"

namespace korvanel::test {

// Passes every operation on to a real printer, and runs `interruption` just
// before line `interruptAt` (printed and empty lines, counting from 1): a
// queue that goes away, or paper that runs out, in the middle of a report.
class InterruptedPrinter : public Printer {
 public:
  InterruptedPrinter(Printer& printer, int interruptAt, std::function<void()> interruption)
      : printer_(printer), interruptAt_(interruptAt), interruption_(std::move(interruption)) {}

  void SetFontName(std::string_view name) override { printer_.SetFontName(name); }
  void SetFontSize(float points) override { printer_.SetFontSize(points); }
  void SetFontBold(bool bold) override { printer_.SetFontBold(bold); }
  void SetFontItalic(bool italic) override { printer_.SetFontItalic(italic); }
  void SetForeColor(std::int32_t color) override { printer_.SetForeColor(color); }
  void PrintLine(std::string_view text) override {
    BeforeLine();
    printer_.PrintLine(text);
  }
  void PrintEmptyLine() override {
    BeforeLine();
    printer_.PrintEmptyLine();
  }
  void EndDoc() override { printer_.EndDoc(); }

 private:
  void BeforeLine() {
    if (++lines_ == interruptAt_) interruption_();
  }

  Printer& printer_;
  int interruptAt_;
  std::function<void()> interruption_;
  int lines_ = 0;
};

}  // namespace korvanel::test
