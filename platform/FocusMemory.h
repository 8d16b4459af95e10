#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <utility>
#include <vector>

namespace korvanel {

// What a window keeps of the keyboard, as a dialog does, for a runtime that
// moves the focus itself: the order Tab takes through its controls, the
// control that had the focus when the window was left (it gets it back when
// the window is active again), and the default button, which Enter clicks
// unless another button has the focus.
template <class Control>
class FocusMemory {
 public:
  void SetTabOrder(std::span<const Control> order) { order_.assign(order.begin(), order.end()); }
  std::span<const Control> TabOrder() const { return order_; }
  void SetDefaultButton(Control button) { default_ = std::move(button); }
  const std::optional<Control>& DefaultButton() const { return default_; }

  void Remember(Control focused) { last_ = std::move(focused); }
  // The control that gets the focus back: the one remembered while
  // `stillThere` says it is in the window, else the first in tab order.
  std::optional<Control> Restored(const std::function<bool(const Control&)>& stillThere) const {
    if (last_ && stillThere(*last_)) return last_;
    if (order_.empty()) return std::nullopt;
    return order_.front();
  }

  // The position in the tab order of the control that `holds` says has the
  // focus (itself or a part of it).
  std::optional<std::size_t> PositionOf(const std::function<bool(const Control&)>& holds) const {
    for (std::size_t i = 0; i < order_.size(); ++i) {
      if (holds(order_[i])) return i;
    }
    return std::nullopt;
  }

  // Where Tab (`step` 1) or Shift+Tab (-1) goes from the control at
  // `current` in the tab order, or from none, round the order and past the
  // controls `canFocus` refuses.
  std::optional<Control> Next(std::optional<std::size_t> current, int step,
                              const std::function<bool(const Control&)>& canFocus) const {
    const std::size_t count = order_.size();
    if (count == 0) return std::nullopt;
    std::size_t at = current ? *current : (step > 0 ? count - 1 : 0);
    for (std::size_t tried = 0; tried < count; ++tried) {
      at = (at + (step > 0 ? 1 : count - 1)) % count;
      if (canFocus(order_[at])) return order_[at];
    }
    return std::nullopt;
  }

  // The button Enter clicks: the focused one, when a button has the focus.
  std::optional<Control> EnterClicks(const std::optional<Control>& focusedButton) const {
    return focusedButton ? focusedButton : default_;
  }

 private:
  std::vector<Control> order_;
  std::optional<Control> default_;
  std::optional<Control> last_;
};

}  // namespace korvanel
