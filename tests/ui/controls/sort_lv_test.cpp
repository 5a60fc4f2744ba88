// The sortable list: header clicks, the owner's sort, and the sort picture in
// the header.

#include <QHeaderView>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/controls/test_faces.h"
#include "tests/ui/controls/test_registry.h"
#include "ui/controls/sort_lv.h"

namespace {

const QColor kUp(200, 0, 0);
const QColor kDown(0, 0, 200);

QImage Block(const QColor& color) { return SolidFace({8, 6}, color); }

void ClickHeader(TSortLv& list, int column) {
  QHeaderView* header = list.header();
  const QPoint centre(header->sectionViewportPosition(column) + header->sectionSize(column) / 2,
                      header->height() / 2);
  QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, centre);
}

class SortLvTest : public QObject {
  Q_OBJECT

 private slots:
  void headerClicksFollowTheSortRules() {
    TSortLv list;
    list.setHeaderLabels(
        {QString(), QStringLiteral("SSID"), QStringLiteral("Channel"), QStringLiteral("Signal")});
    list.resize(400, 200);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QCOMPARE(list.SortColunm(), 0);
    QVERIFY(list.Increase());
    QCOMPARE(list.SkipSort1(), -1);

    list.SetSkipSort1(0);
    QCOMPARE(list.SortColunm(), 1);

    QSignalSpy clicks(&list, &TSortLv::ColumnClick);
    ClickHeader(list, 0);
    QCOMPARE(list.SortColunm(), 1);
    QVERIFY(list.Increase());
    ClickHeader(list, 1);
    QCOMPARE(list.SortColunm(), 1);
    QVERIFY(!list.Increase());
    ClickHeader(list, 1);
    QVERIFY(list.Increase());
    list.SetIncrease(false);
    ClickHeader(list, 3);
    QCOMPARE(list.SortColunm(), 3);
    QVERIFY(!list.Increase());
    ClickHeader(list, 2);
    QCOMPARE(list.SortColunm(), 2);
    QVERIFY(!list.Increase());
    QCOMPARE(clicks.count(), 5);
    QCOMPARE(clicks.at(0).at(0).toInt(), 0);
    QCOMPARE(clicks.at(4).at(0).toInt(), 2);
  }

  void ownerComparisonSortsAndSelectionStays() {
    TSortLv list;
    list.setColumnCount(2);
    for (const int channel : {6, 11, 1, 3}) {
      auto* row = new QTreeWidgetItem(&list);
      row->setText(1, QString::number(channel));
    }
    list.setCurrentItem(list.topLevelItem(1));
    QTreeWidgetItem* eleven = list.currentItem();
    list.SetSortColumn(1);
    list.SetOnCompare([&list](const QTreeWidgetItem& a, const QTreeWidgetItem& b) {
      const int order = a.text(1).toInt() - b.text(1).toInt();
      return list.Increase() ? order : -order;
    });
    const auto channels = [&list] {
      QStringList shown;
      for (int i = 0; i < list.topLevelItemCount(); ++i) shown << list.topLevelItem(i)->text(1);
      return shown.join(QLatin1Char(','));
    };
    list.Sort();
    QCOMPARE(channels(), QStringLiteral("1,3,6,11"));
    QCOMPARE(list.currentItem(), eleven);
    QCOMPARE(list.selectedItems(), QList<QTreeWidgetItem*>{eleven});
    list.SetIncrease(false);
    list.Sort();
    QCOMPARE(channels(), QStringLiteral("11,6,3,1"));
    QCOMPARE(list.currentItem(), eleven);
  }

  void headerShowsThePictureOfTheDirection() {
    TSortLv list;
    list.setHeaderLabels({QString(), QStringLiteral("Profile Name"), QStringLiteral("SSID")});
    list.resize(400, 200);
    list.header()->resizeSection(1, 120);
    list.SetIncBMP(Block(kUp));
    list.SetDecBMP(Block(kDown));
    list.SetSortColumn(1);
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    QHeaderView* header = list.header();
    const int right = header->sectionViewportPosition(1) + header->sectionSize(1) - 5;
    const int top = (header->viewport()->height() - 6) / 2;

    QImage shown = header->viewport()->grab().toImage();
    QCOMPARE(shown.pixelColor(right - 1, top), kUp);
    QCOMPARE(shown.pixelColor(right - 8, top + 5), kUp);
    QVERIFY(shown.pixelColor(right, top) != kUp);
    QVERIFY(shown.pixelColor(right - 9, top) != kUp);
    QVERIFY(shown.pixelColor(right - 1, top - 1) != kUp);
    QVERIFY(shown.pixelColor(right - 1, top + 6) != kUp);
    QCOMPARE(CountPixels(shown, kUp), 48);

    list.SetIncrease(false);
    shown = header->viewport()->grab().toImage();
    QCOMPARE(CountPixels(shown, kUp), 0);
    QCOMPARE(CountPixels(shown, kDown), 48);

    list.SetSortColumn(2);
    shown = header->viewport()->grab().toImage();
    const int right2 = header->sectionViewportPosition(2) + header->sectionSize(2) - 5;
    QCOMPARE(shown.pixelColor(right2 - 1, top), kDown);
    QCOMPARE(CountPixels(shown, kDown), 48);
  }
};

const bool registered = RegisterControlTest<SortLvTest>();

}  // namespace

#include "sort_lv_test.moc"
