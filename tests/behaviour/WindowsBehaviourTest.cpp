// The windows' behaviour as a user meets it, once for every runtime: each
// runtime's desktop (tests/<runtime>/Desktop.cpp) runs these checks on its
// real windows. Places, texts, tab orders and menus are checked against the
// designs, not copies of their numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/ControlMaker.h"
#include "platform/Twips.h"
#include "tests/desktop/Desktop.h"
#include "tests/expected/FretTables.h"
#include "ui/info/mAboutDesign.h"
#include "ui/info/mTensionDesign.h"
#include "ui/main/mMain.h"
#include "ui/main/mMainDesign.h"
#include "ui/template/mTemplateDesign.h"

namespace korvanel::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows ListedRows(double scaleLength) {
  Rows rows;
  for (const auto& row : FretListRows(scaleLength)) rows.push_back({row[0], row[1], row[2]});
  return rows;
}

constexpr const WindowDesign* kDesigns[] = {&design::kMain, &design::kTension, &design::kAbout,
                                            &design::kTemplate};

const std::vector<std::string> kLengths = {"600", "605", "610", "615", "620", "625", "630", "635",
                                           "640", "645", "650", "655", "660", "665", "670"};

class WindowsBehaviour : public ::testing::Test {
 protected:
  WindowsBehaviour() : desktop_(StartDesktop({})), main_(desktop_->Runtime()) {
    main_.Show();
    desktop_->Settle();
  }
  ~WindowsBehaviour() override {
    for (const char* window : {"mTemplate", "mTension", "mAbout", "mMain"}) {
      desktop_->CloseBox(window);
    }
    desktop_->Settle();
  }

  void Open(std::string_view window) {
    if (window == "mTension") desktop_->Click("mMain", "mnuTension");
    if (window == "mAbout") desktop_->Click("mMain", "mnuAbout");
    if (window == "mTemplate") desktop_->Click("mMain", "mnuTemplate");
    desktop_->Settle();
  }
  void ComputeWith(std::string_view text) {
    desktop_->Type("mMain", "cmbLength", text);
    desktop_->Click("mMain", "btnCompute");
    desktop_->Settle();
  }
  Rows FretRows() const { return desktop_->Rows("mMain", "lst"); }

  std::unique_ptr<Desktop> desktop_;
  mMain main_;
};

TEST_F(WindowsBehaviour, TheMainWindowOpensWith650CurrentAmongTheFifteenLengthsAndAnEmptyList) {
  EXPECT_EQ(desktop_->Text("mMain", "cmbLength"), "650");
  EXPECT_EQ(desktop_->Entries("mMain", "cmbLength"), kLengths);
  EXPECT_EQ(desktop_->CurrentEntry("mMain", "cmbLength"), 10);
  EXPECT_TRUE(FretRows().empty());
  EXPECT_EQ(desktop_->Focused("mMain"), "btnCompute");
}

TEST_F(WindowsBehaviour, ComputeListsTheRowsOfThePickedOrTypedLength) {
  desktop_->Click("mMain", "btnCompute");
  desktop_->Settle();
  EXPECT_EQ(FretRows(), ListedRows(650));
  ComputeWith("647.7");
  EXPECT_EQ(FretRows(), ListedRows(647.7));
  desktop_->Pick("mMain", "cmbLength", 0);
  desktop_->Click("mMain", "btnCompute");
  desktop_->Click("mMain", "btnCompute");
  desktop_->Settle();
  EXPECT_EQ(FretRows(), ListedRows(600)) << "the list is emptied first";
  EXPECT_EQ(desktop_->Entries("mMain", "cmbLength"), kLengths) << "typed text is not added";
}

TEST_F(WindowsBehaviour, ALengthTooLargeIsToldAndTheTableStays) {
  ComputeWith("650");
  EXPECT_TRUE(desktop_->Messages().empty());
  ComputeWith("1E400");
  EXPECT_EQ(desktop_->Messages(), std::vector<std::string>{"The scale length is too large."});
  EXPECT_EQ(FretRows(), ListedRows(650));
}

TEST_F(WindowsBehaviour, EnterComputesFromTheLengthAndFromTheList) {
  desktop_->PressEnter("mMain", "lst");
  desktop_->Settle();
  EXPECT_EQ(FretRows(), ListedRows(650));
  desktop_->Type("mMain", "cmbLength", "647.7");
  desktop_->PressEnter("mMain", "cmbLength");
  desktop_->Settle();
  EXPECT_EQ(FretRows(), ListedRows(647.7));
  EXPECT_EQ(desktop_->Entries("mMain", "cmbLength"), kLengths);
}

TEST_F(WindowsBehaviour, TheFocusOpensOnTheFirstControlInTabOrderAndTabGoesRound) {
  for (const WindowDesign* design : kDesigns) {
    SCOPED_TRACE(design->name);
    Open(design->name);
    std::vector<std::string> order;
    for (const std::size_t index : TabOrder(*design)) {
      order.emplace_back(design->controls[index].name);
    }
    ASSERT_FALSE(order.empty());
    EXPECT_EQ(desktop_->Focused(design->name), order.front());
    for (std::size_t step = 1; step <= order.size(); ++step) {
      desktop_->PressTab(design->name);
      desktop_->Settle();
      EXPECT_EQ(desktop_->Focused(design->name), order[step % order.size()]) << "Tab " << step;
    }
    desktop_->PressTab(design->name, true);
    desktop_->Settle();
    EXPECT_EQ(desktop_->Focused(design->name), order.back()) << "Shift+Tab";
  }
}

