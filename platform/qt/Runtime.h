#pragma once

// The Qt runtime: Korvanel on a Linux desktop, on Qt 6 Widgets and
// PrintSupport.
//
// Implements:
//  [x] forms built from their designs as top-level QMainWindows, the
//      controls at their design places in Qt's device-independent pixels
//      (Form.h), centred on their screen with the frame the window manager
//      gives them
//  [x] labels, buttons, the default button and lines (Controls.h), the
//      editable combo box (ComboBox.h), the list control as a QTreeWidget
//      (ReportList.h), the menu bar (Form.h)
//  [x] the designs' fonts or their stand-ins of the same pitch (Fonts.h)
//  [x] the message box (MessageBox.h)
//  [x] printing: Qt's print dialog and a line printer on a QPrinter, the
//      printer and its settings kept for the run; CUPS's answer read back
//      (PrintJob.h, Printer.h)
//  [x] screen readers: labels as buddies of the controls they name, through
//      Qt's accessibility (AT-SPI)
//  [x] labels the handlers change, text boxes, drop-down list boxes
//      (Controls.h, ComboBox.h) and drawings painted with QPainter
//      (Drawing.h)
//  [x] saving files: Qt's save dialog and QSaveFile (FileSaver.h)
//  [x] printing pictures at 1:1 on the paper of the pages (Printer.h)
//  [x] the user's decimal separator and paper (QLocale)
// Leaves out:
//  [ ] the focus: Qt moves it itself, in the tab order the form sets
//  [ ] DPI: Qt scales device-independent pixels itself

#include <memory>
#include <string>

#include "platform/Runtime.h"

class QApplication;
class QIcon;
class QMainWindow;
class QPrinter;

namespace korvanel::qt {

// The program's icon in 16, 32, 48 and 64 pixels, shared by its windows.
QIcon ProgramIcon();

// Qt's application object for the program, made unless the process has one
// (a test's). The program takes no command-line arguments and gives Qt none
// of the user's: no option of Qt's can load a style sheet or change a
// caption behind its back.
class QtApplication {
 protected:
  QtApplication();
  ~QtApplication();

 private:
  std::unique_ptr<QApplication> application_;
};

// The window runtime on Qt Widgets. Each loaded window is a QtForm.
class QtRuntime : private QtApplication, public WindowRuntime {
 public:
  // File > Print prints on the system's printers, each dialog opening on
  // the printer and settings confirmed last in the run, unless given another
  // source of print jobs.
  explicit QtRuntime(PrintJobFactory makePrintJob = {}, FileSaverFactory makeFileSaver = {});
  ~QtRuntime() override;

  int Run() override;
  std::string DecimalSeparator() const override;
  bool UsesLetterPaper() const override;

  // The widget of `window` while it is loaded, else null.
  QMainWindow* WidgetOf(const Window& window) const;

 protected:
  std::unique_ptr<Form> MakeForm(Window& window) override;
  std::unique_ptr<PrintJob> DefaultPrintJob(Form& over) override;
  std::unique_ptr<FileSaver> DefaultFileSaver(Form& over) override;
  void Quit() override;
  void ShowMessage(Form* owner, std::string_view text) override;

 private:
  // The printer of every print command of the run, once there was one.
  std::unique_ptr<QPrinter> printer_;
};

}  // namespace korvanel::qt
