#include "platform/qt/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <QWidget>

#include "platform/qt/Form.h"

namespace korvanel::qt {

namespace {

QAccessibleInterface* AccessibleForm(const QString& className, QObject* object) {
  // A Form has no meta-object of its own, so Qt asks for it as a QWidget.
  if (className != QLatin1String("QWidget")) return nullptr;
  auto* form = dynamic_cast<Form*>(object);
  return form != nullptr ? new QAccessibleWidget(form, QAccessible::Window) : nullptr;
}

}  // namespace

void InstallAccessibleRoles() {
  static const bool installed = [] {
    QAccessible::installFactory(AccessibleForm);
    return true;
  }();
  (void)installed;
}

}  // namespace korvanel::qt
