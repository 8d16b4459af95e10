#include "platform/qt/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QMargins>
#include <QScreen>
#include <QString>
#include <QWindow>

#include "platform/qt/Accessibility.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/Twips.h"

namespace korvanel::qt {

void DesignWindow(QWidget& window, const char* name, const QString& caption) {
  InstallAccessibleRoles();
  window.setObjectName(QString::fromLatin1(name));
  window.setWindowTitle(caption);
  window.setFont(DefaultFont());
}

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

void EndProgram() {
  QApplication::closeAllWindows();
  QCoreApplication::quit();
}

Form::Form(const char* name, const QString& caption, int clientWidth, int clientHeight) {
  DesignWindow(*this, name, caption);
  setAttribute(Qt::WA_DeleteOnClose);
  resize(TwipsSize(clientWidth, clientHeight));
}

void Form::closeEvent(QCloseEvent* event) {
  unloaded_ = true;
  QWidget::closeEvent(event);
}

}  // namespace korvanel::qt
