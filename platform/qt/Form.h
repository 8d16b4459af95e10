#pragma once

#include <QMainWindow>

#include <memory>
#include <span>
#include <string_view>
#include <vector>

#include "platform/ControlMaker.h"
#include "platform/Runtime.h"

class QCloseEvent;
class QMenu;

namespace korvanel::qt {

class QtComboBox;
class QtLabel;
class QtRuntime;
class QtTextBox;

// A loaded window, built from its design: a top-level window without owner
// whose client area holds the controls at their design places (below the
// menu bar, when the design has one). Nothing lays them out again when the
// window is resized. Each control and menu item takes its design name as its
// object name. Clicks and the load reach the window's handlers through
// RunHandler, so no error crosses Qt's event loop. While disabled (a print
// command runs) the window manager's close box does not close it.
class QtForm : public QMainWindow, public Form, private ControlMaker<QWidget*, QMenu*> {
 public:
  QtForm(QtRuntime& runtime, Window& window);
  ~QtForm() override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // Centred on its screen as the user sees it, frame included.
  void ShowCentred() override;
  void BringForward() override;
  void Close() noexcept override { close(); }
  bool IsEnabled() const override { return isEnabled(); }
  void SetEnabled(bool enabled) override { setEnabled(enabled); }
  bool IsActive() const override { return isActiveWindow(); }
  void Activate() override { activateWindow(); }
  void Focus(std::string_view control) override;

  QMenu* MakeMenu(const MenuDesign& menu) override;
  void MakeMenuItem(QMenu* menu, const MenuItemDesign& item) override;
  void MakeSeparator(QMenu* menu, const MenuItemDesign& item) override;
  QWidget* MakeLabel(const ControlDesign& label) override;
  QWidget* MakeButton(const ControlDesign& button) override;
  QWidget* MakeComboBox(const ControlDesign& box) override;
  QWidget* MakeList(const ControlDesign& list) override;
  QWidget* MakeDropDownList(const ControlDesign& box) override;
  QWidget* MakeTextBox(const ControlDesign& box) override;
  QWidget* MakeDrawing(const ControlDesign& drawing) override;
  void MakeLine(const LineDesign& line) override;
  void NameByLabel(QWidget* label, QWidget* named) override;
  void SetTabOrder(std::span<QWidget* const> order) override;

  QWidget* client_;
  std::vector<std::unique_ptr<QtComboBox>> combos_;
  std::vector<std::unique_ptr<QtLabel>> labels_;
  std::vector<std::unique_ptr<QtTextBox>> textBoxes_;
};

}  // namespace korvanel::qt
