#include "platform/qt/Form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QScreen>
#include <QString>

#include "platform/qt/Fonts.h"
#include "platform/qt/Twips.h"

namespace korvanel::qt {

void DesignWindow(QWidget& window, const char* name, const QString& caption) {
  window.setObjectName(QString::fromLatin1(name));
  window.setWindowTitle(caption);
  window.setFont(DefaultFont());
}

void ShowCentred(QWidget& window) {
  const QScreen* screen = window.screen();
  QRect place(QPoint(), window.size());
  place.moveCenter(screen->availableGeometry().center());
  window.move(place.topLeft());
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
