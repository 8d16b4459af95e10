#pragma once

#include <cstddef>
#include <exception>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/Forms.h"

namespace korvanel {

// The half of a window runtime that knows no toolkit: which windows are
// loaded, Show, Unload and End, controls by name, handlers and their errors,
// print jobs. platform/qt and platform/win32 derive from FormRuntime and
// RuntimeForm for the rest: controls, event loop, placement, fonts, messages.

class FormRuntime;

// A loaded window, kept by its FormRuntime from its load until it is
// deleted, by the toolkit or once the event that unloaded it is over.
class RuntimeForm : public Form {
 public:
  RuntimeForm(FormRuntime& runtime, FormEvents& events) : runtime_(runtime), events_(events) {}
  ~RuntimeForm() override;

  ComboBox& ComboBoxNamed(std::string_view name) final;
  ListControl& ListNamed(std::string_view name) final;
  // Every window of the program is disabled while the job lives.
  std::unique_ptr<PrintJob> MakePrintJob() final;

  FormEvents& Events() const { return events_; }

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

  // The toolkit's side. Close closes as the close box does (that unloads).
  virtual void ShowCentred() = 0;
  virtual void BringForward() = 0;
  virtual void Close() noexcept = 0;
  virtual bool IsEnabled() const = 0;
  virtual void SetEnabled(bool enabled) = 0;
  virtual bool IsActive() const = 0;
  virtual void Activate() = 0;
  virtual void ShowError(const char* what) noexcept = 0;

 protected:
  // The controls that ComboBoxNamed and ListNamed find.
  void AddComboBox(std::string_view name, ComboBox& box) { combos_.emplace(name, &box); }
  void AddList(std::string_view name, ListControl& list) { lists_.emplace(name, &list); }
  // The window was closed or destroyed: it leaves the loaded windows.
  void Unloaded() noexcept;
  // `control` was clicked; the name lives as long as the window.
  void Click(std::string_view control) {
    RunHandler([this, control] { events_.Click(control); });
  }

 private:
  FormRuntime& runtime_;
  FormEvents& events_;
  std::map<std::string, ComboBox*, std::less<>> combos_;
  std::map<std::string, ListControl*, std::less<>> lists_;
};

// The positions in `design.controls` of the controls that take the focus, in
// the design's tab order (equal tab indexes keep their design order).
std::vector<std::size_t> TabOrder(const WindowDesign& design);

// A label that names another control for screen readers, by position in
// `design.controls`.
struct LabelledControl {
  std::size_t label = 0;
  std::size_t control = 0;
};
std::vector<LabelledControl> LabelledControls(const WindowDesign& design);

// The window runtime without its toolkit; the one record of loaded windows.
class FormRuntime : public WindowRuntime {
 public:
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(RuntimeForm& over)>;

  // Print jobs come from `makePrintJob`, else from DefaultPrintJob.
  explicit FormRuntime(PrintJobFactory makePrintJob = {});
  // Deletes every window still there, loaded or not.
  ~FormRuntime() override;

  void Show(const WindowDesign& design, FormEvents& events) override;
  void Unload(FormEvents& events) noexcept override;
  void End() override;

  // The window of `events` while it is loaded, else null.
  RuntimeForm* FormOf(const FormEvents& events) const;
  // In the order they were loaded.
  std::span<const std::unique_ptr<RuntimeForm>> LoadedForms() const { return loaded_; }

  // The job of one print command over `over`, with every loaded window
  // disabled from before the job is made until after it is gone.
  std::unique_ptr<PrintJob> MakePrintJob(RuntimeForm& over);

 protected:
  // Builds the window hidden. May fail with ControlError.
  virtual std::unique_ptr<RuntimeForm> MakeForm(const WindowDesign& design, FormEvents& events) = 0;
  virtual std::unique_ptr<PrintJob> DefaultPrintJob(RuntimeForm& over) = 0;
  // `form` has left the record; it lives until DeleteUnloaded, unless the
  // toolkit deletes it before.
  virtual void OnUnloaded(RuntimeForm& form) noexcept = 0;
  // Ends the event loop.
  virtual void Quit() = 0;

  // Only where no event of theirs is being handled.
  void DeleteUnloaded() noexcept;
  void CloseAll() noexcept;

 private:
  friend class RuntimeForm;

  void Load(const WindowDesign& design, FormEvents& events);
  // `form` was closed or its window destroyed.
  void Unloaded(RuntimeForm& form) noexcept;
  // `form` is being deleted.
  void Forget(RuntimeForm& form) noexcept;

  PrintJobFactory makePrintJob_;
  std::vector<std::unique_ptr<RuntimeForm>> loaded_;
  std::vector<std::unique_ptr<RuntimeForm>> unloaded_;
};

}  // namespace korvanel
