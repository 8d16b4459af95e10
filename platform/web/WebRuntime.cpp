#include "platform/web/WebRuntime.h"

#include <algorithm>
#include <utility>

#include "platform/web/WebForm.h"
#include "platform/web/WebPrinter.h"

namespace korvanel::web {

namespace {

// The service worker keeps the site's files, so that after one visit the
// program starts with no network. Browsers have it only where the page
// comes from a secure origin (or this machine); without it the program
// works all the same.
void KeepSiteForOffline(const val& ignoreFailure) {
  const val workers = val::global("navigator")["serviceWorker"];
  if (workers.isUndefined()) return;
  workers.call<val>("register", std::string("sw.js")).call<val>("catch", ignoreFailure);
}

}  // namespace

WebRuntime::WebRuntime(PrintJobFactory makePrintJob)
    : WindowRuntime(std::move(makePrintJob)),
      desktop_(ElementById("desktop")),
      deleteLater_(listeners_.Callback([this] {
        deletionPending_ = false;
        DeleteUnloaded();
        std::erase_if(boxes_, [](const auto& box) { return !box->IsShown(); });
      })) {
  // Once the first window has been painted: the worker's start, its fetches
  // and the printout's faces must not delay it.
  AfterNextPaint(listeners_.Callback([ignoreFailure = listeners_.Handler([](val) {})] {
    KeepSiteForOffline(ignoreFailure);
    WebPrinter::LoadFaces();
  }));
  listeners_.Listen(val::global("window"), "resize", [this](val) { FitAll(); });
  val restart = Document().call<val>("getElementById", std::string("restart"));
  if (!restart.isNull()) {
    listeners_.Listen(restart, "click", [](val) { val::global("location").call<void>("reload"); });
  }
}

WebRuntime::~WebRuntime() = default;

std::string WebRuntime::DecimalSeparator() const {
  const val parts = val::global("Intl")["NumberFormat"].new_().call<val>("formatToParts", 1.5);
  const int count = parts["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    if (parts[i]["type"].as<std::string>() == "decimal") return parts[i]["value"].as<std::string>();
  }
  return ".";
}

void WebRuntime::SetActive(const val& window) {
  // Kept on the elements alone: nothing holds on to a window once it goes.
  const val previous = desktop_.call<val>("querySelector", std::string(".window.active"));
  if (!previous.isNull() && !previous.strictlyEquals(window))
    ToggleClass(previous, "active", false);
  ToggleClass(window, "active", true);
}

std::string WebRuntime::NewId() { return "k" + std::to_string(++ids_); }

void WebRuntime::DeleteLater() {
  if (deletionPending_) return;
  deletionPending_ = true;
  val::global("setTimeout")(deleteLater_, 0);
}

void WebRuntime::ShowMessageBox(WebForm* owner, std::string_view text) {
  if (owner != nullptr) owner->SetBlocked(true);
  boxes_.push_back(std::make_unique<MessageBox>(
      *this, owner != nullptr ? owner->Element() : val::null(), text, [this, owner] {
        if (IsLoaded(owner)) owner->SetBlocked(false);
        DeleteLater();
      }));
}

std::unique_ptr<Form> WebRuntime::MakeForm(Window& window) {
  return std::make_unique<WebForm>(*this, window);
}

std::unique_ptr<PrintJob> WebRuntime::DefaultPrintJob(Form&) {
  return std::make_unique<WebPrintJob>();
}

void WebRuntime::Quit() {
  val ended = Document().call<val>("getElementById", std::string("ended"));
  if (!ended.isNull()) ended.set("hidden", false);
  val restart = Document().call<val>("getElementById", std::string("restart"));
  if (!restart.isNull()) restart.call<void>("focus");
}

void WebRuntime::ShowError(const char* what) noexcept {
  try {
    ShowMessageBox(nullptr, what);
  } catch (...) {
    // Not even the message box could be made: nothing is left to tell.
  }
}

void WebRuntime::FitAll() {
  for (const auto& form : LoadedForms()) static_cast<WebForm&>(*form).Fit();
  for (const auto& box : boxes_) {
    if (box->IsShown()) box->Fit();
  }
}

bool WebRuntime::IsLoaded(const WebForm* form) const {
  return form != nullptr &&
         std::any_of(LoadedForms().begin(), LoadedForms().end(),
                     [form](const auto& loaded) { return loaded.get() == form; });
}

}  // namespace korvanel::web
