#pragma once

// A printer dialog and a printer that write every operation asked of them
// into one shared log, and that can be made to fail at the Nth operation.

#include <cstdint>
#include <exception>
#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/CommonDialog.h"
#include "platform/ControlError.h"
#include "platform/PrintJob.h"
#include "platform/Printer.h"

namespace korvanel::test {

class OperationLog {
 public:
  // Operation number `n` (counting from 1, dialog and printer together)
  // throws `error` instead of being done.
  void FailAt(int n, std::exception_ptr error) {
    failAt_ = n;
    error_ = std::move(error);
  }

  // Counts the operation and logs it, or throws if it is the failing one.
  void Record(std::string operation) {
    if (++count_ == failAt_) std::rethrow_exception(error_);
    operations_.push_back(std::move(operation));
  }

  const std::vector<std::string>& Operations() const { return operations_; }

 private:
  int count_ = 0;
  int failAt_ = 0;
  std::exception_ptr error_;
  std::vector<std::string> operations_;
};

class RecordingDialog : public CommonDialog {
 public:
  explicit RecordingDialog(OperationLog& log) : log_(log) {}

  void SetPrintToFileOffered(bool offered) override {
    log_.Record(std::string("SetPrintToFileOffered(") + (offered ? "true" : "false") + ")");
  }
  void ShowPrinter() override {
    if (whileShown) whileShown();
    log_.Record("ShowPrinter");
  }

  // Runs while the dialog is "open": what a user could see meanwhile.
  std::function<void()> whileShown;

 private:
  OperationLog& log_;
};

// Documents as a real printer makes them: the first line or page after the
// end of a document (or at the start) opens a new one.
struct Document {
  std::vector<std::string> lines;
  std::vector<Picture> pages;
  bool ended = false;
};

class RecordingPrinter : public Printer, public PicturePrinter {
 public:
  explicit RecordingPrinter(OperationLog& log) : log_(log) {}

  void SetFontName(std::string_view name) override {
    log_.Record("SetFontName(" + std::string(name) + ")");
  }
  void SetFontSize(float points) override {
    log_.Record("SetFontSize(" + std::to_string(points) + ")");
  }
  void SetFontBold(bool bold) override { log_.Record("SetFontBold(" + Text(bold) + ")"); }
  void SetFontItalic(bool italic) override { log_.Record("SetFontItalic(" + Text(italic) + ")"); }
  void SetForeColor(std::int32_t color) override {
    log_.Record("SetForeColor(" + std::to_string(color) + ")");
  }
  void PrintLine(std::string_view text) override {
    log_.Record("PrintLine(" + std::string(text) + ")");
    Print(text);
  }
  void PrintEmptyLine() override {
    log_.Record("PrintEmptyLine");
    Print("");
  }
  void SetPaper(double width, double height) override {
    log_.Record("SetPaper(" + std::to_string(width) + ", " + std::to_string(height) + ")");
  }
  void PrintPage(const Picture& page) override {
    log_.Record("PrintPage");
    Open().pages.push_back(page);
  }
  void EndDoc() override {
    log_.Record("EndDoc");
    ++endDocCount_;
    if (!documents_.empty()) documents_.back().ended = true;
  }

  const std::vector<Document>& Documents() const { return documents_; }
  int EndDocCount() const { return endDocCount_; }

 private:
  static std::string Text(bool value) { return value ? "true" : "false"; }

  Document& Open() {
    if (documents_.empty() || documents_.back().ended) documents_.emplace_back();
    return documents_.back();
  }
  void Print(std::string_view text) { Open().lines.emplace_back(text); }

  OperationLog& log_;
  std::vector<Document> documents_;
  int endDocCount_ = 0;
};

// A print job over a dialog and a printer that the test keeps, so that what
// a print command did can be read after its job is gone.
class BorrowedPrintJob : public PrintJob {
 public:
  BorrowedPrintJob(CommonDialog& dialog, RecordingPrinter& printer)
      : dialog_(dialog), printer_(printer) {}

  CommonDialog& Dialog() override { return dialog_; }
  Printer& LinePrinter() override { return printer_; }
  PicturePrinter& PagePrinter() override { return printer_; }

 private:
  CommonDialog& dialog_;
  RecordingPrinter& printer_;
};

// A print job with a log of its own whose operation `failAt` (counting from
// 1; 0 for none) fails: a printer that gives up part-way through.
class FailingPrintJob : public PrintJob {
 public:
  explicit FailingPrintJob(int failAt) : dialog_(log_), printer_(log_) {
    if (failAt > 0) log_.FailAt(failAt, std::make_exception_ptr(ControlError("jam")));
  }

  CommonDialog& Dialog() override { return dialog_; }
  Printer& LinePrinter() override { return printer_; }
  PicturePrinter& PagePrinter() override { return printer_; }

 private:
  OperationLog log_;
  RecordingDialog dialog_;
  RecordingPrinter printer_;
};

}  // namespace korvanel::test
