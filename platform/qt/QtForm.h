#pragma once

#include <QMainWindow>

#include <map>
#include <memory>
#include <string>
#include <string_view>

#include "platform/Forms.h"
#include "platform/WindowDesign.h"

class QCloseEvent;

namespace korvanel::qt {

class QtRuntime;

// A loaded window, built from its design: a top-level window without owner
// whose client area holds the controls at their design places (below the
// menu bar, when the design has one). Nothing lays them out again when the
// window is resized. Each control and menu item takes its design name as its
// object name. Clicks and the load reach the window's handlers through
// RunHandler, so no error crosses Qt's event loop.
class QtForm : public QMainWindow, public Form {
 public:
  QtForm(QtRuntime& runtime, const WindowDesign& design, FormEvents& events);
  ~QtForm() override;

  ComboBox& ComboBoxNamed(std::string_view name) override;
  ListControl& ListNamed(std::string_view name) override;
  void ShowMessage(std::string_view text) override;
  std::unique_ptr<PrintJob> MakePrintJob() override;

  FormEvents& Events() const { return events_; }

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus(const WindowDesign& design);
  void BuildControls(const WindowDesign& design);
  void Click(std::string_view control);

  QtRuntime& runtime_;
  FormEvents& events_;
  std::map<std::string, std::unique_ptr<ComboBox>, std::less<>> combos_;
  std::map<std::string, ListControl*, std::less<>> lists_;
};

}  // namespace korvanel::qt
