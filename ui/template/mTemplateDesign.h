#pragma once

#include "platform/WindowDesign.h"

namespace korvanel::design {

inline constexpr ListColumn kTemplateColumns[] = {
    {"Fret", 1000}, {"Bass side", 3000}, {"Treble side", 3000}};

// The fields stand in a column, each a label, a box and, for a length, the
// unit's label; the buttons below them. The board's drawing and its fret
// list fill the right-hand side, the drawing above the list.
// clang-format off
inline constexpr ControlDesign kTemplateControls[] = {
    {.kind = ControlKind::Label, .name = "lblUnits", .text = "Units",
     .left = 120, .top = 170, .width = 2400, .height = 255, .labelFor = "cmbUnits"},
    {.kind = ControlKind::DropDownList, .name = "cmbUnits",
     .left = 2640, .top = 120, .width = 1335, .height = 315, .tabIndex = 0},

    {.kind = ControlKind::Label, .name = "lblBassScale", .text = "Scale length, bass side",
     .left = 120, .top = 560, .width = 2400, .height = 255, .labelFor = "cmbBassScale"},
    {.kind = ControlKind::ComboBox, .name = "cmbBassScale",
     .left = 2640, .top = 510, .width = 1335, .height = 315, .tabIndex = 1},
    {.kind = ControlKind::Label, .name = "lblBassScaleUnit", .text = "mm",
     .left = 4080, .top = 560, .width = 495, .height = 255},

    {.kind = ControlKind::Label, .name = "lblTrebleScale", .text = "Scale length, treble side",
     .left = 120, .top = 950, .width = 2400, .height = 255, .labelFor = "cmbTrebleScale"},
    {.kind = ControlKind::ComboBox, .name = "cmbTrebleScale",
     .left = 2640, .top = 900, .width = 1335, .height = 315, .tabIndex = 2},
    {.kind = ControlKind::Label, .name = "lblTrebleScaleUnit", .text = "mm",
     .left = 4080, .top = 950, .width = 495, .height = 255},

    {.kind = ControlKind::Label, .name = "lblPerpendicularFret", .text = "Perpendicular fret",
     .left = 120, .top = 1340, .width = 2400, .height = 255, .labelFor = "txtPerpendicularFret"},
    {.kind = ControlKind::TextBox, .name = "txtPerpendicularFret",
     .left = 2640, .top = 1290, .width = 1335, .height = 315, .tabIndex = 3},

    {.kind = ControlKind::Label, .name = "lblFrets", .text = "Frets",
     .left = 120, .top = 1730, .width = 2400, .height = 255, .labelFor = "txtFrets"},
    {.kind = ControlKind::TextBox, .name = "txtFrets",
     .left = 2640, .top = 1680, .width = 1335, .height = 315, .tabIndex = 4},

    {.kind = ControlKind::Label, .name = "lblNutSpan", .text = "String span at nut",
     .left = 120, .top = 2120, .width = 2400, .height = 255, .labelFor = "txtNutSpan"},
    {.kind = ControlKind::TextBox, .name = "txtNutSpan",
     .left = 2640, .top = 2070, .width = 1335, .height = 315, .tabIndex = 5},
    {.kind = ControlKind::Label, .name = "lblNutSpanUnit", .text = "mm",
     .left = 4080, .top = 2120, .width = 495, .height = 255},

    {.kind = ControlKind::Label, .name = "lblBridgeSpan", .text = "String span at bridge",
     .left = 120, .top = 2510, .width = 2400, .height = 255, .labelFor = "txtBridgeSpan"},
    {.kind = ControlKind::TextBox, .name = "txtBridgeSpan",
     .left = 2640, .top = 2460, .width = 1335, .height = 315, .tabIndex = 6},
    {.kind = ControlKind::Label, .name = "lblBridgeSpanUnit", .text = "mm",
     .left = 4080, .top = 2510, .width = 495, .height = 255},

    {.kind = ControlKind::Label, .name = "lblOverhang", .text = "Overhang",
     .left = 120, .top = 2900, .width = 2400, .height = 255, .labelFor = "txtOverhang"},
    {.kind = ControlKind::TextBox, .name = "txtOverhang",
     .left = 2640, .top = 2850, .width = 1335, .height = 315, .tabIndex = 7},
    {.kind = ControlKind::Label, .name = "lblOverhangUnit", .text = "mm",
     .left = 4080, .top = 2900, .width = 495, .height = 255},

    {.kind = ControlKind::Label, .name = "lblBoardEnd", .text = "Board end past last fret",
     .left = 120, .top = 3290, .width = 2400, .height = 255, .labelFor = "txtBoardEnd"},
    {.kind = ControlKind::TextBox, .name = "txtBoardEnd",
     .left = 2640, .top = 3240, .width = 1335, .height = 315, .tabIndex = 8},
    {.kind = ControlKind::Label, .name = "lblBoardEndUnit", .text = "mm",
     .left = 4080, .top = 3290, .width = 495, .height = 255},

    {.kind = ControlKind::Label, .name = "lblSlotWidth", .text = "Slot width",
     .left = 120, .top = 3680, .width = 2400, .height = 255, .labelFor = "txtSlotWidth"},
    {.kind = ControlKind::TextBox, .name = "txtSlotWidth",
     .left = 2640, .top = 3630, .width = 1335, .height = 315, .tabIndex = 9},
    {.kind = ControlKind::Label, .name = "lblSlotWidthUnit", .text = "mm",
     .left = 4080, .top = 3680, .width = 495, .height = 255},

    {.kind = ControlKind::Label, .name = "lblPaper", .text = "Paper",
     .left = 120, .top = 4070, .width = 2400, .height = 255, .labelFor = "cmbPaper"},
    {.kind = ControlKind::DropDownList, .name = "cmbPaper",
     .left = 2640, .top = 4020, .width = 1335, .height = 315, .tabIndex = 10},

    {.kind = ControlKind::Label, .name = "lblRulerMeasures", .text = "100 mm ruler measures",
     .left = 120, .top = 4460, .width = 2400, .height = 255, .labelFor = "txtRulerMeasures"},
    {.kind = ControlKind::TextBox, .name = "txtRulerMeasures",
     .left = 2640, .top = 4410, .width = 1335, .height = 315, .tabIndex = 11},
    {.kind = ControlKind::Label, .name = "lblRulerMeasuresUnit", .text = "mm",
     .left = 4080, .top = 4460, .width = 495, .height = 255},

    {.kind = ControlKind::Button, .name = "btnDraw", .text = "Draw",
     .left = 120, .top = 5040, .width = 2160, .height = 405, .tabIndex = 12, .isDefault = true},
    {.kind = ControlKind::Button, .name = "btnPrint", .text = "Print...",
     .left = 2415, .top = 5040, .width = 2160, .height = 405, .tabIndex = 13},
    {.kind = ControlKind::Button, .name = "btnSaveSvg", .text = "Save SVG...",
     .left = 120, .top = 5565, .width = 2160, .height = 405, .tabIndex = 14},
    {.kind = ControlKind::Button, .name = "btnSaveDxf", .text = "Save DXF...",
     .left = 2415, .top = 5565, .width = 2160, .height = 405, .tabIndex = 15},
    {.kind = ControlKind::Button, .name = "btnClose", .text = "Close",
     .left = 2415, .top = 6555, .width = 2160, .height = 405, .tabIndex = 17},

    {.kind = ControlKind::Drawing, .name = "picBoard", .text = "The fretboard",
     .left = 4800, .top = 120, .width = 8880, .height = 1800},
    {.kind = ControlKind::List, .name = "lstFrets",
     .left = 4800, .top = 2040, .width = 8880, .height = 4920, .tabIndex = 16,
     .font = kListFont, .columns = kTemplateColumns},
};
// clang-format on

inline constexpr WindowDesign kTemplate{
    .name = "mTemplate",
    .caption = "Fret Template",
    .clientWidth = 13800,
    .clientHeight = 7080,
    .controls = kTemplateControls,
    .printCommand = "btnPrint",
};

}  // namespace korvanel::design
