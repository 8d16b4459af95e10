#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ControlError.h"
#include "platform/FileSaver.h"
#include "platform/ListControl.h"
#include "platform/Picture.h"
#include "platform/PrintJob.h"
#include "platform/WindowDesign.h"

namespace korvanel {

// What the program's windows need of their window runtime, and the half of
// that runtime that knows no toolkit. Three names for three things:
// - Window: a window of the program, its design and handlers, for the run.
// - Form: that window while it is loaded, with its controls; each runtime
//   derives its own.
// - WindowRuntime: what loads forms from designs and runs their events;
//   each runtime derives its own.
// A form that has been closed leaves the record of loaded forms at once and
// is deleted once no event of it is being handled. Every operation may fail
// with ControlError.

class Form;
class WindowRuntime;

// The caption of every message the program tells the user.
inline constexpr std::string_view kMessageCaption = "Korvanel";

// A combo box: a text and a drop-down list of entries. When the text is set
// to that of an entry (case included), the entry becomes the list's current
// one, so that the opened list starts there. An editable combo box shows any
// text set or typed; a drop-down list box shows its current entry only.
class ComboBox {
 public:
  virtual ~ComboBox() = default;

  // Adds `text` as the last entry of the list.
  void AddItem(std::string_view text);
  // Afterwards the list has no entry; the text stays.
  void RemoveAll();
  void SetText(std::string_view text);
  // The text the box shows, typed or picked, in UTF-8.
  virtual std::string Text() const = 0;

 protected:
  virtual void AppendEntry(std::string_view text) = 0;
  virtual void RemoveEntries() = 0;
  // Shows `text`, with `entry` (a position in the list) as the current one,
  // or none.
  virtual void ShowText(std::string_view text, std::optional<std::size_t> entry) = 0;
  // The list's entries; while AppendEntry runs, those before the new one.
  const std::vector<std::string>& Entries() const { return entries_; }

 private:
  std::vector<std::string> entries_;
};

// A label whose text the handlers change.
class Label {
 public:
  virtual ~Label() = default;
  virtual void SetText(std::string_view text) = 0;
};

// A box for one line of typed text.
class TextBox {
 public:
  virtual ~TextBox() = default;
  virtual void SetText(std::string_view text) = 0;
  // The text the box shows, in UTF-8.
  virtual std::string Text() const = 0;
};

// A drawing: shows a picture whole, scaled to fit the control, centred, its
// proportions kept. `description` says what it shows, for screen readers.
class DrawingControl {
 public:
  virtual ~DrawingControl() = default;
  virtual void Show(const Picture& picture, std::string_view description) = 0;
};

// A window of the program: its design and its handlers. The object is the
// window's one instance for the run; the window itself exists only while
// loaded, and is unloaded at the latest with the object. The runtime calls
// the handlers one at a time on the user-interface thread; whatever a
// handler throws ends that handler only, and the runtime tells the user.
class Window {
 public:
  Window(WindowRuntime& runtime, const WindowDesign& design) : runtime_(runtime), design_(design) {}
  virtual ~Window();

  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Loads the window unless it is loaded, then brings it forward.
  void Show();
  // Closes the window and discards its controls, as its close box does.
  void Unload() noexcept;
  bool IsLoaded() const { return form_ != nullptr; }
  const WindowDesign& Design() const { return design_; }

  // Runs each time the window is loaded, before it is first shown.
  virtual void Form_Load() {}
  // The button or menu item of that design name was clicked.
  virtual void Click(std::string_view control) = 0;
  // The user chose another entry of the drop-down list box of that name.
  virtual void Change(std::string_view /*control*/) {}

 protected:
  WindowRuntime& Runtime() const { return runtime_; }
  Form& LoadedForm() const;

  // The handler of each clicked control, by design name.
  template <class Derived>
  using ClickHandler = std::pair<std::string_view, void (Derived::*)()>;
  template <class Derived>
  static void HandleClick(Derived& window, std::span<const ClickHandler<Derived>> handlers,
                          std::string_view control) {
    for (const auto& [name, handler] : handlers) {
      if (name == control) (window.*handler)();
    }
  }

 private:
  // The runtime's record of loaded windows sets it, and nothing else.
  friend class WindowRuntime;

  WindowRuntime& runtime_;
  const WindowDesign& design_;
  Form* form_ = nullptr;
};

// A loaded window as its handlers see it: its controls by their design
// names, the message box, print jobs.
class Form {
 public:
  virtual ~Form();

  ComboBox& ComboBoxNamed(std::string_view name);
  ListControl& ListNamed(std::string_view name);
  Label& LabelNamed(std::string_view name);
  TextBox& TextBoxNamed(std::string_view name);
  DrawingControl& DrawingNamed(std::string_view name);
  // Puts the focus into the control of that design name.
  void FocusOn(std::string_view control);
  // Tells the user `text` in a message box over this window. Callers rely
  // on the user being told once their handler has ended, not on a wait for
  // OK: a runtime that cannot block shows the box and returns at once.
  void ShowMessage(std::string_view text);
  // The print dialog and printer of one print command over this window.
  // Every window of the program is disabled while the job lives.
  std::unique_ptr<PrintJob> MakePrintJob();
  // Saves `bytes` where the user says in the save dialog over this window,
  // proposed as `suggestedName`: false when the user cancelled. The
  // program's windows take no input meanwhile. See FileSaver.
  bool SaveFile(std::string_view suggestedName, const FileType& type, std::string_view bytes);

 protected:
  Form(WindowRuntime& runtime, Window& window) : runtime_(runtime), window_(window) {}

