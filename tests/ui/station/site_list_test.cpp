// The scan list the survey and network-type pages share: what a row shows,
// how the header sorts, the highlight of the associated network, and the
// selection and activation a page acts on.

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>
#include <cstring>
#include <string>
#include <vector>

#include "adapter/wl_records.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/station/site_list.h"

namespace {

int32_t KHz(int channel) {
  return channel <= 14 ? (2407 + 5 * channel) * 1000 : (5000 + 5 * channel) * 1000;
}

SiteSurveyEntry Site(const std::string& ssid, int channel, int32_t dBm, uint8_t last,
                     int32_t security = 0, int32_t infrastructure = 1) {
  SiteSurveyEntry e{};
  const uint8_t bssid[6] = {0x00, 0x0E, 0x2E, 0x10, 0x00, last};
  std::memcpy(e.Bssid, bssid, sizeof bssid);
  e.SsidLength = static_cast<int32_t>(std::min<std::size_t>(ssid.size(), 32));
  std::memcpy(e.Ssid, ssid.data(), static_cast<std::size_t>(e.SsidLength));
  e.SecurityCode = security;
  e.Signal = dBm;
  e.Radio = 3;
  e.Frequency = KHz(channel);
  e.InfrastructureMode = infrastructure;
  return e;
}

QStringList L(std::initializer_list<const char*> texts) {
  QStringList list;
  for (const char* text : texts) list.append(QString::fromUtf8(text));
  return list;
}

QStringList Column(const SiteList& list, int column) {
  QStringList texts;
  for (int i = 0; i < list.topLevelItemCount(); ++i)
    texts.append(list.topLevelItem(i)->text(column));
  return texts;
}

void ClickHeader(SiteList& list, int column) {
  QHeaderView* header = list.header();
  const int x = header->sectionViewportPosition(column) + header->sectionSize(column) / 2;
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
}

QColor Background(const SiteList& list, int row) {
  return list.topLevelItem(row)->background(SiteList::kColSsid).color();
}

}  // namespace

class SiteListTest : public QObject {
  Q_OBJECT

 private slots:
  void rowsShowNameChannelSignalAndPicture() {
    SiteList list(SiteList::Columns::kFull, nullptr);
    list.LoadPictures();
    list.SetSortColumn(SiteList::kColSsid);
    list.SetIncrease(true);
    list.Fill({Site("A-open", 6, -48, 1), Site("B-adhoc", 3, -67, 2, 0, 2),
               Site("C-secured", 36, -52, 3, 123), Site("D-secured-adhoc", 11, -70, 4, 1, 0)});
    QCOMPARE(Column(list, SiteList::kColSsid),
             L({"A-open", "B-adhoc", "C-secured", "D-secured-adhoc"}));
    QCOMPARE(Column(list, SiteList::kColChannel), L({"6", "3", "36", "11"}));
    QCOMPARE(list.topLevelItem(0)->text(SiteList::kColSignal), QStringLiteral("94%"));
    QCOMPARE(list.topLevelItem(0)->text(SiteList::kColImage), QString());
    for (int i = 0; i < 4; ++i) {
      QVERIFY(!list.topLevelItem(i)->icon(SiteList::kColImage).isNull());
    }
    const std::vector<SiteSurveyEntry> kinds = {Site("", 1, -50, 1), Site("", 1, -50, 1, 0, 2),
                                                Site("", 1, -50, 1, 5), Site("", 1, -50, 1, 5, 0)};
    for (int i = 0; i < 4; ++i) QCOMPARE(SiteList::PictureIndex(kinds[i]), i);
  }

  void namesAreCutTo32BytesAndHiddenNetworksGetARow() {
    SiteList list(SiteList::Columns::kFull, nullptr);
    SiteSurveyEntry longName = Site(std::string(32, 'x'), 6, -50, 1);
    longName.SsidLength = 40;  // the bytes after the name are the security code
    longName.SecurityCode = 0x41414141;
    SiteSurveyEntry broken = Site("abc", 6, -70, 2);
    broken.SsidLength = -3;
    list.Fill({longName, Site("", 6, -60, 3), broken});
    QCOMPARE(list.topLevelItemCount(), 3);
    QCOMPARE(list.topLevelItem(0)->text(SiteList::kColSsid), QString(32, QLatin1Char('x')));
    // The row keeps the entry's bytes as delivered.
    list.setCurrentItem(list.topLevelItem(0));
    QCOMPARE(list.Selected()->SsidLength, 40);
    QCOMPARE(list.topLevelItem(1)->text(SiteList::kColSsid), QString());
    QCOMPARE(list.topLevelItem(2)->text(SiteList::kColSsid), QString());
  }

