#include "platform/qt/QtRuntime.h"

#include <QApplication>
#include <QEvent>
#include <QLocale>
#include <QMainWindow>
#include <QMargins>
#include <QScreen>
#include <QWindow>

#include <utility>
#include <vector>

#include "platform/qt/Handler.h"
#include "platform/qt/QtForm.h"
#include "platform/qt/QtPrintJob.h"

namespace korvanel::qt {

namespace {

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

void ShowCentred(QWidget& window) {
  window.move(CentredPosition(window));
  if (FrameMargins(window).isNull()) new CentreWhenFramed(window);
  window.show();
}

QtRuntime::QtRuntime(PrintJobFactory makePrintJob) : makePrintJob_(std::move(makePrintJob)) {
  if (!makePrintJob_) {
    makePrintJob_ = [this](QWidget* window) {
      // Made at the first print command: asking the print system for its
      // printers can take a while.
      if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        PrepareReportDevice(*printer_);
      }
      return std::make_unique<QtPrintJob>(*printer_, window);
    };
  }
}

QtRuntime::~QtRuntime() {
  // Unloaded windows may still wait for their deletion; none outlives the
  // runtime it reports to.
  for (const QPointer<QtForm>& form : created_) delete form.data();
}

void QtRuntime::Show(const WindowDesign& design, FormEvents& events) {
  if (WindowOf(events) == nullptr) Load(design, events);
  // Its load handler may have unloaded it again.
  if (QMainWindow* window = WindowOf(events)) {
    window->raise();
    window->activateWindow();
  }
}

void QtRuntime::Load(const WindowDesign& design, FormEvents& events) {
  auto* form = new QtForm(*this, design, events);
  std::erase_if(created_, [](const QPointer<QtForm>& gone) { return gone.isNull(); });
  created_.emplace_back(form);
  loaded_[&events] = form;
  events.SetLoadedForm(form);
  RunHandler(form, [&events] { events.Form_Load(); });
  if (WindowOf(events) == form) ShowCentred(*form);
}

void QtRuntime::Unload(FormEvents& events) noexcept {
  const auto found = loaded_.find(&events);
  if (found == loaded_.end() || !found->second) return;
  QtForm* form = found->second.data();
  form->close();
  // Closing always unloads; should it not have, the window goes all the same.
  if (loaded_.contains(&events)) {
    Unloaded(*form);
    form->deleteLater();
  }
}

void QtRuntime::End() {
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

std::string QtRuntime::DecimalSeparator() const { return QLocale().decimalPoint().toStdString(); }

QMainWindow* QtRuntime::WindowOf(const FormEvents& events) const {
  const auto found = loaded_.find(&events);
  return found != loaded_.end() ? found->second.data() : nullptr;
}

std::unique_ptr<PrintJob> QtRuntime::MakePrintJob(QWidget* window) const {
  std::vector<QWidget*> windows;
  for (const auto& [events, form] : loaded_) {
    if (form) windows.push_back(form.data());
  }
  return std::make_unique<ModalPrintJob>(windows, window, makePrintJob_);
}

void QtRuntime::Unloaded(QtForm& form) noexcept {
  const auto found = loaded_.find(&form.Events());
  if (found == loaded_.end() || found->second != &form) return;
  loaded_.erase(found);
  form.Events().SetLoadedForm(nullptr);
}

}  // namespace korvanel::qt
