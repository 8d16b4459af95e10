#pragma once

#include <functional>
#include <string_view>

#include "platform/web/Dom.h"

namespace korvanel::web {

class WebRuntime;

// A window inside the page: a title bar with the caption and a close box
// above a client area of a fixed size in CSS pixels (a height of 0 grows
// with what it holds). It is dragged by its title bar, comes forward when
// pressed and opens centred in the visible part of the page; nothing in it
// is laid out again. Browser zoom enlarges it like the rest of the page,
// which scrolls to reach what no longer fits; only on a touch screen (a
// phone) is a window larger than the screen scaled down as a whole, once,
// when it is first shown.
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
  // null for the page), in front.
  void Show(const val& over = val::null());
  void BringForward();
  // Its stacking place: the window brought forward last has the highest.
  int Layer() const { return layer_; }
  // Moves the window back into the visible part of the page as far as it
  // fits there, its title bar at least.
  void KeepInPage();
  bool Contains(const val& element) const;
  bool IsShown() const;

 private:
  // Scales the window down to fit the screen, if it must.
  void Fit();
  void Centre(const val& over);
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
  int layer_ = 0;
  ListenerSet listeners_;
};

}  // namespace korvanel::web