  // Runs one event handler. Whatever it throws ends the handler, not the
  // program: the user reads the error and the window waits for the next
  // event, so no exception ever crosses the toolkit's event loop.
  template <class Handler>
  void RunHandler(Handler&& handler) noexcept {
    try {
      std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
      TellError(error.what());
    } catch (...) {
      TellError("The command failed.");
    }
  }

  // Makes a control findable by its design name (ComboBoxNamed, ...).
  void Register(std::string_view name, ComboBox& box) { combos_.emplace(name, &box); }
  void Register(std::string_view name, ListControl& list) { lists_.emplace(name, &list); }
  void Register(std::string_view name, Label& label) { labels_.emplace(name, &label); }
  void Register(std::string_view name, TextBox& box) { textBoxes_.emplace(name, &box); }
  void Register(std::string_view name, DrawingControl& drawing) {
    drawings_.emplace(name, &drawing);
  }
  // `control` was clicked; the name lives as long as the form.
  void Click(std::string_view control) {
    RunHandler([this, control] { window_.Click(control); });
  }
  // The user chose another entry of that drop-down list box.
  void Changed(std::string_view control) {
    RunHandler([this, control] { window_.Change(control); });
  }
  // The toolkit's window was closed or destroyed.
  void Closed() noexcept;

 private:
  friend class WindowRuntime;
  friend class InputPause;

  // The toolkit's side. Close closes as the close box does.
  virtual void ShowCentred() = 0;
  virtual void BringForward() = 0;
  virtual void Close() noexcept = 0;
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsActive() const = 0;
  virtual void Activate() = 0;
  // The control of that design name takes the focus.
  virtual void Focus(std::string_view control) = 0;

  void TellError(const char* what) noexcept;

  WindowRuntime& runtime_;
  Window& window_;
  std::map<std::string, ComboBox*, std::less<>> combos_;
  std::map<std::string, ListControl*, std::less<>> lists_;
  std::map<std::string, Label*, std::less<>> labels_;
  std::map<std::string, TextBox*, std::less<>> textBoxes_;
  std::map<std::string, DrawingControl*, std::less<>> drawings_;
};

// Loads forms from the windows' designs, delivers their events and ends the
// program; the one record of loaded forms. A runtime derives from it and
// gives what needs its toolkit: forms, the event loop, print jobs, message
// boxes, the user's decimal separator. One thread: the user interface's.
class WindowRuntime {
 public:
  // Makes the print job of one print command over `over`, and the saver of
  // one file the user saves.
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(Form& over)>;
  using FileSaverFactory = std::function<std::unique_ptr<FileSaver>(Form& over)>;

  // Print jobs come from `makePrintJob`, savers from `makeFileSaver`, else
  // from the runtime's own.
  explicit WindowRuntime(PrintJobFactory makePrintJob = {}, FileSaverFactory makeFileSaver = {});
  // Deletes every form still there, loaded or closed.
  virtual ~WindowRuntime();

  WindowRuntime(const WindowRuntime&) = delete;
  WindowRuntime& operator=(const WindowRuntime&) = delete;

  // Starts the program on `first`: shows it, then runs the event loop until
  // the program ends, and returns its exit code. Where the platform runs the
  // loop itself (a browser's page), it returns at once and the program goes
  // on: the runtime and its windows must then outlive the call.
  int Start(Window& first);
  // Unless `window` is loaded, builds its form from its design, runs its
  // Form_Load and shows it centred on the screen; then brings it forward.
  // Returns at once: the window is not modal and has no owner.
  void Show(Window& window);
  // Closes the form of `window`, as its close box does; nothing happens
  // when it is not loaded. The program ends when its last window is closed.
  void Unload(Window& window) noexcept;
  // Ends the program at once, closing every window.
  void End();
  // Runs the event loop until the program ends and returns its exit code;
  // returns 0 at once where the platform runs the loop.
  virtual int Run() = 0;
  // The user's decimal separator, in UTF-8.
  virtual std::string DecimalSeparator() const = 0;
  // Whether the user's region prints on Letter paper rather than A4.
  virtual bool UsesLetterPaper() const = 0;

  // The form of `window` while it is loaded, else null.
  Form* FormOf(const Window& window) const;
  // In the order they were loaded.
  std::span<const std::unique_ptr<Form>> LoadedForms() const { return loaded_; }

  // The job of one print command over `over`, with every loaded window
  // disabled from before the job is made until after it is gone.
  std::unique_ptr<PrintJob> MakePrintJob(Form& over);

 protected:
  // Builds the form of `window` from its design, hidden.
  virtual std::unique_ptr<Form> MakeForm(Window& window) = 0;
  virtual std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) = 0;
  virtual std::unique_ptr<FileSaver> DefaultFileSaver(Form& over) = 0;
  // Ends the event loop.
  virtual void Quit() = 0;
  // Tells the user `text` in a message box captioned kMessageCaption, over
  // `owner` or over no window. The owner may have been closed since (a
  // handler that unloaded its own window, then failed).
  virtual void ShowMessage(Form* owner, std::string_view text) = 0;

  // Deletes the forms that have been closed, unless the toolkit has deleted
  // them before; only where no event of theirs is being handled.
  void DeleteClosed() noexcept;

 private:
  friend class Form;

  void Load(Window& window);
  void CloseAll() noexcept;
  void TellError(Form* owner, const char* what) noexcept;
  // `form` was closed or its window destroyed: it leaves the loaded forms.
  void MoveToClosed(Form& form) noexcept;
  // `form` is being deleted.
  void Forget(Form& form) noexcept;

  PrintJobFactory makePrintJob_;
  FileSaverFactory makeFileSaver_;
  std::vector<std::unique_ptr<Form>> loaded_;
  std::vector<std::unique_ptr<Form>> closed_;
};

}  // namespace korvanel
