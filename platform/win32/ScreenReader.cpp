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

DecorationForScreenReaders::~DecorationForScreenReaders() {
  if (services_ == nullptr) return;
  MSAAPROPID state = PROPID_ACC_STATE;
  for (HWND window : marked_) {
    services_->ClearHwndProps(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF, &state, 1);
  }
  services_->Release();
}

void DecorationForScreenReaders::MarkWhileReaderRuns(const std::vector<HWND>& windows) noexcept {
  if (!marked_.empty() || windows.empty() || !ScreenReaderRunning()) return;
  if (services_ == nullptr) services_ = MakePropServices();
  if (services_ == nullptr) return;
  VARIANT hidden{};
  hidden.vt = VT_I4;
  hidden.lVal = STATE_SYSTEM_INVISIBLE;
  for (HWND window : windows) {
    if (SUCCEEDED(services_->SetHwndProp(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                         PROPID_ACC_STATE, hidden))) {
      marked_.push_back(window);
    }
  }
}

}  // namespace korvanel::win32
