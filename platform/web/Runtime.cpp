#include "platform/web/Runtime.h"

#include <emscripten/em_js.h>
#include <emscripten/emscripten.h>

#include <algorithm>
#include <utility>

#include "platform/Printer.h"
#include "platform/web/FileSaver.h"
#include "platform/web/Form.h"
#include "platform/web/PrintJob.h"
#include "platform/web/Printer.h"

using emscripten::EM_VAL;

// The service worker keeps the site's files, so that after one visit the
// program starts with no network. Browsers have it only where the page
// comes from a secure origin (or this machine); without it the program
// works all the same. Its script is always asked of the host, never of the
// browser's HTTP cache, so that a new build is found. The page's policy
// takes a script's address only from a Trusted Types policy: this one
// gives the worker's, and nothing else.
// clang-format off
EM_JS(void, korvanel_keep_site_for_offline, (), {
  if (!navigator.serviceWorker) return;
  let script = "sw.js";
  if (self.trustedTypes) {
    const made = korvanel_keep_site_for_offline;
    if (!made.policy) {
      made.policy = trustedTypes.createPolicy("korvanel-worker", {
        createScriptURL: (url) => {
          if (url !== "sw.js") throw new TypeError(url + " is not the site's worker");
          return url;
        },
      });
    }
    script = made.policy.createScriptURL(script);
  }
  navigator.serviceWorker.register(script, {updateViaCache: "none"}).catch(() => {});
});

// The region of the browser's language, its likely one where the language
// names none ("en" is "en-US"); empty when the browser cannot tell.
EM_JS(EM_VAL, korvanel_language_region, (), {
  try {
    return Emval.toHandle(new Intl.Locale(navigator.language).maximize().region || "");
  } catch (error) {
    return Emval.toHandle("");
  }
});
// clang-format on

