#pragma once

#include "platform/WindowDesign.h"

namespace korvanel::design {

inline constexpr ListColumn kFretColumns[] = {
    {"Fret", 1000}, {"Distance from previous (mm)", 3500}, {"Whole Distance (mm)", 3500}};

// clang-format off
inline constexpr ControlDesign kMainControls[] = {
    {.kind = ControlKind::Label, .name = "lblLength", .text = "Scale Guitar Length",
     .left = 120, .top = 170, .width = 1455, .height = 285, .tabIndex = 0,
     .labelFor = "cmbLength"},
    {.kind = ControlKind::ComboBox, .name = "cmbLength",
     .left = 1680, .top = 120, .width = 1335, .height = 315, .tabIndex = 4},
    {.kind = ControlKind::Label, .name = "lblmm", .text = "mm",
     .left = 3120, .top = 170, .width = 495, .height = 285, .tabIndex = 1},
    {.kind = ControlKind::Button, .name = "btnCompute", .text = "Compute",
     .left = 3840, .top = 70, .width = 1215, .height = 405, .tabIndex = 2,
     .isDefault = true},
    {.kind = ControlKind::List, .name = "lst",
     .left = 120, .top = 720, .width = 8055, .height = 6450, .tabIndex = 3,
     .font = kListFont, .columns = kFretColumns},
};
// clang-format on

inline constexpr MenuItemDesign kFileItems[] = {{"mnuPrint", "Print"},
                                                {"mnuTemplate", "Fret Template..."},
                                                {"Riga1", "-"},
                                                {"mnuExit", "Exit"}};
inline constexpr MenuItemDesign kInfoItems[] = {
    {"mnuTension", "Tension and Frequency"}, {"Riga6", "-"}, {"mnuAbout", "About"}};
inline constexpr MenuDesign kMainMenus[] = {{"mnuFile", "File", kFileItems},
                                            {"mnuInfo", "?", kInfoItems}};

inline constexpr WindowDesign kMain{
    .name = "mMain",
    .caption = "Korvanel",
    .clientWidth = 8325,
    .clientHeight = 7305,
    .controls = kMainControls,
    .menus = kMainMenus,
    .printCommand = "mnuPrint",
};

}  // namespace korvanel::design
