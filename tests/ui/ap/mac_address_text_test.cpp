// Addresses as people paste them, the filter edits' digits read as bytes,
// and the association list following the stations row by row.

#include <QTest>
#include <QTreeWidget>

#include "tests/ui/support/ui_test_env.h"
#include "ui/ap/mac_address_text.h"
#include "ui/ap/station_rows.h"

namespace {

APStation Station(uint8_t last) { return APStation{{0x02, 0x4F, 0x52, 0x56, 0x00, last}}; }

QStringList Rows(const QTreeWidget& list) {
  QStringList rows;
  for (int i = 0; i < list.topLevelItemCount(); ++i) rows.append(list.topLevelItem(i)->text(1));
  return rows;
}

// The rows the stations with these last bytes get.
QStringList Macs(std::initializer_list<int> lasts) {
  QStringList macs;
  for (int last : lasts)
    macs.append(QStringLiteral("02:4F:52:56:00:%1").arg(last, 2, 10, QLatin1Char('0')));
  return macs;
}

}  // namespace

class MacAddressTextTest : public QObject {
  Q_OBJECT

 private slots:
  void pastedForms_data() {
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("digits");  // empty: refused
    QTest::newRow("colons") << "00:0E:2E:10:A0:0F"
                            << "000E2E10A00F";
    QTest::newRow("dashes, lower case") << "00-0e-2e-10-a0-0f"
                                        << "000E2E10A00F";
    QTest::newRow("bare, blanks around") << "\t000e2e10a00f \n"
                                         << "000E2E10A00F";
    QTest::newRow("single digits") << "0:e:2e:10:a0:f"
                                   << "000E2E10A00F";
    QTest::newRow("dotted fours") << "000e.2e10.a00f"
                                  << "000E2E10A00F";
    QTest::newRow("dotted short") << "e.2e10.a00f"
                                  << "000E2E10A00F";
    QTest::newRow("seven groups") << "00:0E:2E:10:A0:0F:11"
                                  << "";
    QTest::newRow("five groups") << "00:0E:2E:10:A0"
                                 << "";
    QTest::newRow("empty group") << "00::2E:10:A0:0F"
                                 << "";
    QTest::newRow("group of three") << "000:E2:E1:0A:00:F"
                                    << "";
    QTest::newRow("mixed separators") << "00:0E-2E:10-A0:0F"
                                      << "";
    QTest::newRow("not hex") << "00:0E:2E:10:A0:0G"
                             << "";
    QTest::newRow("eleven digits") << "000E2E10A00"
                                   << "";
    QTest::newRow("thirteen digits") << "000E2E10A00F0"
                                     << "";
    QTest::newRow("words") << "my phone"
                           << "";
    QTest::newRow("nothing") << ""
                             << "";
  }
  void pastedForms() {
    QFETCH(QString, pasted);
    QFETCH(QString, digits);
    const std::optional<QString> parsed = MacAddressText::Parse(pasted);
    QCOMPARE(parsed.value_or(QString()), digits);
  }

  void digitsBecomeBytes() {
    using Mac = MacAddressText::Mac;
    QCOMPARE(MacAddressText::FromDigits(QStringLiteral("024F52560A01")),
             (Mac{0x02, 0x4F, 0x52, 0x56, 0x0A, 0x01}));
    // Blanks, other characters and missing places are zeros; more than twelve are cut.
    QCOMPARE(MacAddressText::FromDigits(QStringLiteral("1 3G")), (Mac{0x10, 0x30}));
    QCOMPARE(MacAddressText::FromDigits(QString()), Mac{});
    QCOMPARE(MacAddressText::FromDigits(QStringLiteral("FFFFFFFFFFFFAB")),
             (Mac{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    const uint8_t mac[6] = {0x00, 0x0E, 0x2E, 0x10, 0xA0, 0x0F};
    QCOMPARE(MacAddressText::Shown(mac), QStringLiteral("00:0E:2E:10:A0:0F"));
    QCOMPARE(MacAddressText::Digits(mac), QStringLiteral("000E2E10A00F"));
  }

  void rowsFollowTheStations() {
    QTreeWidget list;
    list.setColumnCount(2);
    QVERIFY(StationRows::Update(list, {Station(1), Station(2), Station(3)}));
    QCOMPARE(Rows(list), Macs({1, 2, 3}));
    QTreeWidgetItem* staying = list.topLevelItem(2);
    list.setCurrentItem(staying);

    // 2 leaves, 4 arrives, 1 and 3 stay where they were.
    QVERIFY(StationRows::Update(list, {Station(4), Station(3), Station(1)}));
    QCOMPARE(Rows(list), Macs({1, 3, 4}));
    QCOMPARE(list.topLevelItem(1), staying);
    QVERIFY(staying->isSelected());
    QVERIFY(list.topLevelItem(2)->text(0).isEmpty());

    // The same stations again add nothing; a station named twice gets one row.
    QVERIFY(!StationRows::Update(list, {Station(1), Station(3), Station(4)}));
    QVERIFY(StationRows::Update(list, {Station(5), Station(5), Station(1)}));
    QCOMPARE(Rows(list), Macs({1, 5}));
    // Group addresses are no stations: made-up lists often hold them.
    APStation multicast = Station(6);
    multicast.Mac[0] = 0x03;
    const APStation broadcast{{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}};
    QVERIFY(!StationRows::Update(list, {multicast, Station(1), broadcast, Station(5)}));
    QCOMPARE(Rows(list), Macs({1, 5}));
    QVERIFY(!StationRows::Update(list, {}));
    QCOMPARE(list.topLevelItemCount(), 0);
  }
};

static const bool registered = UiTestEnv::Register<MacAddressTextTest>();

#include "mac_address_text_test.moc"
