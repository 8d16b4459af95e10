#include "platform/win32/Win32Runtime.h"

#include <commctrl.h>

#include <utility>

#include "platform/ControlError.h"
#include "platform/win32/GdiPrintDialog.h"
#include "platform/win32/Utf16.h"
#include "platform/win32/Win32Form.h"

namespace korvanel::win32 {

namespace {

constexpr wchar_t kMessageCaption[] = L"Korvanel";
constexpr UINT kMessageStyle = MB_OK | MB_ICONWARNING;

}  // namespace

void ShowMessage(HWND owner, std::string_view text) {
  const std::wstring wide = WideFromUtf8(text);
  if (MessageBoxW(owner, wide.c_str(), kMessageCaption, kMessageStyle) == 0) {
    throw ControlError("The message could not be shown.");
  }
}

void ShowError(HWND owner, const char* what) noexcept {
  try {
    const std::wstring wide = WideFromUtf8Lenient(what);
    MessageBoxW(IsWindow(owner) ? owner : nullptr, wide.c_str(), kMessageCaption, kMessageStyle);
  } catch (...) {
    // Not even the message could be made (out of memory): nothing is left to tell.
  }
}

Win32Runtime::Win32Runtime(PrintJobFactory makePrintJob) : WindowRuntime(std::move(makePrintJob)) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES;
  InitCommonControlsEx(&controls);
}

std::unique_ptr<Form> Win32Runtime::MakeForm(Window& window) {
  return std::make_unique<Win32Form>(*this, window);
}

std::unique_ptr<PrintJob> Win32Runtime::DefaultPrintJob(Form& over) {
  return std::make_unique<GdiPrintJob>(static_cast<Win32Form&>(over).Handle(), printerChoice_);
}

void Win32Runtime::Quit() { PostQuitMessage(0); }

void Win32Runtime::ShowError(const char* what) noexcept { win32::ShowError(nullptr, what); }

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
  DeleteUnloaded();
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (Win32Form* form = FormOfWindow(root)) {
    if (form->HandleTab(message) || IsDialogMessageW(root, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

HWND Win32Runtime::HandleOf(const Window& window) const {
  const auto* form = static_cast<const Win32Form*>(FormOf(window));
  return form != nullptr ? form->Handle() : nullptr;
}

Win32Form* Win32Runtime::FormOfWindow(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& form : LoadedForms()) {
    auto& loaded = static_cast<Win32Form&>(*form);
    if (loaded.Handle() == window) return &loaded;
  }
  return nullptr;
}

}  // namespace korvanel::win32
