#pragma once

// The web runtime: Korvanel in a web page, on the page's elements through
// Emscripten.
//
// Implements:
//  [x] forms built from their designs as windows inside the page's desktop
//      element, dragged by their title bars, the controls at their design
//      places in CSS pixels (Form.h, Frame.h)
//  [x] labels, buttons, text boxes and lines (Controls.h), the editable combo
//      box as a WAI-ARIA combo box and the drop-down list box as a select
//      (ComboBox.h), the list control as a table (ReportList.h), the menu
//      bar as a WAI-ARIA menu bar (MenuBar.h)
//  [x] the keyboard as in a dialog: the browser's Tab in the design's tab
//      order, Enter on the default button, F10 and Alt for the menu bar, the
//      focus given back when a window is active again
//  [x] the designs' fonts, or the stand-ins the site carries (Fonts.h)
//  [x] the message box, modal to every window (MessageBox.h)
//  [x] printing through the browser's print dialog: the report's lines, and
//      pictured pages at 1:1 on paper of their size (PrintJob.h, Printer.h);
//      the browser's own Print runs the active window's print command
//  [x] drawings as inline SVG images named for screen readers (Drawing.h)
//  [x] saving files: the browser's save picker where it has one, else a
//      download (FileSaver.h)
//  [x] the decimal separator and paper of the browser's language
//  [x] zoom, forced colours and touch screens
// Leaves out:
//  [ ] the printer's answer: the browser tells nothing of a cancelled or
//      failed print, nor which paper was chosen
//  [ ] an event loop of its own: the page runs it, so Run returns at once

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
// so Run returns at once and the program lives on in its listeners; the
// desktop is marked busy until then. When the program ends, the page says
// so and offers to start it again. The browser's own Print (its menu, or
// Ctrl+P) prints what the active window's print command prints.
class WebRuntime : public WindowRuntime {
 public:
  // File > Print prints through the browser's print dialog, unless given
  // another source of print jobs. Needs the page's desktop element.
  explicit WebRuntime(PrintJobFactory makePrintJob = {}, FileSaverFactory makeFileSaver = {});
  ~WebRuntime() override;

  // The first window is shown: the page is no longer loading.
  int Run() override;
  // The decimal separator of the browser's language.
  std::string DecimalSeparator() const override;
  // Whether the region of the browser's language prints on Letter.
  bool UsesLetterPaper() const override;

  // For the parts of the page's windows.
  const val& Desktop() const { return desktop_; }
  // How far the desktop is scrolled, in CSS pixels. Until a first window
  // has been shown it holds nothing to scroll, and the page is not asked:
  // asking would make it lay out that window before it is complete.
  double ScrollLeft() const { return layers_ == 0 ? 0 : desktop_["scrollLeft"].as<double>(); }
  double ScrollTop() const { return layers_ == 0 ? 0 : desktop_["scrollTop"].as<double>(); }
  // Whether windows larger than the screen are scaled down to fit it: on a
  // touch screen, where the page is laid out for the screen's width.
  bool FitsToScreen() const;
  // The stacking place of a window brought forward, and of the one in front.
  int NextLayer() { return ++layers_; }
  int TopLayer() const { return layers_; }
  // Marks `window` (an element) as the active window.
  void MarkActiveWindow(const val& window);
  // The focus goes to the window in front, to its control that had it last.
  void ActivateFront();
  // An id no other element of the page has.
  std::string NewId();
  // Deletes what has been closed once the event being handled is over.
  void DeleteClosedLater();

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override;
  std::unique_ptr<FileSaver> DefaultFileSaver(Form& over) override;
  void Quit() override;
  // While a message box is shown, no window takes input, as with a
  // desktop's message box.
  void ShowMessage(Form* owner, std::string_view text) override;

 private:
  void ShowStarted();
  void KeepAllInPage();
  void BlockForms(bool blocked);
  bool IsLoaded(const Form* form) const;
  // The loaded form whose window is `element`, else null.
  WebForm* FormOfElement(const val& element) const;
  // The window whose print command the browser's Print runs: the active
  // one, else the one in front, of those that have one.
  WebForm* FormToPrint() const;
  // Runs that window's print command for the browser's Print; with
  // `dialog`, the browser's print dialog opens once the printout is ready,
  // else the browser is printing already. False when no window prints.
  bool PrintForBrowser(bool dialog);

  val desktop_;
  int layers_ = 0;
  int ids_ = 0;
  bool deletionPending_ = false;
  // While the browser's own Print runs a print command, its job only fills
  // the printout: the browser is printing already.
  bool fillPrintoutOnly_ = false;
  std::vector<std::unique_ptr<MessageBox>> boxes_;
  // Declared last: its callbacks go first.
  ListenerSet listeners_;
  val deleteLater_;
  // Told of a save that failed after its handler ended (WebFileSaver).
  val saveFailed_;
};

}  // namespace korvanel::web
