#pragma once

#include <QMainWindow>
#include <functional>
#include <memory>

#include "core/FretTable.h"
#include "platform/PrintJob.h"
#include "platform/qt/Form.h"

class QAction;
class QComboBox;
class QLabel;
class QPushButton;

namespace korvanel::qt {
class ReportList;
}

namespace korvanel {

class mAbout;
class mTension;

// The start-up window: the scale lengths, "Compute", the fret list and the
// menus. It owns the fret table and the single instances of the
// information windows, which outlive the main window's unload. The
// arithmetic and the row texts belong to the core; this window only reads
// the typed length and shows the core's results.
class mMain : public QMainWindow {
 public:
  // Makes the dialog and printer of one File > Print over `window`.
  using PrintJobFactory = std::function<std::unique_ptr<PrintJob>(QWidget* window)>;

  // Builds the window from its design and loads it (Form_Load); the caller
  // shows it. File > Print prints on the system's printers unless given
  // another source of print jobs.
  explicit mMain(PrintJobFactory makePrintJob = {});
  ~mMain() override;

 private:
  void BuildMenus();
  void BuildControls();

  void Form_Load();
  void btnCompute_Click();
  void mnuPrint_Click();
  void mnuExit_Click();
  void mnuTension_Click();
  void mnuAbout_Click();

  void FillLengthList();
  void ComputeFrets();
  void FillFretList();
  void PrintFretTable(PrintJob& job);

  FretTable table_;
  PrintJobFactory makePrintJob_;

  QLabel* lblLength = nullptr;
  QLabel* lblmm = nullptr;
  QPushButton* btnCompute = nullptr;
  qt::ReportList* lst = nullptr;
  QComboBox* cmbLength = nullptr;

  QAction* mnuPrint = nullptr;
  QAction* mnuExit = nullptr;
  QAction* mnuTension = nullptr;
  QAction* mnuAbout = nullptr;

  qt::SingleForm<mTension> tension_;
  qt::SingleForm<mAbout> about_;
};

}  // namespace korvanel
