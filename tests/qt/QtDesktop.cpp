// The soak's user on the Qt runtime: widgets found by their object names
// (the design names), driven by QTest, headless on the offscreen platform.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <utility>

#include "UiTestSupport.h"
#include "tests/soak/Desktop.h"

namespace korvanel::test {
namespace {

QString Name(std::string_view name) {
  return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

class QtDesktop : public Desktop {
 public:
  explicit QtDesktop(WindowRuntime::PrintJobFactory makePrintJob)
      : runtime_(std::move(makePrintJob)) {}

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
  void Type(std::string_view window, std::string_view comboBox, std::string_view text) override {
    for (QComboBox* box : ComboBoxes(window, comboBox)) box->setEditText(Name(text));
  }
  void Pick(std::string_view window, std::string_view comboBox, int entry) override {
    for (QComboBox* box : ComboBoxes(window, comboBox)) box->setCurrentIndex(entry);
  }
  // Keys reach the active window only: the user clicks into the box first.
  void PressEnter(std::string_view window, std::string_view control) override {
    for (QComboBox* box : ComboBoxes(window, control)) {
      box->window()->activateWindow();
      QCoreApplication::processEvents();
      box->lineEdit()->setFocus();
      QTest::keyClick(box->lineEdit(), Qt::Key_Return);
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

  std::map<std::string, long> Resources() const override {
    return {{"widgets", static_cast<long>(QApplication::allWidgets().size())}};
  }

 private:
  static QList<QComboBox*> ComboBoxes(std::string_view window, std::string_view comboBox) {
    QList<QComboBox*> boxes;
    for (QWidget* shown : ShownWindows(Name(window))) {
      boxes << shown->findChild<QComboBox*>(Name(comboBox));
    }
    return boxes;
  }

  qt::QtRuntime runtime_;
  // Answers the messages of refused lengths and failed prints with OK.
  MessageBoxAnswerer answerer_;
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
