#pragma once

#include <QPointer>
#include <QWidget>

#include "platform/qt/Handler.h"

class QCloseEvent;
class QString;

namespace korvanel::qt {

// Gives a top-level window its design: object name, caption and the default
// font that its controls inherit. The icon is the application's.
void DesignWindow(QWidget& window, const char* name, const QString& caption);

// Shows `window` centred on its screen.
void ShowCentred(QWidget& window);

// Ends the program at once: every window closes and the event loop returns.
void EndProgram();

// A top-level window without owner or menu bar, with a fixed client size in
// twips. It exists from its load to its unload: closing it, by its own
// button or the close box, unloads it, and the window with its controls is
// deleted once the event that closed it is over.
class Form : public QWidget {
 public:
  Form(const char* name, const QString& caption, int clientWidth, int clientHeight);

  // Runs once per load, before the window is first drawn.
  virtual void Form_Load() {}
  bool IsUnloaded() const { return unloaded_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  bool unloaded_ = false;
};

// The program's one instance of a modeless window kind. The instance lasts
// from its first use to the end of its holder; the window exists only while
// loaded, so every load starts from the design and runs Form_Load again.
template <class Window>
class SingleForm {
 public:
  SingleForm() = default;
  SingleForm(const SingleForm&) = delete;
  SingleForm& operator=(const SingleForm&) = delete;
  // A window unloaded just before may still wait for its deletion.
  ~SingleForm() { delete window_.data(); }

  // Loads the window if it is not loaded, then brings it forward. Returns at
  // once: the window is not modal.
  void Show() {
    if (!IsLoaded()) {
      window_ = new Window();
      Window* window = window_.data();
      RunHandler(window, [window] { window->Form_Load(); });
      ShowCentred(*window);
    }
    window_->raise();
    window_->activateWindow();
  }

  bool IsLoaded() const { return window_ && !window_->IsUnloaded(); }

 private:
  QPointer<Window> window_;
};

}  // namespace korvanel::qt
