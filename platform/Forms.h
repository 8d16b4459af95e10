#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/ControlError.h"
#include "platform/ListControl.h"
#include "platform/PrintJob.h"
#include "platform/WindowDesign.h"

namespace korvanel {

// What the windows need of their window runtime, without a toolkit. Every
// operation may fail with ControlError. Three names for three things:
// - FormEvents: a window of the program as ui/ writes it, its handlers; it
//   lives as long as the program's object and is loaded or not.
// - Form: the loaded window as its handlers see it while it is loaded: its
//   controls by name, the message box, print jobs. Made by the runtime.
// - Window (WindowRuntime, WindowDesign): the toolkit's window and what
//   makes it; WindowOf in each runtime gives the toolkit's window of a
//   FormEvents.

class FormRuntime;

// An editable combo box: a text of its own and a drop-down list of entries.
class ComboBox {
 public:
  virtual ~ComboBox() = default;

  // Adds `text` as the last entry of the list.
  virtual void AddItem(std::string_view text) = 0;
  // Shows `text`; when an entry holds the same text it becomes the current
  // entry of the list.
  virtual void SetText(std::string_view text) = 0;
  // The text the box shows, typed or picked, in UTF-8.
  virtual std::string Text() const = 0;
};

// A loaded window: its controls, found by their design names, and what its
// handlers may ask of it. It lives from its load to its unload.
class Form {
 public:
  virtual ~Form() = default;

  virtual ComboBox& ComboBoxNamed(std::string_view name) = 0;
  virtual ListControl& ListNamed(std::string_view name) = 0;
  // Tells the user `text` in a message box over this window and waits for OK.
  virtual void ShowMessage(std::string_view text) = 0;
  // The print dialog and printer of one print command over this window.
  virtual std::unique_ptr<PrintJob> MakePrintJob() = 0;
};

// The handlers of one window. The runtime calls them one at a time on the
// user-interface thread; whatever a handler throws ends that handler only,
// and the runtime tells the user.
class FormEvents {
 public:
  virtual ~FormEvents() = default;

  // Runs each time the window is loaded, before it is first shown.
  virtual void Form_Load() {}
  // The button or menu item of that design name was clicked.
  virtual void Click(std::string_view control) = 0;

  // From the window's load to its unload.
  bool IsLoaded() const { return form_ != nullptr; }

 protected:
  Form& LoadedForm() const {
    if (form_ == nullptr) throw ControlError("The window is not loaded.");
    return *form_;
  }

 private:
  // The runtime's record of loaded windows sets it, and nothing else.
  friend class FormRuntime;
  void SetLoadedForm(Form* form) { form_ = form; }

  Form* form_ = nullptr;
};

// Loads windows from their designs, delivers their events, and ends the
// program.
class WindowRuntime {
 public:
  virtual ~WindowRuntime() = default;

  // Unless the window of `events` is loaded, builds it from `design`, runs
  // its Form_Load and shows it centred on the screen; then brings it
  // forward. Returns at once: the window is not modal and has no owner.
  virtual void Show(const WindowDesign& design, FormEvents& events) = 0;
  // Closes the window of `events` and discards its controls, as its close
  // box does. Nothing happens when it is not loaded. Never throws.
  virtual void Unload(FormEvents& events) noexcept = 0;
  // Ends the program at once, closing every window.
  virtual void End() = 0;
  // The user's decimal separator, in UTF-8.
  virtual std::string DecimalSeparator() const = 0;
};

}  // namespace korvanel
