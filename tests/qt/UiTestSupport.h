#pragma once

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <QTreeWidget>
#include <QVector>

#include <cmath>
#include <utility>

#include "platform/qt/Runtime.h"
#include "ui/main/mMain.h"

namespace korvanel::test {

// The program as it starts: the main window loaded and shown by the Qt
// runtime. The arrow reaches the main window's widget while it is loaded.
class RunningProgram {
 public:
  explicit RunningProgram(WindowRuntime::PrintJobFactory makePrintJob = {})
      : runtime_(std::move(makePrintJob)), main_(runtime_) {
    main_.Show();
  }

  // Null once the main window is unloaded.
  QMainWindow* widget() const { return runtime_.WidgetOf(main_); }
  QMainWindow* operator->() const {
    QMainWindow* window = widget();
    if (window == nullptr) qFatal("the main window is not loaded");
    return window;
  }

 private:
  qt::QtRuntime runtime_;
  mMain main_;
};

// A design rectangle in twips as pixels, 15 twips to the pixel, rounded.
inline int Pixels(int twips) { return static_cast<int>(std::lround(twips / 15.0)); }
inline QRect Twips(int left, int top, int width, int height) {
  return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

// Every row of a report list as the widget shows it, cell by cell.
inline QVector<QStringList> Rows(const QTreeWidget& list) {
  QVector<QStringList> rows;
  for (int row = 0; row < list.topLevelItemCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < list.columnCount(); ++column) {
      cells << list.topLevelItem(row)->text(column);
    }
    rows << cells;
  }
  return rows;
}

// Answers every message box that opens while it lives, keeping the texts,
// so that a handler that shows one returns instead of waiting for a user.
class MessageBoxAnswerer {
 public:
  MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(window);
        if (box != nullptr && box->isVisible()) {
          texts_ << box->text();
          box->accept();
        }
      }
    });
    timer_.start(10);
  }

  const QStringList& texts() const { return texts_; }

 private:
  QTimer timer_;
  QStringList texts_;
};

// Top-level windows of the program that are shown, by object name.
inline QList<QWidget*> ShownWindows(const QString& name) {
  QList<QWidget*> found;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == name && window->isVisible()) found << window;
  }
  return found;
}

// Opens the fret template from `main`'s menu and fills it in for a fanned
// board, 686 mm on the bass side and 648 on the treble side, square at fret
// 8: the template's window.
inline QWidget* OpenFannedTemplate(QMainWindow& main) {
  main.findChild<QAction*>(QStringLiteral("mnuTemplate"))->trigger();
  QWidget* board = ShownWindows(QStringLiteral("mTemplate")).value(0);
  board->findChild<QComboBox*>(QStringLiteral("cmbBassScale"))->setEditText(QStringLiteral("686"));
  board->findChild<QComboBox*>(QStringLiteral("cmbTrebleScale"))
      ->setEditText(QStringLiteral("648"));
  board->findChild<QLineEdit*>(QStringLiteral("txtPerpendicularFret"))
      ->setText(QStringLiteral("8"));
  return board;
}

}  // namespace korvanel::test
