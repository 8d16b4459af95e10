#pragma once

#include <span>
#include <string_view>
#include <utility>

#include "platform/Forms.h"

namespace korvanel {

// A window of the program: its design, its handlers and the runtime that
// loads it. The object is the window's one instance; the window itself
// exists only while loaded, and is unloaded at the latest with the object.
class Window : public FormEvents {
 public:
  Window(WindowRuntime& runtime, const WindowDesign& design) : runtime_(runtime), design_(design) {}
  ~Window() override { runtime_.Unload(*this); }

  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Loads the window unless it is loaded, then brings it forward.
  void Show() { runtime_.Show(design_, *this); }
  void Unload() { runtime_.Unload(*this); }

 protected:
  WindowRuntime& Runtime() const { return runtime_; }

  // Runs the handler that `handlers` binds to `control`, if any.
  template <class Derived>
  using ClickHandler = std::pair<std::string_view, void (Derived::*)()>;
  template <class Derived>
  static void Dispatch(Derived& window, std::span<const ClickHandler<Derived>> handlers,
                       std::string_view control) {
    for (const auto& [name, handler] : handlers) {
      if (name == control) (window.*handler)();
    }
  }

 private:
  WindowRuntime& runtime_;
  const WindowDesign& design_;
};

}  // namespace korvanel
