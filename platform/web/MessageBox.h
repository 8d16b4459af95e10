#pragma once

#include <functional>
#include <string_view>

#include "platform/web/Dom.h"
#include "platform/web/Frame.h"

namespace korvanel::web {

class WebRuntime;

// A message box inside the page, captioned "Korvanel" (the WAI-ARIA modal
// alert dialog): a warning sign, the text and "OK", which has the focus and
// keeps it, Tab going nowhere else; Enter, Space or Escape presses it, as
// does the close box. It is centred over its owner; nothing waits for it.
class MessageBox {
 public:
  // `closed` runs once the box has gone; the windows take input again there.
  MessageBox(WebRuntime& runtime, const val& owner, std::string_view text,
             std::function<void()> closed);

  bool IsShown() const { return frame_.IsShown(); }
  int Layer() const { return frame_.Layer(); }
  void KeepInPage() { frame_.KeepInPage(); }
  // "OK" takes the focus.
  void Activate();

 private:
  void Close();

  Frame frame_;
  val ok_;
  std::function<void()> closed_;
  ListenerSet listeners_;
};

}  // namespace korvanel::web
