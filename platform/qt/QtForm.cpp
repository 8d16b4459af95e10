#include "platform/qt/QtForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/ControlError.h"
#include "platform/qt/Controls.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Handler.h"
#include "platform/qt/QtRuntime.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/Text.h"
#include "platform/qt/Twips.h"

namespace korvanel::qt {

namespace {

class QtComboBox : public ComboBox {
 public:
  explicit QtComboBox(QComboBox& combo) : combo_(combo) {}

  void AddItem(std::string_view text) override { combo_.addItem(Utf8Text(text)); }
  void SetText(std::string_view text) override { SetComboText(combo_, Utf8Text(text)); }
  std::string Text() const override { return combo_.currentText().toStdString(); }

 private:
  QComboBox& combo_;
};

void SetTextColor(QWidget& widget, const Rgb& color) {
  QPalette palette = widget.palette();
  palette.setColor(QPalette::WindowText, QColor(color.red, color.green, color.blue));
  widget.setPalette(palette);
}

}  // namespace

QtForm::QtForm(QtRuntime& runtime, const WindowDesign& design, FormEvents& events)
    : runtime_(runtime), events_(events) {
  setObjectName(Utf8Text(design.name));
  setWindowTitle(Utf8Text(design.caption));
  setFont(DefaultFont());
  setAttribute(Qt::WA_DeleteOnClose);
  BuildMenus(design);
  BuildControls(design);
  // The client area of the design lies below the menu bar.
  const int menuHeight = design.menus.empty() ? 0 : menuBar()->sizeHint().height();
  resize(TwipsSize(design.clientWidth, design.clientHeight) + QSize(0, menuHeight));
}

QtForm::~QtForm() { runtime_.Unloaded(*this); }

void QtForm::BuildMenus(const WindowDesign& design) {
  for (const MenuDesign& menuDesign : design.menus) {
    QMenu* menu = menuBar()->addMenu(Utf8Text(menuDesign.text));
    menu->setObjectName(Utf8Text(menuDesign.name));
    for (const MenuItemDesign& item : menuDesign.items) {
      if (item.IsSeparator()) {
        menu->addSeparator()->setObjectName(Utf8Text(item.name));
        continue;
      }
      QAction* action = menu->addAction(Utf8Text(item.text));
      action->setObjectName(Utf8Text(item.name));
      connect(action, &QAction::triggered, this,
              [this, name = std::string(item.name)] { Click(name); });
    }
  }
}

void QtForm::BuildControls(const WindowDesign& design) {
  auto* client = new QWidget(this);
  setCentralWidget(client);
  std::map<std::string_view, QWidget*> byName;
  std::vector<std::pair<int, QWidget*>> tabOrder;
  for (const ControlDesign& control : design.controls) {
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::Label:
        widget = AddLabel(*client, control.name, Utf8Text(control.text), control.left, control.top,
                          control.width, control.height);
        break;
      case ControlKind::Button: {
        QPushButton* button = AddButton(*client, control.name, Utf8Text(control.text), control.left,
                                        control.top, control.width, control.height);
        if (control.isDefault) SetDefaultButton(*button);
        connect(button, &QPushButton::clicked, this,
                [this, name = std::string(control.name)] { Click(name); });
        widget = button;
        break;
      }
      case ControlKind::ComboBox: {
        QComboBox* combo = AddComboBox(*client, control.name, control.left, control.top,
                                       control.width, control.height);
        combos_.emplace(control.name, std::make_unique<QtComboBox>(*combo));
        widget = combo;
        break;
      }
      case ControlKind::List: {
        auto* list = new ReportList(*client, control.name, control.left, control.top, control.width,
                                    control.height, control.columns);
        lists_.emplace(control.name, list);
        widget = list;
        break;
      }
    }
    widget->setFont(DesignFont(control.font));
    if (control.color) SetTextColor(*widget, *control.color);
    if (control.kind != ControlKind::Label) tabOrder.emplace_back(control.tabIndex, widget);
    byName.emplace(control.name, widget);
  }

  for (const ControlDesign& control : design.controls) {
    if (control.labelFor.empty()) continue;
    // Screen readers name the control after its label. Item views report no
    // label relation: they carry the label's text as their name.
    auto* label = static_cast<QLabel*>(byName.at(control.name));
    QWidget* named = byName.at(control.labelFor);
    label->setBuddy(named);
    if (qobject_cast<QAbstractItemView*>(named) != nullptr) named->setAccessibleName(label->text());
  }
  for (const LineDesign& line : design.lines) {
    new LineShape(*client, line.name, line.x1, line.y1, line.x2, line.y2);
  }

  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  }
  if (!tabOrder.empty()) tabOrder.front().second->setFocus();
}

void QtForm::Click(std::string_view control) {
  RunHandler(this, [this, control] { events_.Click(control); });
}

ComboBox& QtForm::ComboBoxNamed(std::string_view name) {
  const auto found = combos_.find(name);
  if (found == combos_.end())
    throw ControlError("The window has no combo box " + std::string(name) + ".");
  return *found->second;
}

ListControl& QtForm::ListNamed(std::string_view name) {
  const auto found = lists_.find(name);
  if (found == lists_.end())
    throw ControlError("The window has no list " + std::string(name) + ".");
  return *found->second;
}

void QtForm::ShowMessage(std::string_view text) { qt::ShowMessage(this, Utf8Text(text)); }

std::unique_ptr<PrintJob> QtForm::MakePrintJob() { return runtime_.MakePrintJob(this); }

void QtForm::closeEvent(QCloseEvent* event) {
  runtime_.Unloaded(*this);
  QMainWindow::closeEvent(event);
}

}  // namespace korvanel::qt
