#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "tests/ui/shell/shell_test_env.h"
#include "ui/controls/sort_lv.h"
#include "ui/shell/property_page_frame.h"

class PageFrameTest : public QObject {
  Q_OBJECT

 private slots:
  void pageTextsCoverLabelsChecksPanelsAndColumns() {
    ShellTestEnv::WriteStrings(
        "[FrameSurvey]\r\nLbSSID=Netzname\r\nChkHide=Verbergen\r\nPlSearch=Suche\r\n"
        "LvSite_Col0=Kanal\r\nLvSite_Col1=\r\nLvSite_Col2=%d%%\r\n");
    TPropertyPageFrame page;
    auto* label = new QLabel(QStringLiteral("SSID"), &page);
    label->setObjectName(QStringLiteral("LbSSID"));
    auto* check = new QCheckBox(QStringLiteral("Hide SSID"), &page);
    check->setObjectName(QStringLiteral("ChkHide"));
    auto* panel = new QGroupBox(QStringLiteral("Searching"), &page);
    panel->setObjectName(QStringLiteral("PlSearch"));
    auto* list = new TSortLv(&page);
    list->setObjectName(QStringLiteral("LvSite"));
    list->setHeaderLabels({QStringLiteral("Ch"), QStringLiteral("SSID"), QStringLiteral("Sig")});

    page.LoadStrings(QStringLiteral("FrameSurvey"));

    QCOMPARE(label->text(), QStringLiteral("Netzname"));
    QCOMPARE(check->text(), QStringLiteral("Verbergen"));
    QCOMPARE(panel->title(), QStringLiteral("Suche"));
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("Kanal"));
    QCOMPARE(list->headerItem()->text(1), QStringLiteral("SSID"));
    QCOMPARE(list->headerItem()->text(2), QStringLiteral("%d%%"));
  }

  void fitLabelStretchesTheValueToTheRightEdge() {
    TPropertyPageFrame page;
    auto* caption = new QLabel(QStringLiteral("Channel:"), &page);
    caption->setGeometry(20, 30, 200, 16);
    auto* value = new QLabel(&page);
    value->setGeometry(250, 30, 40, 16);
    page.FitLabel(caption, value, 321);

    // The text measure may round up by a pixel; the 6 pixels either side are exact.
    const int text = caption->fontMetrics().horizontalAdvance(caption->text());
    QVERIFY(qAbs(caption->width() - (text + 6)) <= 1);
    QCOMPARE(caption->pos(), QPoint(20, 30));
    const int left = caption->x() + caption->width() + 6;
    QCOMPARE(value->geometry(), QRect(left, 30, 321 - left, 16));
  }

  void fitLabelNeverGivesANegativeWidth() {
    TPropertyPageFrame page;
    auto* caption = new QLabel(QStringLiteral("A caption far too long for its row"), &page);
    caption->move(300, 0);
    auto* value = new QLabel(&page);
    page.FitLabel(caption, value, 321);
    QCOMPARE(value->width(), 0);
  }

  void forwardEntryKeepsTheBackLinkUntilGoingBack() {
    TPropertyPageFrame first;
    TPropertyPageFrame second;
    TPropertyPageFrame page;
    QVERIFY(page.EnterPage(&first, TPropertyPageFrame::kDirNext, 0));
    QCOMPARE(page.BackLink(), &first);
    // Tab navigation and a forward leave keep it.
    QVERIFY(page.EnterPage(&second, TPropertyPageFrame::kDirTab, 0));
    QVERIFY(page.LeavePage(&second, TPropertyPageFrame::kDirNext, 0));
    QCOMPARE(page.BackLink(), &first);
    QVERIFY(page.LeavePage(&first, TPropertyPageFrame::kDirBack, 0));
    QCOMPARE(page.BackLink(), nullptr);
  }

  void backLinkToADestroyedPageIsNone() {
    TPropertyPageFrame page;
    {
      TPropertyPageFrame gone;
      page.EnterPage(&gone, TPropertyPageFrame::kDirNext, 0);
    }
    QCOMPARE(page.BackLink(), nullptr);
  }
};

static const bool registered = ShellTestEnv::Register<PageFrameTest>();

#include "page_frame_test.moc"
