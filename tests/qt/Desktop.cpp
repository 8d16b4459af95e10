// The user on the Qt runtime: widgets found by their object names (the
// design names), driven by QTest, headless on the offscreen platform.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <utility>

#include "UiTestSupport.h"
#include "platform/qt/Controls.h"
#include "platform/qt/Drawing.h"
#include "platform/qt/FileSaver.h"
#include "tests/desktop/Desktop.h"

namespace korvanel::test {
namespace {

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

std::string Narrow(const QString& text) { return text.toStdString(); }

// The runtime, telling when it has ended the program.
class EndingRuntime : public qt::QtRuntime {
 public:
  using QtRuntime::QtRuntime;
  bool ended = false;

 protected:
  void Quit() override {
    ended = true;
    QtRuntime::Quit();
  }
};

class QtDesktop : public Desktop {
 public:
  explicit QtDesktop(WindowRuntime::PrintJobFactory makePrintJob)
      : runtime_(std::move(makePrintJob), [this](Form&) {
          return std::make_unique<qt::QtFileSaver>(
              nullptr, [this](QWidget*, const QString&, const FileType&) -> std::optional<QString> {
                if (!answer_) return std::nullopt;
                return folder_.filePath(Name(*answer_));
              });
        }) {}

  WindowRuntime& Runtime() override { return runtime_; }

