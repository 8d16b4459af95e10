#include "platform/web/Frame.h"

#include <algorithm>
#include <string>
#include <utility>

#include "platform/web/CssText.h"
#include "platform/web/Runtime.h"

namespace korvanel::web {

namespace {

// The frame around the client area, in CSS pixels. Set here rather than in
// the style sheet, so that a window's size is known without asking the page
// to lay it out.
constexpr int kBorder = 1;
constexpr int kTitleBarHeight = 22;
constexpr int kBarHeight = 19;
// Room kept around a window fitted to the screen, in CSS pixels.
constexpr double kPageMargin = 4;
// Of a window dragged off the page, this much of its title bar stays in it.
constexpr double kTitleKept = 40;

double PageWidth() { return val::global("innerWidth").as<double>(); }
double PageHeight() { return val::global("innerHeight").as<double>(); }

}  // namespace

Frame::Frame(WebRuntime& runtime, std::string_view caption, int clientWidth, int clientHeight,
             const char* role, std::function<void()> close)
    : runtime_(runtime),
      window_(MakeElement("section", "window")),
      titleBar_(MakeElement("div", "titlebar")),
      client_(MakeElement("div", "client")) {
  const std::string captionId = runtime.NewId();
  SetAttribute(window_, "role", role);
  SetAttribute(window_, "aria-labelledby", captionId);
  val title = MakeElement("span", "caption");
  SetAttribute(title, "id", captionId);
  SetText(title, caption);
  val closeBox = MakeElement("button", "close");
  SetAttribute(closeBox, "type", "button");
  SetAttribute(closeBox, "tabindex", "-1");
  SetAttribute(closeBox, "aria-label", "Close");
  Append(titleBar_, title, closeBox);
  SetPixels(window_, "border-width", kBorder);
  SetPixels(titleBar_, "height", kTitleBarHeight);
  SetPixels(client_, "width", clientWidth);
  if (clientHeight > 0) {
    SetPixels(client_, "height", clientHeight);
    width_ = clientWidth + 2 * kBorder;
    height_ = kTitleBarHeight + clientHeight + 2 * kBorder;
  }
  Append(window_, titleBar_, client_);

  listeners_.Listen(closeBox, "click", [close = std::move(close)](val) { close(); });
  listeners_.Listen(window_, "pointerdown", [this](val) { BringForward(); });
  listeners_.Listen(window_, "focusin", [this](val) { runtime_.MarkActiveWindow(window_); });
  listeners_.Listen(titleBar_, "pointerdown", [this](val event) { OnPress(event); });
  for (const char* type : {"pointermove", "pointerup", "pointercancel"}) {
    listeners_.Listen(titleBar_, type, [this](val event) { OnDrag(event); });
  }
}

Frame::~Frame() { window_.call<void>("remove"); }

void Frame::AddBar(const val& bar) {
  SetPixels(bar, "height", kBarHeight);
  if (height_ > 0) height_ += kBarHeight;
  client_.call<void>("before", bar);
}

void Frame::Show(const val& over) {
  Append(runtime_.Desktop(), window_);
  // A client area that grows with what it holds is measured once.
  if (width_ == 0) {
    width_ = window_["offsetWidth"].as<double>();
    height_ = window_["offsetHeight"].as<double>();
  }
  if (runtime_.FitsToScreen()) Fit();
  Centre(over);
  BringForward();
}

void Frame::BringForward() {
  // Unless in front already, as right after it is shown.
  if (layer_ == 0 || layer_ != runtime_.TopLayer()) {
    layer_ = runtime_.NextLayer();
    SetStyle(window_, "z-index", std::to_string(layer_));
  }
  runtime_.MarkActiveWindow(window_);
}

void Frame::Fit() {
  scale_ = std::clamp(std::min((PageWidth() - 2 * kPageMargin) / width_,
                               (PageHeight() - 2 * kPageMargin) / height_),
                      0.05, 1.0);
  if (scale_ == 1) return;
  SetStyle(window_, "transform", "scale(" + CssNumber(scale_) + ")");
  // The hit areas widened for fingers are sized in CSS pixels of the page.
  SetStyle(window_, "--scale", CssNumber(scale_));
}

bool Frame::Contains(const val& element) const {
  return !element.isNull() && !element.isUndefined() && window_.call<bool>("contains", element);
}

bool Frame::IsShown() const { return window_["isConnected"].as<bool>(); }

void Frame::Centre(const val& over) {
  const double width = width_ * scale_;
  const double height = height_ * scale_;
  const double scrolledX = runtime_.ScrollLeft();
  const double scrolledY = runtime_.ScrollTop();
  double centreX = scrolledX + PageWidth() / 2;
  double centreY = scrolledY + PageHeight() / 2;
  if (!over.isNull()) {
    val box = over.call<val>("getBoundingClientRect");
    centreX = scrolledX + box["left"].as<double>() + box["width"].as<double>() / 2;
    centreY = scrolledY + box["top"].as<double>() + box["height"].as<double>() / 2;
  }
  // A window larger than the visible part starts at its top left corner, so
  // that scrolling reaches all of it.
  left_ = std::max(scrolledX, centreX - width / 2);
  top_ = std::max(scrolledY, centreY - height / 2);
  KeepInPage();
}

void Frame::KeepInPage() {
  const double width = width_ * scale_;
  const double left = runtime_.ScrollLeft();
  const double top = runtime_.ScrollTop();
  if (width <= PageWidth()) {
    left_ = std::clamp(left_, left, left + PageWidth() - width);
  } else {
    // Its left edge stays where scrolling reaches it.
    left_ = std::clamp(left_, left + kTitleKept - width, left);
  }
  top_ = std::clamp(top_, top, top + std::max(0.0, PageHeight() - kTitleKept));
  SetPixels(window_, "left", left_);
  SetPixels(window_, "top", top_);
}

void Frame::OnPress(val event) {
  // The close box is a button of its own.
  if (event["button"].as<int>() != 0 || event["target"]["tagName"].as<std::string>() == "BUTTON") {
    return;
  }
  pointer_ = event["pointerId"].as<int>();
  titleBar_.call<void>("setPointerCapture", pointer_);
  pressX_ = event["clientX"].as<double>();
  pressY_ = event["clientY"].as<double>();
  startLeft_ = left_;
  startTop_ = top_;
  event.call<void>("preventDefault");
}

void Frame::OnDrag(val event) {
  if (event["pointerId"].as<int>() != pointer_) return;
  if (event["type"].as<std::string>() != "pointermove") {
    pointer_ = -1;
    return;
  }
  left_ = startLeft_ + event["clientX"].as<double>() - pressX_;
  top_ = startTop_ + event["clientY"].as<double>() - pressY_;
  KeepInPage();
}

}  // namespace korvanel::web
