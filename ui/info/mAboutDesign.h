#pragma once

#include "platform/WindowDesign.h"

namespace korvanel::design {

// clang-format off
inline constexpr ControlDesign kAboutControls[] = {
    {.kind = ControlKind::Label, .name = "Label1", .text = "Korvanel 1.00, a fret calculator,",
     .left = 240, .top = 1080, .width = 4215, .height = 255, .tabIndex = 0},
    {.kind = ControlKind::Label, .name = "Label2", .text = "written by Korvanel's authors in 2026.",
     .left = 240, .top = 1320, .width = 3855, .height = 255, .tabIndex = 1},
    {.kind = ControlKind::Label, .name = "Label3", .text = "Dedicated to every luthier who still lays out",
     .left = 240, .top = 1800, .width = 4695, .height = 255, .tabIndex = 2},
    {.kind = ControlKind::Label, .name = "Label4", .text = "a fingerboard by hand, one fret at a time.",
     .left = 240, .top = 2040, .width = 4215, .height = 255, .tabIndex = 3},
    {.kind = ControlKind::Label, .name = "Label5", .text = "Enjoy building and playing!",
     .left = 240, .top = 2640, .width = 3375, .height = 255, .tabIndex = 4},
    {.kind = ControlKind::Label, .name = "Label6", .text = "Korvanel",
     .left = 240, .top = 240, .width = 5055, .height = 495, .tabIndex = 5,
     .font = {"MS Sans Serif", 18}, .color = Rgb{0, 0, 192}},
    {.kind = ControlKind::Button, .name = "btnOK", .text = "OK",
     .left = 1920, .top = 3120, .width = 1815, .height = 495, .tabIndex = 6},
};
// clang-format on

inline constexpr WindowDesign kAbout{
    .name = "mAbout",
    .caption = "About",
    .clientWidth = 5715,
    .clientHeight = 3915,
    .controls = kAboutControls,
};

}  // namespace korvanel::design
