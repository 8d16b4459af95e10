#include <QAccessible>
#include <QComboBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <memory>

#include "UiTestSupport.h"

namespace {

QAccessibleInterface* Accessible(QObject* object) {
  QAccessibleInterface* found = QAccessible::queryAccessibleInterface(object);
  if (found == nullptr) qFatal("no accessible interface");
  return found;
}

}  // namespace

// What a screen reader learns of the windows through Qt's accessibility
// interfaces: each window announced as a window with its caption, the
// scale-length box named after its label, and the refusal of a length as an
// alert whose text can be read.
class AccessibilityTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<korvanel::test::RunningProgram> main_;

  void choose(const char* item) {
    (*main_)->findChild<QAction*>(QString::fromLatin1(item))->trigger();
  }

 private slots:
  void init() { main_ = std::make_unique<korvanel::test::RunningProgram>(); }

  void cleanup() { main_.reset(); }

  void everyWindowIsAnnouncedAsAWindowWithItsCaption() {
    choose("mnuTension");
    choose("mnuAbout");
    const QList<QPair<QString, QString>> windows = {
        {"mMain", "Korvanel"}, {"mTension", "Frequency and Tension"}, {"mAbout", "About"}};
    for (const auto& [name, caption] : windows) {
      const QList<QWidget*> shown = korvanel::test::ShownWindows(name);
      QCOMPARE(shown.size(), 1);
      QAccessibleInterface* window = Accessible(shown.first());
      QCOMPARE(window->role(), QAccessible::Window);
      QCOMPARE(window->text(QAccessible::Name), caption);
    }
  }

  // On Linux Qt names an editable combo box by its text and gives its label
  // as the "labelled by" relation, from which a screen reader takes the name.
  void scaleLengthBoxIsLabelledByItsLabel() {
    auto* box = (*main_)->findChild<QComboBox*>(QStringLiteral("cmbLength"));
    QStringList labels;
    for (const auto& [label, relation] : Accessible(box)->relations(QAccessible::Label)) {
      labels << label->text(QAccessible::Name);
    }
    QCOMPARE(labels, QStringList{"Scale Guitar Length"});
  }

  // Item views give no "labelled by" relation: the list carries the name.
  void stringListIsNamedByTheLabelAboveIt() {
    choose("mnuTension");
    QWidget* window = korvanel::test::ShownWindows("mTension").value(0);
    QVERIFY(window != nullptr);
    auto* list = window->findChild<QTreeWidget*>("lst");
    QCOMPARE(Accessible(list)->text(QAccessible::Name), "Frequency of each string in a guitar:");
  }

  // The fret template: each box named by its label, the drawing an image
  // named by what it shows.
  void templateFieldsAreLabelledAndItsDrawingIsANamedImage() {
    choose("mnuTemplate");
    QWidget* window = korvanel::test::ShownWindows("mTemplate").value(0);
    QVERIFY(window != nullptr);
    for (const auto& [box, label] : {std::pair{"cmbUnits", "Units"},
                                     {"cmbBassScale", "Scale length, bass side"},
                                     {"txtFrets", "Frets"},
                                     {"txtRulerMeasures", "100 mm ruler measures"}}) {
      QStringList labels;
      for (const auto& [named, relation] :
           Accessible(window->findChild<QWidget*>(box))->relations(QAccessible::Label)) {
        labels << named->text(QAccessible::Name);
      }
      QCOMPARE(labels, QStringList{label});
    }
    QAccessibleInterface* drawing = Accessible(window->findChild<QWidget*>("picBoard"));
    QCOMPARE(drawing->role(), QAccessible::Graphic);
    QCOMPARE(drawing->text(QAccessible::Name), "Fret template 650 mm, 24 frets");
  }

  void refusedLengthIsAnAlertWithReadableText() {
    (*main_)->findChild<QComboBox*>(QStringLiteral("cmbLength"))->setEditText("1E400");
    QAccessible::Role role = QAccessible::NoRole;
    QString text;
    QTimer::singleShot(0, [&] {
      for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box != nullptr && box->isVisible()) {
          QAccessibleInterface* alert = Accessible(box);
          role = alert->role();
          text = alert->text(QAccessible::Description) + alert->text(QAccessible::Value);
          for (int child = 0; child < alert->childCount(); ++child) {
            text += alert->child(child)->text(QAccessible::Name);
          }
          box->accept();
        }
      }
    });
    QTest::mouseClick((*main_)->findChild<QPushButton*>(QStringLiteral("btnCompute")),
                      Qt::LeftButton);
    QCOMPARE(role, QAccessible::AlertMessage);
    QVERIFY2(text.contains(QStringLiteral("The scale length is too large.")), qPrintable(text));
  }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
