#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace korvanel {

// A window as its design gives it: constant data that a window runtime turns
// into a real window. Positions and sizes are in twips (1/1440 inch, 15 to a
// pixel at 96 dpi) from the top-left corner of the client area, below the
// menu bar. Every window is centred on the screen when it is shown, is an
// ordinary sizable top-level window without owner, and lays nothing out
// again when it is resized.

// A face and its size; a runtime without the face stands in one of the same
// pitch.
struct FontDesign {
  std::string_view face = {};
  float points = 0;
  // The lists show their columns aligned by blanks.
  bool fixedPitch = false;
};

inline constexpr FontDesign kDefaultFont{"MS Sans Serif", 8.25f};
inline constexpr FontDesign kListFont{"Courier New", 8.25f, true};

struct Rgb {
  std::uint8_t red = 0;
  std::uint8_t green = 0;
  std::uint8_t blue = 0;

  bool operator==(const Rgb&) const = default;
};

// A column of a list in report view: header text and width; left-aligned.
struct ListColumn {
  std::string_view header;
  int width = 0;
};

// Labels are left-aligned, opaque, without border and keep their size,
// showing what fits on their one line. Labels and drawings take no focus. A
// combo box
// takes typed text beside its list; a drop-down list box offers its list
// only; a text box takes one line of typed text; a drawing shows a picture
// scaled to fit it.
enum class ControlKind { Label, Button, ComboBox, List, DropDownList, TextBox, Drawing };

struct ControlDesign {
  ControlKind kind = ControlKind::Label;
  std::string_view name = {};
  std::string_view text = {};
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int tabIndex = 0;
  FontDesign font = kDefaultFont;
  // The text colour; the system's when not given.
  std::optional<Rgb> color = std::nullopt;
  // Lists only.
  std::span<const ListColumn> columns = {};
  // Buttons only: the window's default button, clicked by Enter anywhere.
  bool isDefault = false;
  // Labels only: the control this label names for screen readers.
  std::string_view labelFor = {};
};

// A straight line one pixel wide in the window-text colour.
struct LineDesign {
  std::string_view name = {};
  int x1 = 0;
  int y1 = 0;
  int x2 = 0;
  int y2 = 0;
};

// A menu item; the text "-" makes it a separator line.
struct MenuItemDesign {
  std::string_view name = {};
  std::string_view text = {};

  bool IsSeparator() const { return text == "-"; }
};

struct MenuDesign {
  std::string_view name = {};
  std::string_view text = {};
  std::span<const MenuItemDesign> items;
};

struct WindowDesign {
  std::string_view name = {};
  std::string_view caption;
  int clientWidth = 0;
  int clientHeight = 0;
  // In stacking order: where controls overlap, a later one lies above an
  // earlier one. A label that names a control is made just before it, as in
  // a dialog template. Lines lie above every control.
  std::span<const ControlDesign> controls;
  std::span<const LineDesign> lines = {};
  // The menu bar, left to right; none when empty.
  std::span<const MenuDesign> menus = {};
  // The button or menu item that prints the window's document, for a
  // platform with a Print command of its own (a browser's); none when empty.
  std::string_view printCommand = {};
};

}  // namespace korvanel
