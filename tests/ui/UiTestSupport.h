#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QRect>
#include <QStringList>
#include <QTimer>
#include <QTreeWidget>
#include <QVector>

#include <cmath>

namespace korvanel::test {

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

}  // namespace korvanel::test
