// The one loop that makes a window's parts from its design, on a maker that
// records what it is asked for, by design name.
#include "platform/ControlMaker.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ControlError.h"

namespace korvanel {
namespace {

using Log = std::vector<std::string>;

class RecordingMaker : public ControlMaker<std::string, std::string> {
 public:
  std::string MakeMenu(const MenuDesign& menu) override { return Made("menu", menu.name); }
  void MakeMenuItem(std::string menu, const MenuItemDesign& item) override {
    log.push_back(menu + "/" + std::string(item.name));
  }
  void MakeSeparator(std::string menu, const MenuItemDesign& item) override {
    log.push_back(menu + "/" + std::string(item.name) + " -");
  }
  std::string MakeLabel(const ControlDesign& label) override { return Made("label", label.name); }
  std::string MakeButton(const ControlDesign& button) override {
    return Made("button", button.name);
  }
  std::string MakeComboBox(const ControlDesign& box) override { return Made("combo", box.name); }
  std::string MakeList(const ControlDesign& list) override { return Made("list", list.name); }
  std::string MakeDropDownList(const ControlDesign& box) override {
    return Made("drop-down", box.name);
  }
  std::string MakeTextBox(const ControlDesign& box) override { return Made("text", box.name); }
  std::string MakeDrawing(const ControlDesign& drawing) override {
    return Made("drawing", drawing.name);
  }
  void MakeLine(const LineDesign& line) override { Made("line", line.name); }
  void NameByLabel(std::string label, std::string named) override {
    log.push_back(label + " names " + named);
  }
  void SetTabOrder(std::span<const std::string> order) override {
    std::string tabs = "tabs";
    for (const std::string& control : order) tabs += " " + control;
    log.push_back(tabs);
  }

  Log log;

 private:
  std::string Made(const char* kind, std::string_view name) {
    log.push_back(std::string(kind) + " " + std::string(name));
    return std::string(name);
  }
};

constexpr MenuItemDesign kItems[] = {{"mnuA", "A"}, {"Riga1", "-"}, {"mnuB", "B"}};
constexpr MenuDesign kMenus[] = {{"mnuFirst", "First", kItems}, {"mnuEmpty", "Empty", {}}};
constexpr LineDesign kLines[] = {{"Line1", 0, 0, 10, 10}};

constexpr ControlDesign kControls[] = {
    {.kind = ControlKind::Label, .name = "lblList", .tabIndex = 0, .labelFor = "lst"},
    {.kind = ControlKind::Button, .name = "btnLate", .tabIndex = 2},
    {.kind = ControlKind::Label, .name = "lblPlain", .tabIndex = 1},
    {.kind = ControlKind::List, .name = "lst", .tabIndex = 1},
    {.kind = ControlKind::ComboBox, .name = "cmb", .tabIndex = 0},
    {.kind = ControlKind::Label, .name = "lblCombo", .tabIndex = 9, .labelFor = "cmb"},
    {.kind = ControlKind::Button, .name = "btnEarly", .tabIndex = 1},
};
constexpr WindowDesign kDesign{
    .name = "w", .caption = "", .controls = kControls, .lines = kLines, .menus = kMenus};

TEST(MakeControlsTest, MenusThenControlsWithEachNamingLabelJustBeforeItsControlThenLinesAndTabs) {
  RecordingMaker maker;
  MakeControls(kDesign, maker);
  EXPECT_EQ(maker.log,
            (Log{"menu mnuFirst", "mnuFirst/mnuA", "mnuFirst/Riga1 -", "mnuFirst/mnuB",
                 "menu mnuEmpty", "button btnLate", "label lblPlain", "label lblList", "list lst",
                 "label lblCombo", "combo cmb", "button btnEarly", "lblList names lst",
                 "lblCombo names cmb", "line Line1", "tabs cmb lst btnEarly btnLate"}));
}

TEST(MakeControlsTest, ALabelMustNameAControlOfTheWindowThatIsNoLabel) {
  for (const char* named : {"nothing", "lblOther"}) {
    const ControlDesign controls[] = {
        {.kind = ControlKind::Label, .name = "lblOther"},
        {.kind = ControlKind::Label, .name = "lbl", .labelFor = named},
    };
    const WindowDesign design{.name = "w", .caption = "", .controls = controls};
    RecordingMaker maker;
    EXPECT_THROW(MakeControls(design, maker), ControlError) << named;
    EXPECT_TRUE(maker.log.empty());
  }
}

}  // namespace
}  // namespace korvanel
