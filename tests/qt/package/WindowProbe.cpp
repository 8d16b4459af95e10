// A probe loaded into the installed program with LD_PRELOAD (see
// scripts/test-package.sh): it waits until the program's main window is on
// the screen, enters 650 as the scale length, clicks Compute, compares the
// fret list with the expected table and ends the program with exit code 0
// when everything matched and 1 otherwise. It reaches the window only
// through Qt's object tree and its controls' names, so it works with the
// stripped program as packaged, and it links only the Qt libraries that the
// program itself links.
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QWindow>

#include <cstdio>

#include "tests/expected/FretTables.h"

namespace {

constexpr int kPollMilliseconds = 50;
constexpr int kPatienceMilliseconds = 20000;

void Finish(int code, const QString& message) {
  std::fprintf(stderr, "window-probe: %s: %s\n", code == 0 ? "passed" : "FAILED",
               qPrintable(message));
  QCoreApplication::exit(code);
}

// The first difference between the list and the table for 650 mm, empty
// when there is none.
QString Difference(const QTreeWidget& list) {
  const auto& expected = korvanel::test::kFretRows650;
  if (list.topLevelItemCount() != static_cast<int>(expected.size())) {
    return QStringLiteral("the list has %1 rows instead of %2")
        .arg(list.topLevelItemCount())
        .arg(expected.size());
  }
  for (int row = 0; row < list.topLevelItemCount(); ++row) {
    for (int column = 0; column < 3; ++column) {
      const QString shown = list.topLevelItem(row)->text(column);
      const QString wanted = QString::fromLatin1(expected[static_cast<size_t>(row)][column]);
      if (shown != wanted) {
        return QStringLiteral("row %1 column %2 shows '%3' instead of '%4'")
            .arg(row)
            .arg(column)
            .arg(shown, wanted);
      }
    }
  }
  return {};
}

void Look(int waited) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* compute = window->findChild<QPushButton*>(QStringLiteral("btnCompute"));
    auto* length = window->findChild<QComboBox*>(QStringLiteral("cmbLength"));
    auto* list = window->findChild<QTreeWidget*>(QStringLiteral("lst"));
    const bool shown = window->isVisible() && window->windowHandle() != nullptr &&
                       window->windowHandle()->isExposed();
    if (!shown || compute == nullptr || length == nullptr || list == nullptr) continue;

    length->setEditText(QStringLiteral("650"));
    compute->click();
    const QString difference = Difference(*list);
    if (difference.isEmpty()) {
      Finish(0, QStringLiteral("window '%1' came up and Compute listed the %2 rows for 650 mm")
                    .arg(window->windowTitle())
                    .arg(list->topLevelItemCount()));
    } else {
      Finish(1, difference);
    }
    return;
  }
  if (waited >= kPatienceMilliseconds) {
    Finish(1, QStringLiteral("no main window with a Compute button and a fret list came up"));
    return;
  }
  QTimer::singleShot(kPollMilliseconds, qApp, [waited] { Look(waited + kPollMilliseconds); });
}

// Runs while the program builds its QApplication, before it makes its
// window: the first look is queued for its event loop.
void Start() {
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { Look(0); }, Qt::QueuedConnection);
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(Start)