namespace korvanel::web {

namespace {

bool IsPrintKey(const val& event) {
  return (event["ctrlKey"].as<bool>() || event["metaKey"].as<bool>()) &&
         !event["altKey"].as<bool>() && !event["shiftKey"].as<bool>() &&
         (event["key"].as<std::string>() == "p" || event["key"].as<std::string>() == "P");
}

}  // namespace

WebRuntime::WebRuntime(PrintJobFactory makePrintJob, FileSaverFactory makeFileSaver)
    : WindowRuntime(std::move(makePrintJob), std::move(makeFileSaver)),
      desktop_(ElementById("desktop")),
      deleteLater_(listeners_.Callback([this] {
        deletionPending_ = false;
        DeleteClosed();
        std::erase_if(boxes_, [](const auto& box) { return !box->IsShown(); });
      })),
      saveFailed_(listeners_.Handler([this](val failure) {
        ShowMessage(FormOfElement(failure[0]),
                    SaveFailure(failure[1].as<std::string>(), failure[2].as<std::string>()));
      })) {
  // Once the first window is on the screen: the worker's start, its fetches
  // and the printout's faces must not delay it. Begun as soon as it had been
  // painted, they still took processor time from the browser's drawing it on
  // two cores.
  AfterPaintedAndShown(listeners_.Callback([] {
    korvanel_keep_site_for_offline();
    WebPrinter::LoadFaces();
  }));
  const val page = val::global("window");
  listeners_.Listen(page, "resize", [this](val) { KeepAllInPage(); });
  // The browser prints the page as it is once this returns.
  listeners_.Listen(page, "beforeprint", [this](val) {
    if (!WebPrinter::IsPrinting()) PrintForBrowser(false);
  });
  // Ctrl+P prints as the print command does, its faces loaded first.
  listeners_.Listen(page, "keydown", [this](val event) {
    if (IsPrintKey(event) && PrintForBrowser(true)) event.call<void>("preventDefault");
  });
}

WebRuntime::~WebRuntime() = default;

int WebRuntime::Run() {
  ShowStarted();
  return 0;
}

std::string WebRuntime::DecimalSeparator() const {
  const val parts = val::global("Intl")["NumberFormat"].new_().call<val>("formatToParts", 1.5);
  const int count = parts["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    if (parts[i]["type"].as<std::string>() == "decimal") return parts[i]["value"].as<std::string>();
  }
  return ".";
}

bool WebRuntime::UsesLetterPaper() const {
  return UsesLetter(val::take_ownership(korvanel_language_region()).as<std::string>());
}

bool WebRuntime::FitsToScreen() const {
  return val::global("matchMedia")(val("(pointer: coarse)"))["matches"].as<bool>();
}

void WebRuntime::MarkActiveWindow(const val& window) {
  // Kept on the elements alone: nothing holds on to a window once it goes.
  const val previous = desktop_.call<val>("querySelector", std::string(".window.active"));
  if (!previous.isNull() && !previous.strictlyEquals(window))
    ToggleClass(previous, "active", false);
  ToggleClass(window, "active", true);
}

void WebRuntime::ActivateFront() {
  WebForm* frontForm = nullptr;
  for (const auto& form : LoadedForms()) {
    auto& loaded = static_cast<WebForm&>(*form);
    if (frontForm == nullptr || loaded.Layer() > frontForm->Layer()) frontForm = &loaded;
  }
  MessageBox* frontBox = nullptr;
  for (const auto& box : boxes_) {
    if (box->IsShown() && (frontBox == nullptr || box->Layer() > frontBox->Layer())) {
      frontBox = box.get();
    }
  }
  if (frontBox != nullptr && (frontForm == nullptr || frontBox->Layer() > frontForm->Layer())) {
    frontBox->Activate();
  } else if (frontForm != nullptr) {
    frontForm->Activate();
  }
}

std::string WebRuntime::NewId() { return "k" + std::to_string(++ids_); }

void WebRuntime::DeleteClosedLater() {
  if (deletionPending_) return;
  deletionPending_ = true;
  val::global("setTimeout")(deleteLater_, 0);
}

void WebRuntime::ShowMessage(Form* shownOver, std::string_view text) {
  // A message from a start that failed comes before any window.
  ShowStarted();
  auto* owner = IsLoaded(shownOver) ? static_cast<WebForm*>(shownOver) : nullptr;
  BlockForms(true);
  boxes_.push_back(std::make_unique<MessageBox>(
      *this, owner != nullptr ? owner->Element() : val::null(), text, [this, owner] {
        const bool boxLeft = std::any_of(boxes_.begin(), boxes_.end(),
                                         [](const auto& box) { return box->IsShown(); });
        if (!boxLeft) BlockForms(false);
        // As on the desktop, the owner comes back to the front, unless
        // another message still waits.
        if (!boxLeft && IsLoaded(owner)) {
          owner->BringForward();
        } else {
          ActivateFront();
        }
        DeleteClosedLater();
      }));
}

std::unique_ptr<Form> WebRuntime::MakeForm(Window& window) {
  return std::make_unique<WebForm>(*this, window);
}

std::unique_ptr<PrintJob> WebRuntime::DefaultPrintJob(Form&) {
  return std::make_unique<WebPrintJob>(!fillPrintoutOnly_);
}

std::unique_ptr<FileSaver> WebRuntime::DefaultFileSaver(Form& over) {
  return std::make_unique<WebFileSaver>(static_cast<WebForm&>(over).Element(), saveFailed_);
}

void WebRuntime::Quit() {
  val ended = Document().call<val>("getElementById", std::string("ended"));
  if (!ended.isNull()) ended.set("hidden", false);
  val restart = Document().call<val>("getElementById", std::string("restart"));
  if (!restart.isNull()) restart.call<void>("focus");
}

void WebRuntime::ShowStarted() {
  desktop_.call<void>("removeAttribute", std::string("aria-busy"));
  val loading = Document().call<val>("getElementById", std::string("loading"));
  if (!loading.isNull()) loading.set("hidden", true);
}

void WebRuntime::KeepAllInPage() {
  for (const auto& form : LoadedForms()) static_cast<WebForm&>(*form).KeepInPage();
  for (const auto& box : boxes_) {
    if (box->IsShown()) box->KeepInPage();
  }
}

void WebRuntime::BlockForms(bool blocked) {
  for (const auto& form : LoadedForms()) static_cast<WebForm&>(*form).SetBlocked(blocked);
}

bool WebRuntime::IsLoaded(const Form* form) const {
  return form != nullptr &&
         std::any_of(LoadedForms().begin(), LoadedForms().end(),
                     [form](const auto& loaded) { return loaded.get() == form; });
}

WebForm* WebRuntime::FormOfElement(const val& element) const {
  for (const auto& form : LoadedForms()) {
    auto& loaded = static_cast<WebForm&>(*form);
    if (loaded.Element().strictlyEquals(element)) return &loaded;
  }
  return nullptr;
}

WebForm* WebRuntime::FormToPrint() const {
  WebForm* chosen = nullptr;
  for (const auto& form : LoadedForms()) {
    auto& loaded = static_cast<WebForm&>(*form);
    if (!loaded.Prints()) continue;
    if (loaded.IsActive()) return &loaded;
    if (chosen == nullptr || loaded.Layer() > chosen->Layer()) chosen = &loaded;
  }
  return chosen;
}

bool WebRuntime::PrintForBrowser(bool dialog) {
  WebForm* form = FormToPrint();
  if (form == nullptr) return false;
  fillPrintoutOnly_ = !dialog;
  form->Print();
  fillPrintoutOnly_ = false;
  return true;
}

}  // namespace korvanel::web