TEST_F(WindowsBehaviour, TheMenuBarHoldsTheDesignsMenusInOrderWithoutShortcuts) {
  std::vector<Desktop::Menu> menus;
  for (const MenuDesign& menu : design::kMain.menus) {
    Desktop::Menu& expected = menus.emplace_back(Desktop::Menu{std::string(menu.text), {}});
    for (const MenuItemDesign& item : menu.items) expected.items.emplace_back(item.text);
  }
  EXPECT_EQ(desktop_->Menus("mMain"), menus);
}

TEST_F(WindowsBehaviour, TheInformationWindowsOpenOnceAndCloseByTheirButtonOrCloseBox) {
  Open("mTension");
  desktop_->PressTab("mTension");
  desktop_->Settle();
  ASSERT_EQ(desktop_->Focused("mTension"), "btnOk");
  Open("mTension");
  EXPECT_EQ(desktop_->Shown("mTension"), 1);
  EXPECT_EQ(desktop_->Focused("mTension"), "btnOk") << "the same window, not loaded anew";
  const Rows strings = desktop_->Rows("mTension", "lst");
  ASSERT_EQ(strings.size(), 6u) << "loaded once, filled once";
  EXPECT_EQ(strings[0], (std::vector<std::string>{" 1 st", "E(2)", " 329.6\u2026  Hz"}));
  EXPECT_EQ(strings[4], (std::vector<std::string>{" 5 th", "A(0)", " 110     Hz"}));
  desktop_->Click("mTension", "btnOk");
  desktop_->Settle();
  EXPECT_EQ(desktop_->Shown("mTension"), 0);
  Open("mTension");
  EXPECT_EQ(desktop_->Rows("mTension", "lst"), strings);

  Open("mAbout");
  Open("mAbout");
  EXPECT_EQ(desktop_->Shown("mAbout"), 1);
  desktop_->Click("mAbout", "btnOK");
  desktop_->Settle();
  EXPECT_EQ(desktop_->Shown("mAbout"), 0);
  Open("mAbout");
  desktop_->CloseBox("mAbout");
  desktop_->Settle();
  EXPECT_EQ(desktop_->Shown("mAbout"), 0);
  EXPECT_EQ(desktop_->Shown("mMain"), 1);
  EXPECT_FALSE(desktop_->Ended());
}

TEST_F(WindowsBehaviour, FileExitClosesEveryWindowAndEndsTheProgram) {
  Open("mTension");
  Open("mAbout");
  desktop_->Click("mMain", "mnuExit");
  desktop_->Settle();
  for (const char* window : {"mMain", "mTension", "mAbout"}) {
    EXPECT_EQ(desktop_->Shown(window), 0) << window;
  }
  EXPECT_TRUE(desktop_->Ended());
}

TEST_F(WindowsBehaviour, ClosingTheMainWindowLeavesTheOthersOpenUntilTheLastOneCloses) {
  Open("mTension");
  Open("mAbout");
  desktop_->CloseBox("mMain");
  desktop_->Settle();
  EXPECT_EQ(desktop_->Shown("mMain"), 0);
  EXPECT_EQ(desktop_->Shown("mTension"), 1);
  desktop_->CloseBox("mTension");
  desktop_->Settle();
  EXPECT_FALSE(desktop_->Ended());
  desktop_->CloseBox("mAbout");
  desktop_->Settle();
  EXPECT_TRUE(desktop_->Ended());
}

TEST_F(WindowsBehaviour, EveryWindowShowsItsDesignTextsAndPlacesAtItsDpi) {
  for (const WindowDesign* design : kDesigns) {
    SCOPED_TRACE(design->name);
    Open(design->name);
    const int dpi = desktop_->Dpi(design->name);
    EXPECT_EQ(desktop_->Caption(design->name), design->caption);
    const PixelBox client = desktop_->ClientArea(design->name);
    EXPECT_EQ(client.width, TwipsToPixels(design->clientWidth, dpi));
    EXPECT_EQ(client.height, TwipsToPixels(design->clientHeight, dpi));
    for (const ControlDesign& control : design->controls) {
      SCOPED_TRACE(control.name);
      EXPECT_EQ(desktop_->Place(design->name, control.name),
                PixelPlace(control.left, control.top, control.width, control.height, dpi));
      if (control.kind == ControlKind::Label || control.kind == ControlKind::Button) {
        EXPECT_EQ(desktop_->Text(design->name, control.name), control.text);
      }
      if (control.kind == ControlKind::List) {
        std::vector<Desktop::Column> columns;
        for (const ListColumn& column : control.columns) {
          columns.push_back({std::string(column.header), TwipsToPixels(column.width, dpi)});
        }
        EXPECT_EQ(desktop_->Columns(design->name, control.name), columns);
      }
    }
    for (const LineDesign& line : design->lines) {
      SCOPED_TRACE(line.name);
      std::vector<Desktop::Point> ends = {
          {TwipsToPixels(line.x1, dpi), TwipsToPixels(line.y1, dpi)},
          {TwipsToPixels(line.x2, dpi), TwipsToPixels(line.y2, dpi)}};
      std::vector<Desktop::Point> drawn = desktop_->Ends(design->name, line.name);
      std::sort(ends.begin(), ends.end());
      std::sort(drawn.begin(), drawn.end());
      EXPECT_EQ(drawn, ends);
    }
  }
}

}  // namespace
}  // namespace korvanel::test
