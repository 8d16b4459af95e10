#pragma once

#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/ControlError.h"
#include "platform/ListControl.h"
#include "platform/PrintJob.h"
#include "platform/WindowDesign.h"

namespace korvanel {

// What the program's windows need of their window runtime, and the half of
// that runtime that knows no toolkit. Three names for three things:
// - Window: a window of the program, its design and handlers, for the run.
// - Form: that window while it is loaded, with its controls; each toolkit
//   derives its own.
// - WindowRuntime: what loads forms from designs and runs their events;
//   each toolkit derives its own.
// Every operation may fail with ControlError.

class Form;
class WindowRuntime;

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

 protected:
  WindowRuntime& Runtime() const { return runtime_; }
  Form& LoadedForm() const;

  // Runs the handler that `handlers` binds to `control`, if any.
  template <class Derived>
  using ClickHandler = std::pair<std::string_view, void (Derived::*)()>;
  template <class Derived>
  static void Dispatch(Derived& window, std::span<const ClickHandler<Derived>> handlers,
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
// names, the message box, print jobs. Made by the runtime at the load and
// kept by it until it is deleted, by the toolkit or once the event that
// unloaded it is over.
class Form {
 public:
  virtual ~Form();

  ComboBox& ComboBoxNamed(std::string_view name);
  ListControl& ListNamed(std::string_view name);
  // Tells the user `text` in a message box over this window. Callers rely
  // on the user being told once their handler has ended, not on a wait for
  // OK: a runtime that cannot block shows the box and returns at once.
  virtual void ShowMessage(std::string_view text) = 0;
  // The print dialog and printer of one print command over this window.
  // Every window of the program is disabled while the job lives.
  std::unique_ptr<PrintJob> MakePrintJob();

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
      ShowError(error.what());
    } catch (...) {
      ShowError("The command failed.");
    }
  }

  // The controls that ComboBoxNamed and ListNamed find.
  void AddComboBox(std::string_view name, ComboBox& box) { combos_.emplace(name, &box); }
  void AddList(std::string_view name, ListControl& list) { lists_.emplace(name, &list); }
  // `control` was clicked; the name lives as long as the form.
  void Click(std::string_view control) {
    RunHandler([this, control] { window_.Click(control); });
  }
  // The toolkit's window was closed or destroyed: the form leaves the
  // loaded windows.
  void Unloaded() noexcept;

 private:
  friend class WindowRuntime;
  friend class PrintCommand;

  // The toolkit's side. Close closes as the close box does (that unloads).
  virtual void ShowCentred() = 0;
  virtual void BringForward() = 0;
  virtual void Close() noexcept = 0;
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsActive() const = 0;
  virtual void Activate() = 0;
  virtual void ShowError(const char* what) noexcept = 0;

  WindowRuntime& runtime_;
  Window& window_;
  std::map<std::string, ComboBox*, std::less<>> combos_;
  std::map<std::string, ListControl*, std::less<>> lists_;
};

// Loads forms from the windows' designs, delivers their events and ends the
// program; the one record of loaded windows. A toolkit's runtime derives
// from it and gives what needs the toolkit: forms, the event loop, print
// jobs, the user's decimal separator. One thread: the user interface's.
class WindowRuntime {
 public:
  // Makes the print job of one print command over `over`.
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(Form& over)>;

  // Print jobs come from `makePrintJob`, else from the toolkit's own.
  explicit WindowRuntime(PrintJobFactory makePrintJob = {});
  // Deletes every form still there, loaded or not.
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
  // Closes the form of `window` and discards its controls, as its close box
  // does. Nothing happens when it is not loaded. The program ends when its
  // last window is unloaded.
  void Unload(Window& window) noexcept;
  // Ends the program at once, closing every window.
  void End();
  // Runs the event loop until the program ends and returns its exit code;
  // returns 0 at once where the platform runs the loop.
  virtual int Run() = 0;
  // The user's decimal separator, in UTF-8.
  virtual std::string DecimalSeparator() const = 0;

  // The form of `window` while it is loaded, else null.
  Form* FormOf(const Window& window) const;
  // In the order they were loaded.
  std::span<const std::unique_ptr<Form>> LoadedForms() const { return loaded_; }

  // The job of one print command over `over`, with every loaded window
  // disabled from before the job is made until after it is gone.
  std::unique_ptr<PrintJob> MakePrintJob(Form& over);

 protected:
  // Builds the form of `window` from its design, hidden. May fail with
  // ControlError.
  virtual std::unique_ptr<Form> MakeForm(Window& window) = 0;
  virtual std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) = 0;
  // Ends the event loop.
  virtual void Quit() = 0;
  // Tells the user, over no window, why the program could not start.
  virtual void ShowError(const char* what) noexcept = 0;

  // Deletes the forms that have left the record, unless the toolkit has
  // deleted them before; only where no event of theirs is being handled.
  void DeleteUnloaded() noexcept;

 private:
  friend class Form;

  void Load(Window& window);
  void CloseAll() noexcept;
  // `form` was closed or its window destroyed.
  void Unloaded(Form& form) noexcept;
  // `form` is being deleted.
  void Forget(Form& form) noexcept;

  PrintJobFactory makePrintJob_;
  std::vector<std::unique_ptr<Form>> loaded_;
  std::vector<std::unique_ptr<Form>> unloaded_;
};

}  // namespace korvanel
