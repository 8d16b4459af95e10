// The Fret Template window as a user meets it, once for every runtime:
// opened from the main window, drawn, the units changed, every field
// refused, saved and printed. What it should show comes from the template
// layer for the same inputs, not from copies of its numbers.
#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/ControlError.h"
#include "template/Files.h"
#include "template/Geometry.h"
#include "template/Inputs.h"
#include "template/Pages.h"
#include "tests/desktop/Desktop.h"
#include "tests/fakes/RecordingPrint.h"
#include "ui/main/mMain.h"

namespace korvanel::test {
namespace {

using fret_template::Field;
using fret_template::FieldTexts;
using fret_template::TemplateInputs;

// The field's box in the window, and whether it is a combo box.
struct FieldBox {
  Field field;
  const char* box;
};
constexpr FieldBox kBoxes[] = {
    {Field::BassScale, "cmbBassScale"},
    {Field::TrebleScale, "cmbTrebleScale"},
    {Field::PerpendicularFret, "txtPerpendicularFret"},
    {Field::Frets, "txtFrets"},
    {Field::NutSpan, "txtNutSpan"},
    {Field::BridgeSpan, "txtBridgeSpan"},
    {Field::Overhang, "txtOverhang"},
    {Field::BoardEnd, "txtBoardEnd"},
    {Field::SlotWidth, "txtSlotWidth"},
    {Field::RulerMeasures, "txtRulerMeasures"},
};

class TemplateBehaviour : public ::testing::Test {
 protected:
  TemplateBehaviour()
      : desktop_(StartDesktop([this](Form&) -> std::unique_ptr<PrintJob> {
          return std::make_unique<BorrowedPrintJob>(dialog_, printer_);
        })),
        main_(desktop_->Runtime()) {
    main_.Show();
    desktop_->Settle();
  }
  ~TemplateBehaviour() override {
    for (const char* window : {"mTemplate", "mMain"}) desktop_->CloseBox(window);
    desktop_->Settle();
  }

  void Compute(std::string_view length) {
    desktop_->Type("mMain", "cmbLength", length);
    desktop_->Click("mMain", "btnCompute");
    desktop_->Settle();
  }
  void OpenTemplate() {
    desktop_->Click("mMain", "mnuTemplate");
    desktop_->Settle();
  }
  void Click(std::string_view button) {
    desktop_->Click("mTemplate", button);
    desktop_->Settle();
  }
  FieldTexts Fields() const {
    FieldTexts texts;
    for (const FieldBox& box : kBoxes) texts[box.field] = desktop_->Text("mTemplate", box.box);
    return texts;
  }
  std::string Paper() const { return desktop_->Runtime().UsesLetterPaper() ? "Letter" : "A4"; }
  // The board the fields give, as the template layer reads them.
  fret_template::BoardGeometry Board() const {
    const auto reading = fret_template::ReadInputs(
        Fields(), fret_template::Unit::Millimetre,
        Paper() == "Letter" ? fret_template::Paper::Letter : fret_template::Paper::A4);
    return fret_template::ComputeBoard(std::get<TemplateInputs>(reading));
  }
  std::vector<std::vector<std::string>> ListedRows() const {
    std::vector<std::vector<std::string>> rows;
    for (const auto& row : fret_template::FretDistanceRows(Board())) {
      rows.push_back({row.fret, row.bass, row.treble});
    }
    return rows;
  }

