#include "platform/win32/Win32Runtime.h"

#include <commctrl.h>

#include <utility>

#include "platform/ControlError.h"
#include "platform/win32/GdiPrintJob.h"
#include "platform/win32/Handler.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Form.h"

namespace korvanel::win32 {

Win32Runtime::Win32Runtime(PrintJobFactory makePrintJob) : makePrintJob_(std::move(makePrintJob)) {
  if (!makePrintJob_) {
    makePrintJob_ = [this](HWND owner) {
      return std::make_unique<GdiPrintJob>(owner, printerChoice_);
    };
  }
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES;
  InitCommonControlsEx(&controls);
}

Win32Runtime::~Win32Runtime() {
  closing_ = true;
  std::vector<HWND> windows;
  for (const auto& [events, form] : loaded_) windows.push_back(form->Handle());
  for (HWND window : windows) DestroyWindow(window);
  // Whatever did not go through WM_DESTROY goes with its form.
  for (auto& [events, form] : loaded_) form->Events().SetLoadedForm(nullptr);
  loaded_.clear();
  unloaded_.clear();
}

void Win32Runtime::Show(const WindowDesign& design, FormEvents& events) {
  if (WindowOf(events) == nullptr) Load(design, events);
  // Its load handler may have unloaded it again.
  if (HWND window = WindowOf(events)) {
    if (IsIconic(window)) ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    BringWindowToTop(window);
  }
}

void Win32Runtime::Load(const WindowDesign& design, FormEvents& events) {
  auto made = std::make_unique<Win32Form>(*this, design, events);
  Win32Form& form = *made;
  loaded_[&events] = std::move(made);
  events.SetLoadedForm(&form);
  RunHandler(form.Handle(), [&events] { events.Form_Load(); });
  if (FormOf(form.Handle()) == &form) form.ShowCentred();
}

void Win32Runtime::Unload(FormEvents& events) noexcept {
  const auto found = loaded_.find(&events);
  if (found == loaded_.end()) return;
  Win32Form& form = *found->second;
  DestroyWindow(form.Handle());
  // Destroying always unloads; should it not have, the form goes all the same.
  if (loaded_.contains(&events) && loaded_.at(&events).get() == &form) Unloaded(form);
}

void Win32Runtime::End() {
  std::vector<HWND> windows;
  for (const auto& [events, form] : loaded_) windows.push_back(form->Handle());
  for (HWND window : windows) DestroyWindow(window);
  PostQuitMessage(0);
}

std::string Win32Runtime::DecimalSeparator() const {
  wchar_t separator[LOCALE_NAME_MAX_LENGTH]{};
  const int length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, LOCALE_NAME_MAX_LENGTH);
  if (length <= 1) throw ControlError("The decimal separator is unknown.");
  return Utf8FromWide(std::wstring_view(separator, static_cast<std::size_t>(length - 1)));
}

int Win32Runtime::Run() {
  MSG message;
  while (true) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 1;
    Dispatch(message);
  }
}

void Win32Runtime::Dispatch(MSG& message) {
  // No message of an unloaded window is being handled here.
  unloaded_.clear();
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (Win32Form* form = FormOf(root)) {
    if (form->HandleTab(message) || IsDialogMessageW(root, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

HWND Win32Runtime::WindowOf(const FormEvents& events) const {
  const auto found = loaded_.find(&events);
  return found != loaded_.end() ? found->second->Handle() : nullptr;
}

Win32Form* Win32Runtime::FormOf(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& [events, form] : loaded_) {
    if (form->Handle() == window) return form.get();
  }
  return nullptr;
}

std::unique_ptr<PrintJob> Win32Runtime::MakePrintJob(HWND owner) const {
  std::vector<HWND> windows;
  for (const auto& [events, form] : loaded_) windows.push_back(form->Handle());
  return std::make_unique<ModalPrintJob>(windows, owner, makePrintJob_);
}

void Win32Runtime::Unloaded(Win32Form& form) noexcept {
  for (auto found = loaded_.begin(); found != loaded_.end(); ++found) {
    if (found->second.get() != &form) continue;
    unloaded_.push_back(std::move(found->second));
    loaded_.erase(found);
    form.Events().SetLoadedForm(nullptr);
    if (loaded_.empty() && !closing_) PostQuitMessage(0);
    return;
  }
}

}  // namespace korvanel::win32
