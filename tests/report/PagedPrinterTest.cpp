// The printer object's rules, on a drawing side that records what it is
// asked to draw: settings, documents, page breaks and failures.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/ControlError.h"
#include "platform/PagedPrinter.h"

namespace korvanel {
namespace {

// Pages 100 units high; a line is three units per point (30 at 10 pt).
class RecordingDrawing : public PagedPrinter {
 public:
  using PagedPrinter::Start;
  Start start = Start::kStarted;
  bool pageStarts = true;
  bool documentEnds = true;
  std::vector<std::string> log;
  PrintFont drawnFont;
  std::int32_t drawnColor = -1;

 private:
  Start StartDocument() override {
    log.push_back("start");
    return start;
  }
  double PageHeight() override { return 100; }
  double LineHeight() override { return 3 * Font().points; }
  bool NewPage() override {
    log.push_back("page");
    return pageStarts;
  }
  void DrawLine(double top, std::string_view text) override {
    log.push_back(std::to_string(static_cast<int>(top)) + " " + std::string(text));
    drawnFont = Font();
    drawnColor = ForeColor();
  }
  bool EndDocument() override {
    log.push_back("end");
    return documentEnds;
  }
};

// The message of the ControlError that `operation` raises, or "" for none.
std::string ErrorOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const ControlError& error) {
    return error.what();
  }
  return "";
}

using Log = std::vector<std::string>;

TEST(PagedPrinter, RefusesImpossibleSettingsAndTextsAndKeepsTheLastGoodOnes) {
  RecordingDrawing printer;
  const std::string badSize = "Invalid font size for the printer.";
  for (float points : {0.0f, -10.0f, 1000.5f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity()}) {
    EXPECT_EQ(ErrorOf([&] { printer.SetFontSize(points); }), badSize) << points;
  }
  for (std::int32_t color : {-1, 0x01000000}) {
    EXPECT_EQ(ErrorOf([&] { printer.SetForeColor(color); }), "Invalid colour for the printer.");
  }
  printer.SetFontName("Courier New");
  EXPECT_EQ(ErrorOf([&] { printer.SetFontName("Fixed\xff"); }), "The text is not valid UTF-8.");
  EXPECT_EQ(ErrorOf([&] { printer.PrintLine("650 \xe2\x80 mm"); }), "The text is not valid UTF-8.");
  EXPECT_TRUE(printer.log.empty()) << "a refused line opens no document";

  printer.SetForeColor(0x00FFFFFF);
  printer.SetFontBold(true);
  printer.PrintLine("   Korvanel");
  EXPECT_EQ(printer.drawnFont, (PrintFont{"Courier New", 10, true, false}));
  EXPECT_EQ(printer.drawnColor, 0x00FFFFFF);
  printer.SetFontSize(1000);
  printer.SetFontItalic(true);
  printer.PrintLine("big");
  EXPECT_EQ(printer.drawnFont, (PrintFont{"Courier New", 1000, true, true}));
}

TEST(PagedPrinter, TextIsUtf8WithoutOverlongFormsSurrogatesOrValuesPastTheLastCodePoint) {
  for (const char* valid : {"", "650 mm", "647,7 \xc3\xa9", "\xe2\x80\xa6", "\xf4\x8f\xbf\xbf"}) {
    EXPECT_TRUE(IsUtf8(valid)) << valid;
  }
  for (const char* invalid : {"\x80", "\xc0\x80", "\xc3", "\xe0\x80\x80", "\xed\xa0\x80",
                              "\xe2\x80", "\xf4\x90\x80\x80", "\xf5\x80\x80\x80", "\xe2\x28\xa1"}) {
    EXPECT_FALSE(IsUtf8(invalid)) << invalid;
  }
}

TEST(PagedPrinter, LinesGoDownThePageAndOneThatWouldCrossItsBottomStartsTheNext) {
  RecordingDrawing printer;
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_TRUE(printer.log.empty()) << "no line, no document";

  printer.PrintLine("a");
  printer.PrintEmptyLine();
  printer.PrintLine("b");  // 60 + 30 = 90 still fits
  printer.SetFontSize(5);
  printer.PrintLine("c");  // 90 + 15 crosses 100
  printer.SetFontSize(50);
  printer.PrintLine("d");  // 15 + 150: a new page, where it stands alone
  printer.PrintLine("e");
  printer.EndDoc();
  printer.PrintLine("f");  // the next document starts at the top
  printer.EndDoc();
  EXPECT_EQ(printer.log, (Log{"start", "0 a", "60 b", "page", "0 c", "page", "0 d", "page", "0 e",
                              "end", "start", "0 f", "end"}));
}

TEST(PagedPrinter, FailedStartFailsEveryLineOfTheDocumentAndItsEndOnce) {
  RecordingDrawing printer;
  printer.start = RecordingDrawing::Start::kFailed;
  const std::string message = "The printer could not start the document.";
  EXPECT_EQ(ErrorOf([&] { printer.PrintLine("a"); }), message);
  EXPECT_EQ(ErrorOf([&] { printer.PrintEmptyLine(); }), message);
  EXPECT_EQ(ErrorOf([&] { printer.EndDoc(); }), "The printer could not finish the document.");
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_EQ(printer.log, Log{"start"}) << "no retry within one document";

  printer.start = RecordingDrawing::Start::kStarted;
  printer.PrintLine("a");
  EXPECT_NO_THROW(printer.EndDoc());
  EXPECT_EQ(printer.log, (Log{"start", "start", "0 a", "end"}));
}

TEST(PagedPrinter, CancelledStartAndMissingPrinterFailTheLinesButEndQuietly) {
  RecordingDrawing cancelled;
  cancelled.start = RecordingDrawing::Start::kCancelled;
  EXPECT_EQ(ErrorOf([&] { cancelled.PrintLine("a"); }), "Printing was cancelled.");
  EXPECT_EQ(ErrorOf([&] { cancelled.PrintLine("b"); }), "Printing was cancelled.");
  EXPECT_NO_THROW(cancelled.EndDoc());
  EXPECT_EQ(cancelled.log, Log{"start"});

  RecordingDrawing missing;
  missing.start = RecordingDrawing::Start::kNoPrinter;
  EXPECT_EQ(ErrorOf([&] { missing.PrintLine("a"); }), "No printer has been chosen.");
  EXPECT_EQ(ErrorOf([&] { missing.PrintEmptyLine(); }), "No printer has been chosen.");
  EXPECT_NO_THROW(missing.EndDoc());
  EXPECT_EQ(missing.log, (Log{"start", "start"}));
}

TEST(PagedPrinter, FailedPageKeepsTheLinesBeforeItAndFailsTheEndAfterEndingTheDocument) {
  RecordingDrawing printer;
  printer.pageStarts = false;
  for (int i = 0; i < 3; ++i) printer.PrintLine("line");
  const std::string message = "The printer could not start a new page.";
  EXPECT_EQ(ErrorOf([&] { printer.PrintLine("fourth"); }), message);
  EXPECT_EQ(ErrorOf([&] { printer.PrintLine("fifth"); }), message);
  EXPECT_EQ(ErrorOf([&] { printer.EndDoc(); }), "The printer could not finish the document.");
  EXPECT_EQ(printer.log, (Log{"start", "0 line", "30 line", "60 line", "page", "end"}));

  // A device that refuses to end a document fails its end, once.
  printer.documentEnds = false;
  printer.PrintLine("a");
  EXPECT_EQ(ErrorOf([&] { printer.EndDoc(); }), "The printer could not finish the document.");
  EXPECT_NO_THROW(printer.EndDoc());
}

}  // namespace
}  // namespace korvanel
