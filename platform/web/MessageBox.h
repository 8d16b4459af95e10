#pragma once

#include <functional>
#include <string_view>

#include "platform/web/Dom.h"
#include "platform/web/Frame.h"

namespace korvanel::web {

class WebRuntime;

// A message box inside the page, captioned "Korvanel": a warning sign, the
// text and "OK", which has the focus; Enter, Space or Escape presses it, as
// does the close box. It is centred over its owner, which takes no input
// while it is shown; nothing waits for it.
class MessageBox {
 public:
  // `closed` runs once the box has gone; the owner takes input again there.
  MessageBox(WebRuntime& runtime, const val& owner, std::string_view text,
             std::function<void()> closed);

  bool IsShown() const { return frame_.IsShown(); }
  void Fit() { frame_.Fit(); }

 private:
  void Close();

  Frame frame_;
  std::function<void()> closed_;
  ListenerSet listeners_;
};

}  // namespace korvanel::web
