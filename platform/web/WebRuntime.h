#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Runtime.h"
#include "platform/web/Dom.h"
#include "platform/web/MessageBox.h"

namespace korvanel::web {

class WebForm;

// The window runtime in a web page: each loaded window is a WebForm, a
// window inside the page's desktop element. The page runs the event loop,
// so Run returns at once and the program lives on in its listeners. When
// the program ends, the page says so and offers to start it again.
class WebRuntime : public WindowRuntime {
 public:
  // File > Print prints through the browser's print dialog, unless given
  // another source of print jobs. Needs the page's desktop element.
  explicit WebRuntime(PrintJobFactory makePrintJob = {});
  ~WebRuntime() override;

  int Run() override { return 0; }
  // The decimal separator of the browser's language.
  std::string DecimalSeparator() const override;

  // For the parts of the page's windows.
  const val& Desktop() const { return desktop_; }
  // The stacking place of a window brought forward.
  int NextLayer() { return ++layers_; }
  // Marks `window` (an element) as the active window.
  void SetActive(const val& window);
  // An id no other element of the page has.
  std::string NewId();
  // Deletes what has been closed once the event being handled is over.
  void DeleteLater();
  // A message box over `owner`, or over no window.
  void ShowMessageBox(WebForm* owner, std::string_view text);

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override;
  void Quit() override;
  void ShowError(const char* what) noexcept override;

 private:
  void FitAll();
  bool IsLoaded(const WebForm* form) const;

  val desktop_;
  int layers_ = 0;
  int ids_ = 0;
  bool deletionPending_ = false;
  std::vector<std::unique_ptr<MessageBox>> boxes_;
  // Declared last: its callbacks go first.
  ListenerSet listeners_;
  val deleteLater_;
};

}  // namespace korvanel::web
