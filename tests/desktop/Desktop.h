#pragma once

// A runtime and a user in front of its windows: what the behaviour suite
// (tests/behaviour) and the soak (tests/soak) need of a runtime beyond
// platform/Runtime.h. Windows and controls are named as in their designs.
// Each runtime gives one, in tests/<runtime>/Desktop.cpp.

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Runtime.h"
#include "platform/Twips.h"

namespace korvanel::test {

class Desktop {
 public:
  struct Point {
    int x = 0;
    int y = 0;
    auto operator<=>(const Point&) const = default;
  };
  struct Column {
    std::string header;
    int width = 0;  // in pixels
    bool operator==(const Column&) const = default;
  };
  // A menu of the menu bar: its text and its items' texts ("-" for a
  // separator), each item's keyboard shortcut, if any, behind a tab.
  struct Menu {
    std::string text;
    std::vector<std::string> items;
    bool operator==(const Menu&) const = default;
  };

  virtual ~Desktop() = default;

  virtual WindowRuntime& Runtime() = 0;

  // What the user does, in every shown window of that name; nothing when
  // none is shown. Click takes a button or a menu item; Type types into a
  // combo box or a text box, over what it held; Pick picks an entry of a
  // combo box's list (a drop-down list box tells its window of the change);
  // PressEnter presses Enter with the focus in `control`; PressTab presses
  // Tab (or Shift+Tab) wherever the focus is in the window.
  virtual void Click(std::string_view window, std::string_view control) = 0;
  virtual void Type(std::string_view window, std::string_view box, std::string_view text) = 0;
  virtual void Pick(std::string_view window, std::string_view comboBox, int entry) = 0;
  virtual void PressEnter(std::string_view window, std::string_view control) = 0;
  virtual void PressTab(std::string_view window, bool backwards = false) = 0;
  virtual void CloseBox(std::string_view window) = 0;
  // Delivers what is queued, as the event loop would between two actions.
  // Message boxes are answered with OK, their texts kept for Messages.
  virtual void Settle() = 0;

  // What the user sees, read back from the toolkit's windows and controls.
  virtual int Shown(std::string_view window) const = 0;
  virtual std::string Caption(std::string_view window) const = 0;
  // The text of a label, a button, a combo box or a text box.
  virtual std::string Text(std::string_view window, std::string_view control) const = 0;
  virtual std::vector<std::vector<std::string>> Rows(std::string_view window,
                                                     std::string_view list) const = 0;
  virtual std::vector<std::string> Entries(std::string_view window,
                                           std::string_view comboBox) const = 0;
  // The entry of the combo box's list that is current, or -1.
  virtual int CurrentEntry(std::string_view window, std::string_view comboBox) const = 0;
  // The design name of the control that has the focus; empty for none.
  virtual std::string Focused(std::string_view window) const = 0;
  // The texts of the message boxes answered since the last call.
  virtual std::vector<std::string> Messages() = 0;
  // Whether the program has ended.
  virtual bool Ended() const = 0;
  // What a drawing shows: its name for screen readers, and how many lines.
  virtual std::string DrawingName(std::string_view window, std::string_view drawing) const = 0;
  virtual int DrawnLines(std::string_view window, std::string_view drawing) const = 0;

  // The next save dialogs are answered with `fileName`, a file in the
  // desktop's own folder, or cancelled when none; the bytes saved there,
  // none when no file is there.
  virtual void AnswerSaves(std::optional<std::string> fileName) = 0;
  virtual std::optional<std::string> Saved(const std::string& fileName) const = 0;

  // Where things are, in pixels at the window's DPI, from the top-left
  // corner of its client area (below the menu bar).
  virtual int Dpi(std::string_view window) const = 0;
  virtual PixelBox ClientArea(std::string_view window) const = 0;
  virtual PixelBox Place(std::string_view window, std::string_view control) const = 0;
  // The end points of a line, in either order.
  virtual std::vector<Point> Ends(std::string_view window, std::string_view line) const = 0;
  virtual std::vector<Column> Columns(std::string_view window, std::string_view list) const = 0;
  virtual std::vector<Menu> Menus(std::string_view window) const = 0;

  // The toolkit objects the process holds, by kind.
  virtual std::map<std::string, long> Resources() const = 0;
};

// The runtime of this build, its print jobs made by `makePrintJob`.
std::unique_ptr<Desktop> StartDesktop(WindowRuntime::PrintJobFactory makePrintJob);

}  // namespace korvanel::test
