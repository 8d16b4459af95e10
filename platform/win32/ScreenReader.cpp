#include "platform/win32/ScreenReader.h"

// The GUIDs of oleacc.h are defined here, once.
#include <initguid.h>
#include <oleacc.h>

#include "platform/win32/SystemLibrary.h"

namespace korvanel::win32 {

namespace {

using CoInitializeExFunction = HRESULT WINAPI(void*, DWORD);
using CoCreateInstanceFunction = HRESULT WINAPI(REFCLSID, IUnknown*, DWORD, REFIID, void**);

// The process's user-interface thread joins a single-threaded apartment
// once and stays in it: the annotations are asked for from it alone.
IAccPropServices* MakePropServices() {
  auto* initialize = SystemFunctionAs<CoInitializeExFunction>(L"ole32.dll", "CoInitializeEx");
  auto* create = SystemFunctionAs<CoCreateInstanceFunction>(L"ole32.dll", "CoCreateInstance");
  if (initialize == nullptr || create == nullptr) return nullptr;
  const HRESULT joined = initialize(nullptr, COINIT_APARTMENTTHREADED);
  if (FAILED(joined) && joined != RPC_E_CHANGED_MODE) return nullptr;
  void* services = nullptr;
  if (FAILED(create(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER, IID_IAccPropServices,
                    &services))) {
    return nullptr;
  }
  return static_cast<IAccPropServices*>(services);
}

}  // namespace

bool ScreenReaderRunning() {
  BOOL running = FALSE;
  return SystemParametersInfoW(SPI_GETSCREENREADER, 0, &running, 0) && running;
}

ScreenReaderAnnotations::~ScreenReaderAnnotations() {
  if (services_ == nullptr) return;
  for (Mark& mark : marked_) {
    services_->ClearHwndProps(mark.window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                              &mark.property, 1);
  }
  services_->Release();
}

void ScreenReaderAnnotations::MarkWhileReaderRuns(const std::vector<HWND>& decoration,
                                                  const std::vector<HWND>& graphics) noexcept {
  if (!marked_.empty() || (decoration.empty() && graphics.empty()) || !ScreenReaderRunning()) {
    return;
  }
  if (services_ == nullptr) services_ = MakePropServices();
  if (services_ == nullptr) return;
  for (HWND window : decoration) Set(window, PROPID_ACC_STATE, STATE_SYSTEM_INVISIBLE);
  for (HWND window : graphics) Set(window, PROPID_ACC_ROLE, ROLE_SYSTEM_GRAPHIC);
}

void ScreenReaderAnnotations::Set(HWND window, const GUID& property, LONG value) noexcept {
  VARIANT annotation{};
  annotation.vt = VT_I4;
  annotation.lVal = value;
  if (SUCCEEDED(services_->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                       property, annotation))) {
    marked_.push_back({window, property});
  }
}

}  // namespace korvanel::win32
