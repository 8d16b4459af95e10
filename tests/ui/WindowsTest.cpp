// The main window's handlers on the null runtime: how a typed length is
// read, what printing asks of the printer, and the windows' lifetime. What
// a user sees of the windows is checked on every runtime (tests/behaviour).
#include <gtest/gtest.h>

#include <array>
#include <exception>
#include <memory>
#include <string>
#include <vector>

#include "platform/ControlError.h"
#include "tests/expected/FretTables.h"
#include "tests/fakes/FakeRuntime.h"
#include "tests/fakes/RecordingPrint.h"
#include "ui/main/mMain.h"

namespace korvanel {
namespace {

using test::FakeForm;
using test::FakeRuntime;
using Row = null::NullReportList::Row;

class WindowsTest : public ::testing::Test {
 protected:
  WindowsTest() {
    runtime_.makeJob = [this](Form&) {
      ++jobsMade_;
      return std::make_unique<test::BorrowedPrintJob>(dialog_, printer_);
    };
    main_.Show();
  }

  FakeForm& Main() const { return *runtime_.Loaded("mMain"); }
  null::NullReportList& FretList() const { return Main().ListOf("lst"); }
  void ComputeWith(const std::string& text) {
    Main().ComboBoxOf("cmbLength").text = text;
    main_.Click("btnCompute");
  }

  FakeRuntime runtime_;
  test::OperationLog log_;
  test::RecordingDialog dialog_{log_};
  test::RecordingPrinter printer_{log_};
  int jobsMade_ = 0;
  mMain main_{runtime_};
};

TEST_F(WindowsTest, ComputeListsTheTableOfTheTypedLengthAndRefusesOneTooLarge) {
  main_.Click("btnCompute");
  main_.Click("btnCompute");
  EXPECT_EQ(FretList().rows, test::FretListRows(650));

  ComputeWith("1E400");
  EXPECT_EQ(Main().messages, std::vector<std::string>{"The scale length is too large."});
  EXPECT_EQ(FretList().rows, test::FretListRows(650));

  ComputeWith("647.7 mm");
  EXPECT_EQ(FretList().rows.at(26), (Row{" Bridge", " 161.92", " 647.7"}));

  for (const char* withoutNumber : {"abc", ""}) {
    ComputeWith(withoutNumber);
    EXPECT_EQ(FretList().rows, test::FretListRows(0)) << "'" << withoutNumber << "'";
  }
}

TEST_F(WindowsTest, PrintReportsTheLastComputedTableWithTheUsersSeparatorAndEndsOnce) {
  runtime_.decimalSeparator = "\u066B";
  ComputeWith("647.7");
  Main().ComboBoxOf("cmbLength").text = "600";
  main_.Click("mnuPrint");
  ASSERT_EQ(printer_.Documents().size(), 1u);
  EXPECT_EQ(printer_.Documents()[0].lines.at(5), "   Scale Guitar Length  =  647\u066B7 mm");
  EXPECT_EQ(printer_.Documents()[0].lines.size(), 35u);
  EXPECT_EQ(printer_.EndDocCount(), 1);

  // Each command its own job and document.
  main_.Click("mnuPrint");
  EXPECT_EQ(jobsMade_, 2);
  EXPECT_EQ(printer_.Documents().size(), 2u);
  EXPECT_EQ(printer_.EndDocCount(), 2);
}

TEST_F(WindowsTest, ReportFailingPartWayStillEndsTheDocumentButAFailingEndIsPassedOn) {
  // Operation 20 is a fret line; the report stops there without a word.
  log_.FailAt(20, std::make_exception_ptr(ControlError("paper jam")));
  EXPECT_NO_THROW(main_.Click("mnuPrint"));
  EXPECT_EQ(printer_.EndDocCount(), 1);
  EXPECT_TRUE(printer_.Documents().at(0).ended);

  // 21 operations so far; the next command's end of document is its 45th.
  log_.FailAt(21 + 45, std::make_exception_ptr(ControlError("The printer is gone.")));
  EXPECT_THROW(main_.Click("mnuPrint"), ControlError);
}

TEST(WindowLifetime, TheMainWindowTakesItsInformationWindowsWithIt) {
  FakeRuntime runtime;
  {
    mMain main(runtime);
    main.Show();
    main.Click("mnuTension");
    main.Click("mnuAbout");
    EXPECT_EQ(runtime.LoadedForms().size(), 3u);
  }
  // No window is left whose handlers are gone.
  EXPECT_EQ(runtime.LoadedForms().size(), 0u);
}

}  // namespace
}  // namespace korvanel
