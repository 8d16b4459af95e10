#include "ui/template/mTemplate.h"

#include <string>
#include <utility>

#include "platform/ControlError.h"
#include "platform/Twips.h"
#include "template/Files.h"
#include "template/Pages.h"
#include "template/Picture.h"
#include "ui/template/mTemplateDesign.h"

namespace korvanel {

namespace {

using fret_template::Field;
using fret_template::FieldTexts;
using fret_template::FileKind;
using fret_template::Paper;
using fret_template::Unit;

struct FieldControl {
  Field field;
  std::string_view box;
  // The label of its unit, for a length.
  std::string_view unitLabel;
  bool isComboBox = false;
};

constexpr FieldControl kFields[] = {
    {Field::BassScale, "cmbBassScale", "lblBassScaleUnit", true},
    {Field::TrebleScale, "cmbTrebleScale", "lblTrebleScaleUnit", true},
    {Field::PerpendicularFret, "txtPerpendicularFret", {}},
    {Field::Frets, "txtFrets", {}},
    {Field::NutSpan, "txtNutSpan", "lblNutSpanUnit"},
    {Field::BridgeSpan, "txtBridgeSpan", "lblBridgeSpanUnit"},
    {Field::Overhang, "txtOverhang", "lblOverhangUnit"},
    {Field::BoardEnd, "txtBoardEnd", "lblBoardEndUnit"},
    {Field::SlotWidth, "txtSlotWidth", "lblSlotWidthUnit"},
    {Field::RulerMeasures, "txtRulerMeasures", "lblRulerMeasuresUnit"},
};

constexpr std::string_view kUnits[] = {"mm", "in"};
constexpr std::string_view kPapers[] = {"A4", "Letter"};

constexpr FileType kSvg{"SVG image", "svg", "image/svg+xml"};
constexpr FileType kDxf{"DXF drawing", "dxf", "image/vnd.dxf"};

constexpr double kUsualScale = 650;
// The fret numbers of the drawing as high as the window's text: the default
// font's 8.25 points at 96 dpi.
constexpr double kNumberPixels = 11;

std::string_view BoxOf(Field field) {
  for (const FieldControl& control : kFields) {
    if (control.field == field) return control.box;
  }
  return {};
}

Unit UnitNamed(const std::string& text) {
  return text == kUnits[1] ? Unit::Inch : Unit::Millimetre;
}

const ControlDesign& DrawingDesign() {
  for (const ControlDesign& control : design::kTemplate.controls) {
    if (control.kind == ControlKind::Drawing) return control;
  }
  throw ControlError("The fret template has no drawing.");
}

}  // namespace

mTemplate::mTemplate(WindowRuntime& runtime) : Window(runtime, design::kTemplate) {}

void mTemplate::Click(std::string_view control) {
  static constexpr ClickHandler<mTemplate> kHandlers[] = {
      {"btnDraw", &mTemplate::btnDraw_Click},       {"btnPrint", &mTemplate::btnPrint_Click},
      {"btnSaveSvg", &mTemplate::btnSaveSvg_Click}, {"btnSaveDxf", &mTemplate::btnSaveDxf_Click},
      {"btnClose", &mTemplate::btnClose_Click},
  };
  HandleClick<mTemplate>(*this, kHandlers, control);
}

void mTemplate::Change(std::string_view control) {
  if (control == "cmbUnits") cmbUnits_Change();
}

void mTemplate::Form_Load() {
  Form& form = LoadedForm();
  for (const std::string_view unit : kUnits) form.ComboBoxNamed("cmbUnits").AddItem(unit);
  for (const std::string_view paper : kPapers) form.ComboBoxNamed("cmbPaper").AddItem(paper);
  unit_ = Unit::Millimetre;
  lastChange_.reset();
  form.ComboBoxNamed("cmbUnits").SetText(kUnits[0]);
  form.ComboBoxNamed("cmbPaper").SetText(Runtime().UsesLetterPaper() ? kPapers[1] : kPapers[0]);

  // A length out of the fields' range starts them at the usual one.
  fret_template::TemplateInputs start;
  start.bassScale = start.trebleScale =
      fret_template::ScaleInRange(startLength_, Unit::Millimetre) ? startLength_ : kUsualScale;
  ShowUnit();
  ShowFields(fret_template::InputTexts(start));
  Draw();
}

void mTemplate::btnDraw_Click() { Draw(); }

void mTemplate::btnPrint_Click() {
  const auto board = Draw();
  if (!board) return;
  const fret_template::TemplatePages pages = fret_template::MakePages(*board);
  const std::unique_ptr<PrintJob> job = LoadedForm().MakePrintJob();
  PicturePrinter& printer = job->PagePrinter();
  try {
    printer.SetPaper(pages.width, pages.height);
    job->Dialog().ShowPrinter();
    for (const fret_template::Page& page : pages.pages) {
      printer.PrintPage(fret_template::PagePicture(page, pages));
    }
    printer.EndDoc();
  } catch (const Cancelled&) {
    printer.EndDoc();
  } catch (const ControlError& error) {
    // The user must know that the template came out incomplete.
    try {
      printer.EndDoc();
    } catch (const ControlError&) {
      // The failure told below is the first one.
    }
    LoadedForm().ShowMessage(std::string("The template could not be printed: ") + error.what());
  }
}

void mTemplate::btnSaveSvg_Click() { Save(FileKind::Svg); }

void mTemplate::btnSaveDxf_Click() { Save(FileKind::Dxf); }

void mTemplate::btnClose_Click() { Unload(); }

void mTemplate::cmbUnits_Change() {
  const Unit to = UnitNamed(LoadedForm().ComboBoxNamed("cmbUnits").Text());
  if (to == unit_) return;
  const FieldTexts shown = ReadFields();
  FieldTexts texts = fret_template::ConvertTexts(shown, unit_, to);
  // Back to the units before: each field as it was, unless typed into since.
  if (lastChange_ && lastChange_->from == to) {
    for (const FieldControl& control : kFields) {
      if (shown[control.field] == lastChange_->written[control.field]) {
        texts[control.field] = lastChange_->before[control.field];
      }
    }
  }
  lastChange_ = UnitChange{unit_, shown, texts};
  unit_ = to;
  ShowUnit();
  ShowFields(texts);
}

FieldTexts mTemplate::ReadFields() const {
  Form& form = LoadedForm();
  FieldTexts texts;
  for (const FieldControl& control : kFields) {
    texts[control.field] = control.isComboBox ? form.ComboBoxNamed(control.box).Text()
                                              : form.TextBoxNamed(control.box).Text();
  }
  return texts;
}

void mTemplate::ShowFields(const fret_template::FieldTexts& texts) {
  Form& form = LoadedForm();
  for (const FieldControl& control : kFields) {
    if (control.isComboBox) {
      form.ComboBoxNamed(control.box).SetText(texts[control.field]);
    } else {
      form.TextBoxNamed(control.box).SetText(texts[control.field]);
    }
  }
}

void mTemplate::ShowUnit() {
  Form& form = LoadedForm();
  const std::string_view symbol = fret_template::UnitSymbol(unit_);
  for (const FieldControl& control : kFields) {
    if (!control.unitLabel.empty()) form.LabelNamed(control.unitLabel).SetText(symbol);
    if (!control.isComboBox) continue;
    // The presets of the unit; the text stays.
    ComboBox& box = form.ComboBoxNamed(control.box);
    const std::string text = box.Text();
    box.RemoveAll();
    for (const std::string& preset : fret_template::ScalePresets(unit_)) box.AddItem(preset);
    box.SetText(text);
  }
  form.LabelNamed("lblRulerMeasures")
      .SetText(fret_template::FieldLabel(Field::RulerMeasures, unit_));
}

std::optional<fret_template::BoardGeometry> mTemplate::Draw() {
  Form& form = LoadedForm();
  const Paper paper =
      form.ComboBoxNamed("cmbPaper").Text() == kPapers[1] ? Paper::Letter : Paper::A4;
  const fret_template::InputsReading reading =
      fret_template::ReadInputs(ReadFields(), unit_, paper);
  if (const auto* refusal = std::get_if<fret_template::Refusal>(&reading)) {
    form.ShowMessage(refusal->message);
    form.FocusOn(BoxOf(refusal->field));
    return std::nullopt;
  }
  fret_template::BoardGeometry board =
      fret_template::ComputeBoard(std::get<fret_template::TemplateInputs>(reading));
  const ControlDesign& drawing = DrawingDesign();
  form.DrawingNamed(drawing.name)
      .Show(fret_template::BoardPicture(board, TwipsToPixels(drawing.width),
                                        TwipsToPixels(drawing.height), kNumberPixels),
            fret_template::BoardTitle(board.inputs));
  ListControl& list = form.ListNamed("lstFrets");
  list.RemoveAll();
  for (const fret_template::FretDistanceRow& row : fret_template::FretDistanceRows(board)) {
    const ListControl::ItemId item = list.AddItem(row.fret);
    list.SetSubItem(item, ListControl::SubItem::First, row.bass);
    list.SetSubItem(item, ListControl::SubItem::Second, row.treble);
  }
  return board;
}

void mTemplate::Save(FileKind kind) {
  const auto board = Draw();
  if (!board) return;
  const bool svg = kind == FileKind::Svg;
  LoadedForm().SaveFile(fret_template::FileName(board->inputs, kind), svg ? kSvg : kDxf,
                        svg ? fret_template::BoardSvg(*board) : fret_template::BoardDxf(*board));
}

}  // namespace korvanel