  void startsBySignalDescendingAndSortsNumbersAsNumbers() {
    SiteList list(SiteList::Columns::kFull, nullptr);
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    list.Fill({Site("c", 6, -9, 1), Site("b", 149, -100, 2), Site("a", 36, -48, 3),
               Site("d", 11, -55, 4)});
    QCOMPARE(list.SortColunm(), int(SiteList::kColSignal));
    QVERIFY(!list.Increase());
    QCOMPARE(Column(list, SiteList::kColSsid), L({"c", "a", "d", "b"}));

    ClickHeader(list, SiteList::kColSignal);
    QVERIFY(list.Increase());
    QCOMPARE(Column(list, SiteList::kColSsid), L({"b", "d", "a", "c"}));

    // Another column keeps the direction; channels compare as numbers.
    ClickHeader(list, SiteList::kColChannel);
    QCOMPARE(list.SortColunm(), int(SiteList::kColChannel));
    QVERIFY(list.Increase());
    QCOMPARE(Column(list, SiteList::kColChannel), L({"6", "11", "36", "149"}));
    ClickHeader(list, SiteList::kColChannel);
    QCOMPARE(Column(list, SiteList::kColChannel), L({"149", "36", "11", "6"}));

    // The picture column does nothing.
    ClickHeader(list, SiteList::kColImage);
    QCOMPARE(list.SortColunm(), int(SiteList::kColChannel));
    QVERIFY(!list.Increase());
    QCOMPARE(Column(list, SiteList::kColChannel), L({"149", "36", "11", "6"}));
    QCOMPARE(list.SortPicture(), list.DecBMP());
  }

  void namesSortWithoutLetterCase() {
    SiteList list(SiteList::Columns::kSsidOnly, nullptr);
    QCOMPARE(list.columnCount(), 2);
    QCOMPARE(list.SortColunm(), int(SiteList::kColSsid));
    list.Fill({Site("gamma", 1, -50, 1), Site("Beta", 1, -50, 2), Site("alpha", 1, -50, 3),
               Site("BETA2", 1, -50, 4)});
    QCOMPARE(Column(list, SiteList::kColSsid), L({"alpha", "Beta", "BETA2", "gamma"}));
    list.SetIncrease(false);
    list.Sort();
    QCOMPARE(Column(list, SiteList::kColSsid), L({"gamma", "BETA2", "Beta", "alpha"}));
  }

  void highlightsTheAssociatedNetwork() {
    SiteList list(SiteList::Columns::kFull, nullptr);
    const SiteSurveyEntry home = Site("home", 6, -40, 7);
    list.Fill({Site("other", 6, -60, 1), home});
    QCOMPARE(list.topLevelItem(0)->text(SiteList::kColSsid), QStringLiteral("home"));
    QVERIFY(!list.topLevelItem(0)->background(SiteList::kColSsid).style());
    list.SetAssociated(home.Bssid);
    QCOMPARE(Background(list, 0), QColor(234, 244, 247));
    QCOMPARE(list.topLevelItem(0)->background(SiteList::kColImage).color(), QColor(234, 244, 247));
    QVERIFY(!list.topLevelItem(1)->background(SiteList::kColSsid).style());
    // A new scan's rows are highlighted too; an all-zero BSSID highlights none.
    list.Fill({home, Site("third", 1, -80, 3)});
    QCOMPARE(Background(list, 0), QColor(234, 244, 247));
    // The network-type page draws its own shade.
    list.SetHighlightColour(QColor(234, 245, 247));
    QCOMPARE(Background(list, 0), QColor(234, 245, 247));
    const uint8_t none[6] = {};
    list.SetAssociated(none);
    QVERIFY(!list.topLevelItem(0)->background(SiteList::kColSsid).style());
  }

  void selectionAndActivationByKeyboardAndMouse() {
    SiteList list(SiteList::Columns::kFull, nullptr);
    list.resize(300, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QSignalSpy activated(&list, &SiteList::RowActivated);
    list.Fill({Site("first", 6, -40, 1), Site("second", 6, -50, 2)});
    QCOMPARE(list.Selected(), nullptr);
    QTest::keyClick(&list, Qt::Key_Return);
    QCOMPARE(activated.count(), 0);

    list.setFocus();
    list.setCurrentItem(list.topLevelItem(0));
    QCOMPARE(list.Selected()->Bssid[5], 1);
    QTest::keyClick(&list, Qt::Key_Down);
    QCOMPARE(list.Selected()->Bssid[5], 2);
    QTest::keyClick(&list, Qt::Key_Return);
    QTest::keyClick(&list, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(activated.count(), 2);

    const QRect row = list.visualItemRect(list.topLevelItem(0));
    // A person's double click: a click, then the second press.
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row.center());
    QCOMPARE(activated.count(), 3);
    QCOMPARE(list.Selected()->Bssid[5], 1);
    QTest::mouseDClick(list.viewport(), Qt::LeftButton, {},
                       QPoint(10, list.viewport()->height() - 5));
    QCOMPARE(activated.count(), 3);
  }

  void refillingReplacesTheRows() {
    SiteList list(SiteList::Columns::kFull, nullptr);
    std::vector<SiteSurveyEntry> survey;
    for (uint8_t i = 0; i < 20; ++i) survey.push_back(Site("n" + std::to_string(i), 6, -50 - i, i));
    for (int scan = 0; scan < 1000; ++scan) list.Fill(survey);
    QCOMPARE(list.topLevelItemCount(), 20);
    list.clear();
    QCOMPARE(list.Selected(), nullptr);
  }
};

#include "site_list_test.moc"

static const bool registered = UiTestEnv::Register<SiteListTest>();