  void Click(std::string_view window, std::string_view control) override {
    for (QWidget* shown : ShownWindows(Name(window))) {
      if (auto* item = shown->findChild<QAction*>(Name(control))) {
        item->trigger();
      } else {
        QTest::mouseClick(shown->findChild<QPushButton*>(Name(control)), Qt::LeftButton);
      }
    }
  }
  void Type(std::string_view window, std::string_view box, std::string_view text) override {
    QWidget* control = Control(window, box);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->setText(Name(text));
    if (auto* combo = qobject_cast<QComboBox*>(control)) combo->setEditText(Name(text));
  }
  // As a user's pick: the box tells its window it was activated.
  void Pick(std::string_view window, std::string_view comboBox, int entry) override {
    for (QComboBox* box : ComboBoxes(window, comboBox)) {
      box->setCurrentIndex(entry);
      emit box->activated(entry);
    }
  }
  // Keys reach the active window only: the user clicks into the box first.
  void PressEnter(std::string_view window, std::string_view control) override {
    QWidget* target = Control(window, control);
    if (target == nullptr) return;
    if (auto* box = qobject_cast<QComboBox*>(target)) target = box->lineEdit();
    target->window()->activateWindow();
    QCoreApplication::processEvents();
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return);
  }
  void PressTab(std::string_view window, bool backwards) override {
    for (QWidget* shown : ShownWindows(Name(window))) {
      shown->activateWindow();
      QCoreApplication::processEvents();
      QWidget* focus = shown->focusWidget() != nullptr ? shown->focusWidget() : shown;
      QTest::keyClick(focus, backwards ? Qt::Key_Backtab : Qt::Key_Tab,
                      backwards ? Qt::ShiftModifier : Qt::NoModifier);
    }
  }
  void CloseBox(std::string_view window) override {
    for (QWidget* shown : ShownWindows(Name(window))) shown->close();
  }
  // Lets closed windows be deleted, as the event loop would between events.
  void Settle() override {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

  int Shown(std::string_view window) const override {
    return static_cast<int>(ShownWindows(Name(window)).size());
  }
  std::string Caption(std::string_view window) const override {
    for (QWidget* shown : ShownWindows(Name(window))) return Narrow(shown->windowTitle());
    return "";
  }
  std::string Text(std::string_view window, std::string_view control) const override {
    QWidget* widget = Control(window, control);
    if (auto* label = qobject_cast<QLabel*>(widget)) return Narrow(label->text());
    if (auto* button = qobject_cast<QPushButton*>(widget)) return Narrow(button->text());
    if (auto* box = qobject_cast<QComboBox*>(widget)) return Narrow(box->currentText());
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return Narrow(edit->text());
    return "";
  }
  std::vector<std::vector<std::string>> Rows(std::string_view window,
                                             std::string_view list) const override {
    std::vector<std::vector<std::string>> rows;
    for (QWidget* shown : ShownWindows(Name(window))) {
      for (const QStringList& cells : test::Rows(*shown->findChild<QTreeWidget*>(Name(list)))) {
        std::vector<std::string>& row = rows.emplace_back();
        for (const QString& cell : cells) row.push_back(cell.toStdString());
      }
    }
    return rows;
  }
  std::vector<std::string> Entries(std::string_view window,
                                   std::string_view comboBox) const override {
    std::vector<std::string> entries;
    for (QComboBox* box : ComboBoxes(window, comboBox)) {
      for (int i = 0; i < box->count(); ++i) entries.push_back(box->itemText(i).toStdString());
    }
    return entries;
  }

  int CurrentEntry(std::string_view window, std::string_view comboBox) const override {
    auto* box = qobject_cast<QComboBox*>(Control(window, comboBox));
    return box != nullptr ? box->currentIndex() : -1;
  }
  // The widget with the window's focus, or the control it is part of (the
  // text field of a combo box).
  std::string Focused(std::string_view window) const override {
    for (QWidget* shown : ShownWindows(Name(window))) {
      const QWidget* client = static_cast<QMainWindow*>(shown)->centralWidget();
      for (QWidget* focus = shown->focusWidget(); focus != nullptr; focus = focus->parentWidget()) {
        if (focus->parentWidget() == client) return Narrow(focus->objectName());
      }
    }
    return "";
  }
  std::vector<std::string> Messages() override {
    std::vector<std::string> texts;
    for (qsizetype i = told_; i < answerer_.texts().size(); ++i) {
      texts.push_back(Narrow(answerer_.texts()[i]));
    }
    told_ = answerer_.texts().size();
    return texts;
  }
  bool Ended() const override { return runtime_.ended; }
  std::string DrawingName(std::string_view window, std::string_view drawing) const override {
    const QWidget* widget = Control(window, drawing);
    return widget != nullptr ? Narrow(widget->accessibleName()) : "";
  }
  int DrawnLines(std::string_view window, std::string_view drawing) const override {
    const auto* widget = dynamic_cast<const qt::DrawingWidget*>(Control(window, drawing));
    return widget != nullptr ? static_cast<int>(widget->Shown().lines.size()) : 0;
  }
  void AnswerSaves(std::optional<std::string> fileName) override { answer_ = std::move(fileName); }
  std::optional<std::string> Saved(const std::string& fileName) const override {
    QFile file(folder_.filePath(Name(fileName)));
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll().toStdString();
  }

  // Qt lays windows out in device-independent pixels: 96 to the inch.
  int Dpi(std::string_view) const override { return kStandardDpi; }
  PixelBox ClientArea(std::string_view window) const override {
    for (QWidget* shown : ShownWindows(Name(window))) {
      const QRect client = static_cast<QMainWindow*>(shown)->centralWidget()->geometry();
      return {0, 0, client.width(), client.height()};
    }
    return {};
  }
  PixelBox Place(std::string_view window, std::string_view control) const override {
    const QWidget* widget = Control(window, control);
    if (widget == nullptr) return {};
    const QRect place = widget->geometry();
    return {place.x(), place.y(), place.width(), place.height()};
  }
  std::vector<Point> Ends(std::string_view window, std::string_view line) const override {
    const auto* shape = qobject_cast<qt::LineShape*>(Control(window, line));
    if (shape == nullptr) return {};
    const QPoint from = shape->pos() + shape->p1();
    const QPoint to = shape->pos() + shape->p2();
    return {{from.x(), from.y()}, {to.x(), to.y()}};
  }
  std::vector<Column> Columns(std::string_view window, std::string_view list) const override {
    std::vector<Column> columns;
    if (auto* tree = qobject_cast<QTreeWidget*>(Control(window, list))) {
      for (int column = 0; column < tree->columnCount(); ++column) {
        columns.push_back({Narrow(tree->headerItem()->text(column)), tree->columnWidth(column)});
      }
    }
    return columns;
  }
  std::vector<Menu> Menus(std::string_view window) const override {
    std::vector<Menu> menus;
    for (QWidget* shown : ShownWindows(Name(window))) {
      for (QAction* title : static_cast<QMainWindow*>(shown)->menuBar()->actions()) {
        Menu& menu = menus.emplace_back(Menu{Narrow(title->text()), {}});
        for (QAction* item : title->menu()->actions()) {
          std::string text = item->isSeparator() ? "-" : Narrow(item->text());
          if (!item->shortcut().isEmpty()) {
            text += '\t';
            text += Narrow(item->shortcut().toString());
          }
          menu.items.push_back(text);
        }
      }
    }
    return menus;
  }

  std::map<std::string, long> Resources() const override {
    return {{"widgets", static_cast<long>(QApplication::allWidgets().size())}};
  }

 private:
  static QWidget* Control(std::string_view window, std::string_view control) {
    for (QWidget* shown : ShownWindows(Name(window))) {
      if (auto* found = shown->findChild<QWidget*>(Name(control))) return found;
    }
    return nullptr;
  }
  static QList<QComboBox*> ComboBoxes(std::string_view window, std::string_view comboBox) {
    QList<QComboBox*> boxes;
    for (QWidget* shown : ShownWindows(Name(window))) {
      boxes << shown->findChild<QComboBox*>(Name(comboBox));
    }
    return boxes;
  }

  QTemporaryDir folder_;
  std::optional<std::string> answer_;
  EndingRuntime runtime_;
  // Answers the messages of refused lengths and failed prints with OK.
  MessageBoxAnswerer answerer_;
  qsizetype told_ = 0;
};

QtMessageHandler gQtHandler = nullptr;

// The offscreen platform warns at every window it shows that it cannot
// pass size hints on or raise a window; thousands of those would bury the
// soak's own report.
void DropPlatformLimitWarnings(QtMsgType type, const QMessageLogContext& context,
                               const QString& message) {
  if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
    gQtHandler(type, context, message);
  }
}

}  // namespace

std::unique_ptr<Desktop> StartDesktop(WindowRuntime::PrintJobFactory makePrintJob) {
  return std::make_unique<QtDesktop>(std::move(makePrintJob));
}

}  // namespace korvanel::test

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  korvanel::test::gQtHandler = qInstallMessageHandler(korvanel::test::DropPlatformLimitWarnings);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
