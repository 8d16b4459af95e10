#pragma once

// A printer dialog and a printer that write every operation asked of them
// into one shared log, and that can be made to fail at the Nth operation.

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/CommonDialog.h"
#include "platform/Printer.h"

namespace korvanel::testing {

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
  void ShowPrinter() override { log_.Record("ShowPrinter"); }

 private:
  OperationLog& log_;
};

// A line as it came out, with the settings in force for it.
struct PrintedLine {
  std::string text;
  std::string fontName;
  float fontSize = 0;
  bool bold = false;
  bool italic = false;
  std::int32_t color = -1;
};

// Documents as a real printer would make them: the first line after the end
// of a document (or at the start) opens a new one.
struct Document {
  std::vector<PrintedLine> lines;
  bool ended = false;
};

class RecordingPrinter : public Printer {
 public:
  explicit RecordingPrinter(OperationLog& log) : log_(log) {}

  void SetFontName(std::string_view name) override {
    log_.Record("SetFontName(" + std::string(name) + ")");
    style_.fontName = name;
  }
  void SetFontSize(float points) override {
    log_.Record("SetFontSize(" + std::to_string(points) + ")");
    style_.fontSize = points;
  }
  void SetFontBold(bool bold) override {
    log_.Record(std::string("SetFontBold(") + (bold ? "true" : "false") + ")");
    style_.bold = bold;
  }
  void SetFontItalic(bool italic) override {
    log_.Record(std::string("SetFontItalic(") + (italic ? "true" : "false") + ")");
    style_.italic = italic;
  }
  void SetForeColor(std::int32_t color) override {
    log_.Record("SetForeColor(" + std::to_string(color) + ")");
    style_.color = color;
  }
  void PrintLine(std::string_view text) override {
    log_.Record("PrintLine(" + std::string(text) + ")");
    Print(text);
  }
  void PrintEmptyLine() override {
    log_.Record("PrintEmptyLine");
    Print("");
  }
  void EndDoc() override {
    log_.Record("EndDoc");
    ++endDocCount_;
    if (!documents_.empty()) documents_.back().ended = true;
  }

  const std::vector<Document>& Documents() const { return documents_; }
  int EndDocCount() const { return endDocCount_; }

 private:
  void Print(std::string_view text) {
    if (documents_.empty() || documents_.back().ended) documents_.emplace_back();
    PrintedLine line = style_;
    line.text = text;
    documents_.back().lines.push_back(std::move(line));
  }

  OperationLog& log_;
  PrintedLine style_;
  std::vector<Document> documents_;
  int endDocCount_ = 0;
};

}  // namespace korvanel::testing
