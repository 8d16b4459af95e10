#include "platform/qt/QtForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <string>

#include "platform/qt/Controls.h"
#include "platform/qt/Fonts.h"
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

QMargins FrameMargins(const QWidget& window) {
  const QWindow* handle = window.windowHandle();
  return handle != nullptr ? handle->frameMargins() : QMargins();
}

// The top-left corner that centres the window on its screen as the user sees
// it: with its frame, when it has one. A top-level widget's position is its
// frame's.
QPoint CentredPosition(const QWidget& window) {
  QRect place(QPoint(), window.size().grownBy(FrameMargins(window)));
  place.moveCenter(window.screen()->availableGeometry().center());
  return place.topLeft();
}

// A window manager frames a window only after it is shown, so the first
// centring knows no frame and leaves the window lower by half its title bar.
// This centres the window once more when its frame arrives.
class CentreWhenFramed : public QObject {
 public:
  explicit CentreWhenFramed(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Move || event->type() == QEvent::Show) {
      auto& window = static_cast<QWidget&>(*watched);
      if (!FrameMargins(window).isNull()) {
        window.removeEventFilter(this);
        window.move(CentredPosition(window));
        deleteLater();
      }
    }
    return false;
  }
};

// Tells the user something in a message box over `window` and waits for OK.
void ShowMessageBox(QWidget* window, const QString& text) {
  QMessageBox box(QMessageBox::Warning, QStringLiteral("Korvanel"), text, QMessageBox::Ok, window);
  box.exec();
}

}  // namespace

QtForm::QtForm(QtRuntime& runtime, const WindowDesign& design, FormEvents& events)
    : RuntimeForm(runtime, events) {
  setObjectName(Utf8Text(design.name));
  setWindowTitle(Utf8Text(design.caption));
  setFont(DefaultFont());
  BuildMenus(design);
  BuildControls(design);
  // The client area of the design lies below the menu bar.
  const int menuHeight = design.menus.empty() ? 0 : menuBar()->sizeHint().height();
  resize(TwipsSize(design.clientWidth, design.clientHeight) + QSize(0, menuHeight));
}

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
  // In design order.
  std::vector<QWidget*> made;
  for (const ControlDesign& control : design.controls) {
    QWidget* widget = nullptr;
    switch (control.kind) {
      case ControlKind::Label:
        widget = AddLabel(*client, control);
        break;
      case ControlKind::Button: {
        QPushButton* button = AddButton(*client, control);
        if (control.isDefault) SetDefaultButton(*button);
        connect(button, &QPushButton::clicked, this,
                [this, name = std::string(control.name)] { Click(name); });
        widget = button;
        break;
      }
      case ControlKind::ComboBox: {
        QComboBox* combo = qt::AddComboBox(*client, control);
        combos_.push_back(std::make_unique<QtComboBox>(*combo));
        AddComboBox(control.name, *combos_.back());
        widget = combo;
        break;
      }
      case ControlKind::List: {
        auto* list = new ReportList(*client, control);
        AddList(control.name, *list);
        widget = list;
        break;
      }
    }
    widget->setFont(DesignFont(control.font));
    if (control.color) SetTextColor(*widget, *control.color);
    made.push_back(widget);
  }

  for (const LabelledControl& pair : LabelledControls(design)) {
    // Screen readers name the control after its label. Item views report no
    // label relation: they carry the label's text as their name.
    auto* label = static_cast<QLabel*>(made[pair.label]);
    QWidget* named = made[pair.control];
    label->setBuddy(named);
    if (qobject_cast<QAbstractItemView*>(named) != nullptr) named->setAccessibleName(label->text());
  }
  for (const LineDesign& line : design.lines) {
    new LineShape(*client, line.name, line.x1, line.y1, line.x2, line.y2);
  }

  QWidget* previous = nullptr;
  for (const std::size_t index : TabOrder(design)) {
    if (previous != nullptr) {
      QWidget::setTabOrder(previous, made[index]);
    } else {
      made[index]->setFocus();
    }
    previous = made[index];
  }
}

void QtForm::ShowMessage(std::string_view text) { ShowMessageBox(this, Utf8Text(text)); }

void QtForm::ShowError(const char* what) noexcept { ShowMessageBox(this, QString::fromUtf8(what)); }

void QtForm::ShowCentred() {
  move(CentredPosition(*this));
  if (FrameMargins(*this).isNull()) new CentreWhenFramed(*this);
  show();
}

void QtForm::BringForward() {
  raise();
  activateWindow();
}

void QtForm::closeEvent(QCloseEvent* event) {
  // The close box while a command has the windows disabled: the window
  // manager's, not the program's own closing.
  if (event->spontaneous() && !isEnabled()) {
    event->ignore();
    return;
  }
  Unloaded();
  QMainWindow::closeEvent(event);
}

}  // namespace korvanel::qt