  OperationLog log_;
  RecordingDialog dialog_{log_};
  RecordingPrinter printer_{log_};
  std::unique_ptr<Desktop> desktop_;
  mMain main_;
};

TEST_F(TemplateBehaviour, OneWindowOpensDrawnAtTheLengthTheMainWindowLastComputed) {
  Compute("647.7");
  OpenTemplate();
  OpenTemplate();
  EXPECT_EQ(desktop_->Shown("mTemplate"), 1);
  EXPECT_EQ(desktop_->Caption("mTemplate"), "Fret Template");
  EXPECT_EQ(desktop_->Text("mTemplate", "cmbBassScale"), "647.7");
  EXPECT_EQ(desktop_->Text("mTemplate", "cmbTrebleScale"), "647.7");
  EXPECT_EQ(desktop_->Text("mTemplate", "cmbUnits"), "mm");
  EXPECT_EQ(desktop_->Text("mTemplate", "cmbPaper"), Paper());
  EXPECT_EQ(desktop_->Entries("mTemplate", "cmbBassScale"),
            fret_template::ScalePresets(fret_template::Unit::Millimetre));
  EXPECT_EQ(desktop_->Rows("mTemplate", "lstFrets"), ListedRows());
  EXPECT_EQ(desktop_->DrawingName("mTemplate", "picBoard"),
            fret_template::BoardTitle(Board().inputs));
  EXPECT_GT(desktop_->DrawnLines("mTemplate", "picBoard"), 24);

  // Loaded again after its close, from the main window's new length; one
  // out of the fields' range starts them at 650 mm.
  desktop_->Click("mTemplate", "btnClose");
  desktop_->Settle();
  EXPECT_EQ(desktop_->Shown("mTemplate"), 0);
  OpenTemplate();
  for (const char* outOfRange : {"50", "5E99"}) {
    desktop_->Click("mTemplate", "btnClose");
    Compute(outOfRange);
    OpenTemplate();
    EXPECT_EQ(desktop_->Text("mTemplate", "cmbBassScale"), "650") << outOfRange;
    EXPECT_EQ(desktop_->Rows("mTemplate", "lstFrets").size(), 24u) << outOfRange;
  }
}

TEST_F(TemplateBehaviour, DrawReadsEveryFieldAndListsTheFretsOfAFannedBoard) {
  OpenTemplate();
  desktop_->Type("mTemplate", "cmbBassScale", "686");
  desktop_->Type("mTemplate", "cmbTrebleScale", "648");
  desktop_->Type("mTemplate", "txtPerpendicularFret", "8");
  desktop_->PressEnter("mTemplate", "txtFrets");
  desktop_->Settle();
  EXPECT_TRUE(desktop_->Messages().empty());
  EXPECT_EQ(desktop_->Rows("mTemplate", "lstFrets"), ListedRows());
  EXPECT_EQ(desktop_->DrawingName("mTemplate", "picBoard"), "Fret template 686/648 mm, 24 frets");
}

TEST_F(TemplateBehaviour, AChangeOfUnitsConvertsEveryLengthAndTheWayBackRestoresThem) {
  OpenTemplate();
  const FieldTexts before = Fields();
  desktop_->Pick("mTemplate", "cmbUnits", 1);
  desktop_->Settle();
  EXPECT_EQ(desktop_->Text("mTemplate", "cmbBassScale"), "25.5906");
  const FieldTexts inches = fret_template::ConvertTexts(before, fret_template::Unit::Millimetre,
                                                        fret_template::Unit::Inch);
  for (const FieldBox& box : kBoxes) {
    EXPECT_EQ(desktop_->Text("mTemplate", box.box), inches[box.field]) << box.box;
  }
  EXPECT_EQ(desktop_->Text("mTemplate", "lblBassScaleUnit"), "in");
  EXPECT_EQ(desktop_->Text("mTemplate", "lblRulerMeasures"), "4 in ruler measures");
  EXPECT_EQ(desktop_->Entries("mTemplate", "cmbBassScale"),
            fret_template::ScalePresets(fret_template::Unit::Inch));

  desktop_->Type("mTemplate", "txtNutSpan", "1.5");
  desktop_->Pick("mTemplate", "cmbUnits", 0);
  desktop_->Settle();
  EXPECT_EQ(desktop_->Text("mTemplate", "cmbBassScale"), "650") << "as it was, not 650.001";
  EXPECT_EQ(desktop_->Text("mTemplate", "txtNutSpan"), "38.1") << "typed since: converted";
  EXPECT_EQ(desktop_->Text("mTemplate", "lblRulerMeasures"), "100 mm ruler measures");
}

TEST_F(TemplateBehaviour, ARefusedFieldIsToldTakesTheFocusAndTheDrawingStays) {
  OpenTemplate();
  const auto rows = desktop_->Rows("mTemplate", "lstFrets");
  for (const FieldBox& box : kBoxes) {
    SCOPED_TRACE(box.box);
    const std::string kept = desktop_->Text("mTemplate", box.box);
    desktop_->Type("mTemplate", box.box, "1E400");
    const auto reading = fret_template::ReadInputs(Fields(), fret_template::Unit::Millimetre,
                                                   fret_template::Paper::A4);
    ASSERT_TRUE(std::holds_alternative<fret_template::Refusal>(reading));
    Click("btnDraw");
    EXPECT_EQ(desktop_->Messages(),
              std::vector<std::string>{std::get<fret_template::Refusal>(reading).message});
    EXPECT_EQ(desktop_->Focused("mTemplate"), box.box);
    EXPECT_EQ(desktop_->Rows("mTemplate", "lstFrets"), rows);
    desktop_->Type("mTemplate", box.box, kept);
  }
}

TEST_F(TemplateBehaviour, SavesHoldTheFilesBytesAndACancelledSaveWritesNothing) {
  OpenTemplate();
  desktop_->AnswerSaves("board.svg");
  Click("btnSaveSvg");
  EXPECT_EQ(desktop_->Saved("board.svg"), fret_template::BoardSvg(Board()));
  desktop_->AnswerSaves("board.dxf");
  Click("btnSaveDxf");
  EXPECT_EQ(desktop_->Saved("board.dxf"), fret_template::BoardDxf(Board()));
  const std::string saved = fret_template::BoardSvg(Board());
  desktop_->AnswerSaves(std::nullopt);
  desktop_->Type("mTemplate", "txtFrets", "22");
  Click("btnSaveSvg");
  EXPECT_EQ(desktop_->Saved("board.svg"), saved);
  EXPECT_TRUE(desktop_->Messages().empty());
}

TEST_F(TemplateBehaviour, ASaveIntoAFolderThatIsNotThereIsToldAndWritesNothing) {
  OpenTemplate();
  desktop_->AnswerSaves("missing/board.svg");
  Click("btnSaveSvg");
  const std::vector<std::string> messages = desktop_->Messages();
  ASSERT_EQ(messages.size(), 1u);
  EXPECT_NE(messages[0].find("board.svg"), std::string::npos) << messages[0];
  EXPECT_EQ(desktop_->Saved("missing/board.svg"), std::nullopt);
}

TEST_F(TemplateBehaviour, PrintPrintsEveryPageOnItsPaperAndTellsAFailureButNotACancel) {
  OpenTemplate();
  Click("btnPrint");
  const fret_template::TemplatePages pages = fret_template::MakePages(Board());
  ASSERT_EQ(printer_.Documents().size(), 1u);
  EXPECT_EQ(printer_.Documents()[0].pages.size(), pages.pages.size());
  EXPECT_TRUE(printer_.Documents()[0].ended);
  EXPECT_EQ(log_.Operations().front(),
            "SetPaper(" + std::to_string(pages.width) + ", " + std::to_string(pages.height) + ")");
  EXPECT_TRUE(desktop_->Messages().empty());

  log_.FailAt(static_cast<int>(log_.Operations().size()) + 2,
              std::make_exception_ptr(Cancelled("Printing was cancelled.")));
  Click("btnPrint");
  EXPECT_EQ(printer_.Documents().size(), 1u);
  EXPECT_TRUE(desktop_->Messages().empty()) << "a cancel is quiet";

  log_.FailAt(static_cast<int>(log_.Operations().size()) + 4,
              std::make_exception_ptr(ControlError("The printer is out of paper.")));
  Click("btnPrint");
  EXPECT_EQ(desktop_->Messages(),
            std::vector<std::string>{"The template could not be printed: The printer is out of "
                                     "paper."});
}

}  // namespace
}  // namespace korvanel::test
