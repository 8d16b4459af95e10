// The printer object's rules, on a drawing side that records what it is
// asked to draw: settings, documents, page breaks and failures.
#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <string>
#include <vector>

#include "platform/ControlError.h"
#include "platform/PagedPrinter.h"

namespace korvanel {
namespace {

using Log = std::vector<std::string>;

// Pages 100 units high; a line is three units per point (30 at 10 pt).
struct RecordingDrawing : PagedPrinter {
  using PagedPrinter::Start;
  Start start = Start::kStarted;
  bool pageStarts = true, documentEnds = true;
  Log log;
  PrintFont drawnFont;
  Rgb drawnColor;

  Start StartDocument() override {
    SetPageHeight(100);
    return log.push_back("start"), start;
  }
  double LineHeight() override { return 3 * Font().points; }
  bool NewPage() override { return log.push_back("page"), pageStarts; }
  void DrawLine(double top, std::string_view text) override {
    log.push_back(std::to_string(static_cast<int>(top)) + " " + std::string(text));
    drawnFont = Font();
    drawnColor = ForeColor();
  }
  void AddPage(std::size_t number, const Picture& page) override {
    log.push_back("page " + std::to_string(number) + " of " + std::to_string(page.lines.size()) +
                  " lines on " + std::to_string(static_cast<int>(PagesPaper()->width)) + "x" +
                  std::to_string(static_cast<int>(PagesPaper()->height)));
  }
  void PaperChanged() override { log.push_back("paper"); }
  bool EndDocument() override { return log.push_back("end"), documentEnds; }
};

// Whether `operation` raises Cancelled rather than another ControlError.
bool IsCancelled(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const Cancelled&) {
    return true;
  } catch (const ControlError&) {
  }
  return false;
}

// The message of the ControlError that `operation` raises, or "" for none.
std::string ErrorOf(const std::function<void()>& operation) {
  try {
    operation();
  } catch (const ControlError& error) {
    return error.what();
  }
  return "";
}

TEST(PagedPrinter, RefusesImpossibleSettingsAndTextsAndKeepsTheLastGoodOnes) {
  RecordingDrawing printer;
  for (float points : {0.0f, -10.0f, 1000.5f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity()}) {
    EXPECT_EQ(ErrorOf([&] { printer.SetFontSize(points); }), "Invalid font size for the printer.");
  }
  for (std::int32_t color : {-1, 0x01000000}) {
    EXPECT_EQ(ErrorOf([&] { printer.SetForeColor(color); }), "Invalid colour for the printer.");
  }
  printer.SetFontName("Courier New");
  for (const char* bad : {"\xc3", "\xc1\xbf", "\xed\xa0\x80", "\xf4\x90\x80\x80"}) {
    EXPECT_EQ(ErrorOf([&] { printer.SetFontName(bad); }), "The text is not valid UTF-8.") << bad;
    EXPECT_EQ(ErrorOf([&] { printer.PrintLine(bad); }), "The text is not valid UTF-8.") << bad;
  }
  EXPECT_TRUE(printer.log.empty()) << "a refused line opens no document";

  // 0x00BBGGRR, red in the lowest byte.
  printer.SetForeColor(0x00123456);
  printer.SetFontBold(true);
  printer.PrintLine("647,7 \xc3\xa9 \xe2\x80\xa6 \xf4\x8f\xbf\xbf");
  EXPECT_EQ(printer.drawnFont, (PrintFont{"Courier New", 10, true, false}));
  EXPECT_EQ(printer.drawnColor, (Rgb{0x56, 0x34, 0x12}));
  printer.SetFontSize(1000);
  printer.SetFontItalic(true);
  printer.PrintLine("big");
  EXPECT_EQ(printer.drawnFont, (PrintFont{"Courier New", 1000, true, true}));
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

TEST(PagedPrinter, AFailedDocumentFailsItsLaterLinesWithoutRetryAndItsEndOnce) {
  using Start = RecordingDrawing::Start;
  const std::string finish = "The printer could not finish the document.";
  for (auto [start, message] :
       {std::pair{Start::kFailed, "The printer could not start the document."},
        {Start::kCancelled, "Printing was cancelled."}}) {
    RecordingDrawing printer;
    printer.start = start;
    EXPECT_EQ(ErrorOf([&] { printer.PrintLine("a"); }), message);
    EXPECT_EQ(ErrorOf([&] { printer.PrintEmptyLine(); }), message);
    EXPECT_EQ(ErrorOf([&] { printer.EndDoc(); }), start == Start::kCancelled ? "" : finish);
    EXPECT_NO_THROW(printer.EndDoc());
    printer.start = Start::kStarted;
    printer.PrintLine("a");
    EXPECT_NO_THROW(printer.EndDoc());
    EXPECT_EQ(printer.log, (Log{"start", "start", "0 a", "end"}));
  }

  RecordingDrawing missing;
  missing.start = Start::kNoPrinter;
  EXPECT_EQ(ErrorOf([&] { missing.PrintLine("a"); }), "No printer has been chosen.");
  EXPECT_EQ(ErrorOf([&] { missing.PrintEmptyLine(); }), "No printer has been chosen.");
  EXPECT_NO_THROW(missing.EndDoc());

  RecordingDrawing paged;
  paged.pageStarts = false;
  for (int i = 0; i < 3; ++i) paged.PrintLine("line");
  EXPECT_EQ(ErrorOf([&] { paged.PrintLine("4"); }), "The printer could not start a new page.");
  EXPECT_EQ(ErrorOf([&] { paged.PrintLine("5"); }), "The printer could not start a new page.");
  EXPECT_EQ(ErrorOf([&] { paged.EndDoc(); }), finish);
  EXPECT_EQ(paged.log, (Log{"start", "0 line", "30 line", "60 line", "page", "end"}));
  paged.documentEnds = false;
  paged.PrintLine("a");
  EXPECT_EQ(ErrorOf([&] { paged.EndDoc(); }), finish) << "a device that cannot end it";
  EXPECT_NO_THROW(paged.EndDoc());
}

TEST(PicturePrinter, PagesNeedTheirPaperFirstAndACancelledStartIsCancelled) {
  RecordingDrawing printer;
  const Picture page{.lines = {PictureLine{{{0, 0}, {10, 10}}}}};
  EXPECT_EQ(ErrorOf([&] { printer.PrintPage(page); }), "The printer has no paper for pages.");
  for (const auto& paper : {std::pair{0.0, 297.0}, {210.0, -1.0}, {3000.0, 297.0}}) {
    EXPECT_EQ(ErrorOf([&] { printer.SetPaper(paper.first, paper.second); }),
              "Invalid paper for the printer.");
  }
  printer.SetPaper(210, 297);
  printer.PrintPage(page);
  EXPECT_EQ(ErrorOf([&] { printer.SetPaper(297, 210); }),
            "The paper cannot change in the middle of a document.");
  printer.PrintPage(page);
  printer.EndDoc();
  EXPECT_EQ(printer.log, (Log{"paper", "start", "page 0 of 1 lines on 210x297",
                              "page 1 of 1 lines on 210x297", "end"}));

  Picture badText;
  badText.texts.push_back({.text = "\xc3"});
  EXPECT_EQ(ErrorOf([&] { printer.PrintPage(badText); }), "The text is not valid UTF-8.");

  printer.start = RecordingDrawing::Start::kCancelled;
  EXPECT_TRUE(IsCancelled([&] { printer.PrintPage(page); }));
  EXPECT_TRUE(IsCancelled([&] { printer.PrintPage(page); })) << "the rest of the document too";
  EXPECT_NO_THROW(printer.EndDoc());
  printer.start = RecordingDrawing::Start::kFailed;
  EXPECT_FALSE(IsCancelled([&] { printer.PrintPage(page); }));
}

}  // namespace
}  // namespace korvanel
