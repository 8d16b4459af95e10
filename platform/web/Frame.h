#pragma once

#include <functional>
#include <string_view>

#include "platform/web/Dom.h"

namespace korvanel::web {

class WebRuntime;

// A window inside the page: a title bar with the caption and a close box
// above a client area of a fixed size in CSS pixels (a height of 0 grows
// with what it holds). It is dragged by its
// title bar, comes forward when pressed, opens centred in the page, and on a
// page smaller than itself is scaled down as a whole to fit; nothing in it is
// laid out again.
class Frame {
 public:
  // `role` is the element's ARIA role ("dialog", "alertdialog"); `close`
  // runs when the close box is pressed.
  Frame(WebRuntime& runtime, std::string_view caption, int clientWidth, int clientHeight,
        const char* role, std::function<void()> close);
  // Takes the window off the page.
  ~Frame();

  Frame(const Frame&) = delete;
  Frame& operator=(const Frame&) = delete;

  const val& Element() const { return window_; }
  const val& Client() const { return client_; }
  // Puts `bar` between the title bar and the client area.
  void AddBar(const val& bar);

  // Shows the window in the page, centred over `over` (a window element, or
  // null for the page), fitted, in front.
  void Show(const val& over = val::null());
  void BringForward();
  // Scales the window down to fit the page, if it must, keeping its title
  // bar in the page.
  void Fit();
  bool Contains(const val& element) const;
  bool IsShown() const;

 private:
  void Centre(const val& over);
  void KeepInPage();
  void OnPress(val event);
  void OnDrag(val event);

  WebRuntime& runtime_;
  val window_;
  val titleBar_;
  val client_;
  // While dragged: the pointer, and where it and the window were at the press.
  int pointer_ = -1;
  double pressX_ = 0;
  double pressY_ = 0;
  double startLeft_ = 0;
  double startTop_ = 0;
  double left_ = 0;
  double top_ = 0;
  // The window's size, known from its design (or, where its client area
  // grows with what it holds, measured once when it is first shown), and
  // the scale it is shown at.
  double width_ = 0;
  double height_ = 0;
  double scale_ = 1;
  ListenerSet listeners_;
};

}  // namespace korvanel::web
