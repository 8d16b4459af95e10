#include "platform/win32/Runtime.h"

#include <commctrl.h>

#include <utility>

#include "platform/ControlError.h"
#include "platform/win32/FileSaver.h"
#include "platform/win32/Form.h"
#include "platform/win32/MessageBox.h"
#include "platform/win32/PrintJob.h"
#include "platform/win32/Utf16.h"

namespace korvanel::win32 {

Win32Runtime::Win32Runtime(PrintJobFactory makePrintJob, FileSaverFactory makeFileSaver)
    : WindowRuntime(std::move(makePrintJob), std::move(makeFileSaver)) {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES;
  InitCommonControlsEx(&controls);
}

std::unique_ptr<Form> Win32Runtime::MakeForm(Window& window) {
  return std::make_unique<Win32Form>(*this, window);
}

std::unique_ptr<PrintJob> Win32Runtime::DefaultPrintJob(Form& over) {
  return std::make_unique<GdiPrintJob>(UniqueDc(), static_cast<Win32Form&>(over).Handle(),
                                       printerChoice_);
}

std::unique_ptr<FileSaver> Win32Runtime::DefaultFileSaver(Form& over) {
  return std::make_unique<Win32FileSaver>(static_cast<Win32Form&>(over).Handle());
}

void Win32Runtime::Quit() { PostQuitMessage(0); }

void Win32Runtime::ShowMessage(Form* owner, std::string_view text) {
  const auto* form = static_cast<Win32Form*>(owner);
  ShowMessageBox(form != nullptr ? form->Handle() : nullptr, text);
}

std::string Win32Runtime::DecimalSeparator() const {
  wchar_t separator[LOCALE_NAME_MAX_LENGTH]{};
  const int length =
      GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_SDECIMAL, separator, LOCALE_NAME_MAX_LENGTH);
  if (length <= 1) throw ControlError("The decimal separator is unknown.");
  return Utf8FromWide(std::wstring_view(separator, static_cast<std::size_t>(length - 1)));
}

bool Win32Runtime::UsesLetterPaper() const {
  DWORD paper = 0;
  // 1 is Letter, 9 A4 (LOCALE_IPAPERSIZE).
  if (GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, LOCALE_IPAPERSIZE | LOCALE_RETURN_NUMBER,
                      reinterpret_cast<wchar_t*>(&paper), sizeof paper / sizeof(wchar_t)) == 0) {
    return false;
  }
  return paper == 1;
}

int Win32Runtime::Run() {
  MSG message;
  while (true) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == 0) return static_cast<int>(message.wParam);
    if (got == -1) return 1;
    DeliverMessage(message);
  }
}

void Win32Runtime::DeliverMessage(MSG& message) {
  // No message of a closed window is being handled here.
  DeleteClosed();
  HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (Win32Form* form = FormOfHandle(root)) {
    if (form->Keyboard().HandleTab(root, message) || IsDialogMessageW(root, &message)) return;
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

HWND Win32Runtime::HandleOf(const Window& window) const {
  const auto* form = static_cast<const Win32Form*>(FormOf(window));
  return form != nullptr ? form->Handle() : nullptr;
}

Win32Form* Win32Runtime::FormOfHandle(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& form : LoadedForms()) {
    auto& loaded = static_cast<Win32Form&>(*form);
    if (loaded.Handle() == window) return &loaded;
  }
  return nullptr;
}

}  // namespace korvanel::win32
