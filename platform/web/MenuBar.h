#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WindowDesign.h"
#include "platform/web/Dom.h"

namespace korvanel::web {

// A window's menu bar (the WAI-ARIA menu bar pattern): menus that open by a
// click or a tap, or from the keyboard, F10 or Alt entering the bar, the
// arrow keys walking it, Enter or Space choosing an item and Escape closing
// an open menu. The bar is not in the Tab order, as on the desktop.
class MenuBar {
 public:
  // `choose` runs with the design name of a chosen item, once its menu is
  // closed.
  explicit MenuBar(std::function<void(std::string_view name)> choose);

  const val& Element() const { return bar_; }
  // A menu at the right end of the bar; returns where its items go.
  val AddMenu(const MenuDesign& menu);
  void AddItem(const val& menu, const MenuItemDesign& item);
  void AddSeparator(const val& menu);

  // The first menu's title takes the focus, the focus held before kept for
  // when the bar is left.
  void Enter();
  bool Contains(const val& element) const;

 private:
  struct Menu {
    val title;
    val popup;
    std::vector<val> items;
  };

  void Open(std::size_t menu, bool focusFirstItem);
  void CloseMenu();
  // Leaves the bar, the focus going back where it was.
  void Leave();
  void OnKey(val event);
  void Choose(const std::string& name);
  std::size_t MenuOf(const val& element) const;

  std::function<void(std::string_view)> choose_;
  val bar_;
  std::vector<Menu> menus_;
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  // The menu that is open, else kNone.
  std::size_t open_ = kNone;
  val focusBefore_ = val::null();
  ListenerSet listeners_;
};

}  // namespace korvanel::web
