#include <QFontInfo>
#include <QLabel>
#include <QRawFont>
#include <QTest>
#include <span>

#include "UiTestSupport.h"
#include "platform/ControlError.h"
#include "platform/qt/Controls.h"
#include "platform/qt/Fonts.h"
#include "platform/qt/ReportList.h"

using korvanel::ListControl;
using korvanel::test::Rows;
using korvanel::test::Twips;

namespace {

korvanel::ControlDesign ListDesign(std::span<const korvanel::ListColumn> columns) {
  return {.kind = korvanel::ControlKind::List,
          .name = "lst",
          .width = 3000,
          .height = 1500,
          .columns = columns};
}

}  // namespace

class RuntimeTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QLocale::setDefault(QLocale::c()); }

  void reportListKeepsRowsInTheOrderAdded() {
    QWidget window;
    const korvanel::ListColumn columns[] = {{"A", 600}, {"B", 1500}};
    korvanel::qt::ReportList list(window, ListDesign(columns));
    ListControl& control = list;
    for (const char* text : {"b", "a", "c"}) {
      const auto row = control.AddItem(text);
      control.SetSubItem(row, ListControl::SubItem::First, std::string(text) + "1");
    }
    QCOMPARE(Rows(list), QVector<QStringList>({{"b", "b1"}, {"a", "a1"}, {"c", "c1"}}));
    QVERIFY(!list.isSortingEnabled());
    QVERIFY(!list.rootIsDecorated());
    QCOMPARE(list.columnWidth(0), 40);
    QCOMPARE(list.columnWidth(1), 100);

    control.RemoveAll();
    QCOMPARE(control.AddItem("again"), ListControl::ItemId{0});
    QCOMPARE(Rows(list), QVector<QStringList>({{"again", ""}}));
  }

  void reportListShowsTextsAsUtf8() {
    QWidget window;
    const korvanel::ListColumn columns[] = {{"A", 600}};
    korvanel::qt::ReportList list(window, ListDesign(columns));
    list.AddItem("82.4\u2026");
    QCOMPARE(list.topLevelItem(0)->text(0), QStringLiteral(u"82.4\u2026"));
  }

  void labelKeepsItsPlaceAndOneLineWhateverItsText() {
    QWidget window;
    QLabel* label = korvanel::qt::MakeLabel(
        window,
        {.name = "Label1", .text = "short", .left = 120, .top = 170, .width = 1455, .height = 285});
    label->setText(QString(200, QLatin1Char('x')));
    QCOMPARE(label->geometry(), Twips(120, 170, 1455, 285));
    QVERIFY(!label->wordWrap());
    QVERIFY(label->autoFillBackground());
    QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
  }

  void lineSpansItsEndPointsInclusive() {
    QWidget window;
    const korvanel::qt::LineShape level(window, {"Line", 120, 2880, 6960, 2880});
    QCOMPARE(level.geometry(), QRect(QPoint(8, 192), QPoint(464, 192)));
    const korvanel::qt::LineShape slope(window, {"Line", 2400, 960, 2280, 1320});
    QCOMPARE(slope.geometry(), QRect(QPoint(152, 64), QPoint(160, 88)));
    QCOMPARE(slope.p1(), QPoint(8, 0));
    QCOMPARE(slope.p2(), QPoint(0, 24));
    QVERIFY(slope.testAttribute(Qt::WA_TransparentForMouseEvents));
  }

  void fontsStandInForTheDesignFonts() {
    const QFont text = korvanel::qt::DefaultFont();
    QCOMPARE(text.pointSizeF(), 8.25);
    QVERIFY(!QFontInfo(text).fixedPitch());

    const QFont list = korvanel::qt::ListFont();
    QCOMPARE(list.pointSizeF(), 8.25);
    QVERIFY(QFontInfo(list).fixedPitch());
    QVERIFY(QRawFont::fromFont(list).supportsCharacter(QChar(0x2026)));

    const QFont title = korvanel::qt::DesignFont({"MS Sans Serif", 18});
    QCOMPARE(title.pointSizeF(), 18.0);
    QCOMPARE(title.family(), text.family());

    // A fixed-pitch face asked for text gets a proportional stand-in; one
    // asked for the lists keeps its ellipsis at every size.
    const QFont proportional = korvanel::qt::DesignFont({"Liberation Mono", 8.25});
    QVERIFY(!QFontInfo(proportional).fixedPitch());
    const QFont largeList = korvanel::qt::DesignFont({"Courier New", 14, true});
    QCOMPARE(largeList.family(), list.family());
    QVERIFY(QRawFont::fromFont(largeList).supportsCharacter(QChar(0x2026)));
  }
};

QTEST_MAIN(RuntimeTest)
#include "RuntimeTest.moc"
