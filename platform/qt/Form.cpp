#include "platform/qt/Form.h"

#include <QAbstractItemView>
#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include <string>

#include "platform/Twips.h"
#include "platform/qt/ComboBox.h"
#include "platform/qt/Controls.h"
#include "platform/qt/Drawing.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ReportList.h"
#include "platform/qt/Runtime.h"
#include "platform/qt/Text.h"

namespace korvanel::qt {

namespace {

// Gives `control` the font and colour of its design.
QWidget* Styled(QWidget& control, const ControlDesign& design) {
  control.setFont(DesignFont(design.font));
  if (design.color) {
    QPalette palette = control.palette();
    palette.setColor(QPalette::WindowText,
                     QColor(design.color->red, design.color->green, design.color->blue));
    control.setPalette(palette);
  }
  return &control;
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

}  // namespace

QtForm::QtForm(QtRuntime& runtime, Window& window)
    : Form(runtime, window), client_(new QWidget(this)) {
  const WindowDesign& design = window.Design();
  setObjectName(Utf8Text(design.name));
  setWindowTitle(Utf8Text(design.caption));
  setFont(DefaultFont());
  setCentralWidget(client_);
  MakeControls(design, *this);
  // The client area of the design lies below the menu bar.
  const int menuHeight = design.menus.empty() ? 0 : menuBar()->sizeHint().height();
  resize(QSize(TwipsToPixels(design.clientWidth), TwipsToPixels(design.clientHeight)) +
         QSize(0, menuHeight));
}

// Out of line: the combo boxes are complete types only here.
QtForm::~QtForm() = default;

QMenu* QtForm::MakeMenu(const MenuDesign& menu) {
  QMenu* made = menuBar()->addMenu(Utf8Text(menu.text));
  made->setObjectName(Utf8Text(menu.name));
  return made;
}

void QtForm::MakeMenuItem(QMenu* menu, const MenuItemDesign& item) {
  QAction* action = menu->addAction(Utf8Text(item.text));
  action->setObjectName(Utf8Text(item.name));
  connect(action, &QAction::triggered, this,
          [this, name = std::string(item.name)] { Click(name); });
}

void QtForm::MakeSeparator(QMenu* menu, const MenuItemDesign& item) {
  menu->addSeparator()->setObjectName(Utf8Text(item.name));
}

QWidget* QtForm::MakeLabel(const ControlDesign& label) {
  QLabel* made = qt::MakeLabel(*client_, label);
  labels_.push_back(std::make_unique<QtLabel>(*made));
  Register(label.name, *labels_.back());
  return Styled(*made, label);
}

QWidget* QtForm::MakeButton(const ControlDesign& button) {
  QPushButton* made = qt::MakeButton(*client_, button);
  if (button.isDefault) SetDefaultButton(*made);
  connect(made, &QPushButton::clicked, this,
          [this, name = std::string(button.name)] { Click(name); });
  return Styled(*made, button);
}

QWidget* QtForm::MakeComboBox(const ControlDesign& box) {
  combos_.push_back(std::make_unique<QtComboBox>(*client_, box, true));
  Register(box.name, *combos_.back());
  return Styled(combos_.back()->Widget(), box);
}

QWidget* QtForm::MakeDropDownList(const ControlDesign& box) {
  combos_.push_back(std::make_unique<QtComboBox>(*client_, box, false));
  QComboBox& made = combos_.back()->Widget();
  Register(box.name, *combos_.back());
  // The user's choice only, not the handlers' own.
  connect(&made, &QComboBox::activated, this,
          [this, name = std::string(box.name)] { Changed(name); });
  return Styled(made, box);
}

QWidget* QtForm::MakeTextBox(const ControlDesign& box) {
  textBoxes_.push_back(std::make_unique<QtTextBox>(*client_, box));
  Register(box.name, *textBoxes_.back());
  return Styled(textBoxes_.back()->Widget(), box);
}

QWidget* QtForm::MakeDrawing(const ControlDesign& drawing) {
  auto* made = new DrawingWidget(*client_, drawing);
  Register(drawing.name, *made);
  return Styled(*made, drawing);
}

QWidget* QtForm::MakeList(const ControlDesign& list) {
  auto* made = new ReportList(*client_, list);
  Register(list.name, *made);
  return Styled(*made, list);
}

void QtForm::MakeLine(const LineDesign& line) { new LineShape(*client_, line); }

void QtForm::NameByLabel(QWidget* label, QWidget* named) {
  // Screen readers name the control after its label. Item views report no
  // label relation: they carry the label's text as their name.
  auto* text = static_cast<QLabel*>(label);
  text->setBuddy(named);
  if (qobject_cast<QAbstractItemView*>(named) != nullptr) named->setAccessibleName(text->text());
}

void QtForm::SetTabOrder(std::span<QWidget* const> order) {
  if (order.empty()) return;
  order.front()->setFocus();
  for (std::size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void QtForm::ShowCentred() {
  move(CentredPosition(*this));
  if (FrameMargins(*this).isNull()) new CentreWhenFramed(*this);
  show();
}

void QtForm::Focus(std::string_view control) {
  if (auto* widget = client_->findChild<QWidget*>(Utf8Text(control))) widget->setFocus();
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
  Closed();
  // Deleted once the event that closed it is over.
  deleteLater();
  QMainWindow::closeEvent(event);
}

}  // namespace korvanel::qt
