#include "platform/web/MessageBox.h"

#include <utility>

#include "platform/web/Runtime.h"

namespace korvanel::web {

namespace {

// The client area's width, in CSS pixels; its height follows the text.
constexpr int kWidth = 320;

}  // namespace

MessageBox::MessageBox(WebRuntime& runtime, const val& owner, std::string_view text,
                       std::function<void()> closed)
    : frame_(runtime, kMessageCaption, kWidth, 0, "alertdialog", [this] { Close(); }),
      ok_(MakeElement("button", "button message-ok")),
      closed_(std::move(closed)) {
  ToggleClass(frame_.Element(), "message", true);
  val sign = MakeElement("div", "warning");
  SetAttribute(sign, "aria-hidden", "true");
  val message = MakeElement("p", "message-text");
  const std::string messageId = runtime.NewId();
  SetAttribute(message, "id", messageId);
  SetAttribute(frame_.Element(), "aria-describedby", messageId);
  SetText(message, text);
  SetAttribute(frame_.Element(), "aria-modal", "true");
  SetAttribute(ok_, "type", "button");
  SetText(ok_, "OK");
  Append(frame_.Client(), sign, message, ok_);

  listeners_.Listen(ok_, "click", [this](val) { Close(); });
  listeners_.Listen(frame_.Element(), "keydown", [this](val event) {
    const std::string key = event["key"].as<std::string>();
    if (key == "Escape" || key == "Enter") {
      event.call<void>("preventDefault");
      Close();
    } else if (key == "Tab") {
      event.call<void>("preventDefault");
      Activate();
    }
  });
  frame_.Show(owner);
  Activate();
}

void MessageBox::Activate() { ok_.call<void>("focus"); }

void MessageBox::Close() {
  if (!frame_.IsShown()) return;
  frame_.Element().call<void>("remove");
  // The owner may delete this box from here on.
  const auto closed = std::move(closed_);
  closed();
}

}  // namespace korvanel::web
