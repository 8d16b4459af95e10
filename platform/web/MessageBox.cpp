#include "platform/web/MessageBox.h"

#include <utility>

#include "platform/web/WebRuntime.h"

namespace korvanel::web {

namespace {

// The client area's width, in CSS pixels; its height follows the text.
constexpr int kWidth = 320;

}  // namespace

MessageBox::MessageBox(WebRuntime& runtime, const val& owner, std::string_view text,
                       std::function<void()> closed)
    : frame_(runtime, "Korvanel", kWidth, 0, "alertdialog", [this] { Close(); }),
      closed_(std::move(closed)) {
  ToggleClass(frame_.Element(), "message", true);
  val sign = MakeElement("div", "warning");
  SetAttribute(sign, "aria-hidden", "true");
  val message = MakeElement("p", "message-text");
  const std::string messageId = runtime.NewId();
  SetAttribute(message, "id", messageId);
  SetAttribute(frame_.Element(), "aria-describedby", messageId);
  SetText(message, text);
  val ok = MakeElement("button", "button message-ok");
  SetAttribute(ok, "type", "button");
  SetText(ok, "OK");
  Append(frame_.Client(), sign, message, ok);

  listeners_.Listen(ok, "click", [this](val) { Close(); });
  listeners_.Listen(frame_.Element(), "keydown", [this](val event) {
    const std::string key = event["key"].as<std::string>();
    if (key == "Escape" || key == "Enter") {
      event.call<void>("preventDefault");
      Close();
    }
  });
  frame_.Show(owner);
  ok.call<void>("focus");
}

void MessageBox::Close() {
  if (!frame_.IsShown()) return;
  frame_.Element().call<void>("remove");
  // The owner may delete this box from here on.
  const auto closed = std::move(closed_);
  closed();
}

}  // namespace korvanel::web
