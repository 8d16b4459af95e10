#pragma once

#include <QMainWindow>

#include <memory>
#include <string_view>
#include <vector>

#include "platform/RuntimeCore.h"
#include "platform/WindowDesign.h"

class QCloseEvent;

namespace korvanel::qt {

class QtRuntime;

// A loaded window, built from its design: a top-level window without owner
// whose client area holds the controls at their design places (below the
// menu bar, when the design has one). Nothing lays them out again when the
// window is resized. Each control and menu item takes its design name as its
// object name. Clicks and the load reach the window's handlers through
// RunHandler, so no error crosses Qt's event loop. While disabled (a print
// command runs) the window manager's close box does not close it.
class QtForm : public QMainWindow, public RuntimeForm {
 public:
  QtForm(QtRuntime& runtime, const WindowDesign& design, FormEvents& events);

  void ShowMessage(std::string_view text) override;
  // Centred on its screen as the user sees it, frame included.
  void ShowCentred() override;
  void BringForward() override;
  void Close() noexcept override { close(); }
  bool IsEnabled() const override { return isEnabled(); }
  void SetEnabled(bool enabled) override { setEnabled(enabled); }
  bool IsActive() const override { return isActiveWindow(); }
  void Activate() override { activateWindow(); }
  void ShowError(const char* what) noexcept override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildMenus(const WindowDesign& design);
  void BuildControls(const WindowDesign& design);

  std::vector<std::unique_ptr<ComboBox>> combos_;
};

}  // namespace korvanel::qt
