// Every wizard page as a person sees it: controls inside the card, captions
// clear of their fields, buttons side by side in the bar with names for
// screen readers. With ORV_SCREENSHOT_DIR set, each page is also saved there.

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/ui/profile/wizard_test_support.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/frame_profile.h"
#include "ui/profile/wizard_page.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/shell_geometry.h"

using namespace WizardTest;

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

// What stands on the page; a background picture of its own is under it all.
QList<QWidget*> Shown(const QWidget& page) {
  QList<QWidget*> shown;
  for (QWidget* child : page.findChildren<QWidget*>()) {
    if (child->isVisibleTo(&page) && child->parentWidget() == &page &&
        child->objectName() != u"ImgBG") {
      shown.append(child);
    }
  }
  return shown;
}

void Save(QWidget& window, const QString& name) {
  const QByteArray dir = qgetenv("ORV_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  window.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name +
                     QStringLiteral(".png"));
}

// Nothing shown leaves the card; no two shown controls overlap, except a
// picture under what stands on it; a caption's text fits unless it shortens
// itself.
void CheckLayout(const QWidget& page) {
  const QRect card = ShellGeometry::kCardFull;
  const QList<QWidget*> shown = Shown(page);
  for (QWidget* control : shown) {
    QVERIFY2(card.contains(control->geometry()), qPrintable(control->objectName()));
    auto* label = qobject_cast<QLabel*>(control);
    if (label != nullptr && qobject_cast<TEllipsisLabel*>(control) == nullptr &&
        label->pixmap().isNull() && !label->text().isEmpty()) {
      QVERIFY2(LabelTextWidth(*label) <= label->width(), qPrintable(control->objectName()));
    }
  }
  for (qsizetype i = 0; i < shown.size(); ++i) {
    for (qsizetype j = i + 1; j < shown.size(); ++j) {
      const QWidget* a = shown[i];
      const QWidget* b = shown[j];
      // The search note stands over the list on purpose; marks are pictures.
      const bool layered = a->objectName() == u"PlSearch" || b->objectName() == u"PlSearch" ||
                           a->objectName().isEmpty() || b->objectName().isEmpty();
      if (layered) continue;
      QVERIFY2(!a->geometry().intersects(b->geometry()),
               qPrintable(a->objectName() + QStringLiteral(" / ") + b->objectName()));
    }
  }
  for (QAbstractButton* button : page.findChildren<TFABitmapBtn*>()) {
    QVERIFY2(!button->accessibleName().isEmpty(), qPrintable(button->objectName()));
    QCOMPARE(button->toolTip(), button->accessibleName());
  }
}

}  // namespace

class WizardLayoutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void everyPageOfAnAdHocAndAnInfrastructureRun() {
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.window));
    r.window.HandleNotify(PM_SHOWPAGE, TFrameProfile::kReturnProfile);
    QCOMPARE(r.WindowPage(), Q("FrameProfile1"));
    QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnAdd"), Qt::LeftButton);
    r.QuickSurvey();
    // The page opens searching.
    QVERIFY(r.On<QWidget>("FrameNetType1", "PlSearch")->isVisible());
    Save(r.window, Q("FrameNetType1_search"));
    QTRY_VERIFY_WITH_TIMEOUT(r.On<QTreeWidget>("FrameNetType1", "LvSite")->topLevelItemCount() > 3,
                             kWait);
    r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q("Layout"));
    CheckLayout(*r.Host()->CurrentPage());
    Save(r.window, Q("FrameNetType1"));
    QCOMPARE(r.On<QWidget>("FrameNetType1", "BtnScan")->accessibleName(), Q("Scan"));

    r.On<QRadioButton>("FrameNetType1", "RBtnAdHoc")->setChecked(true);
    QStringList seen;
    for (int guard = 0; guard < 6 && r.Current() != Q("FrameActive1"); ++guard) {
      CheckLayout(*r.Host()->CurrentPage());
      if (!seen.contains(r.Current())) Save(r.window, r.Current());
      seen.append(r.Current());
      r.Press(r.Current() == Q("FrameConfirm1") ? "BtnSave" : "BtnNext");
    }
    CheckLayout(*r.Host()->CurrentPage());
    Save(r.window, Q("FrameActive1"));
    r.Press("BtnActLater");
    QTRY_VERIFY_WITH_TIMEOUT(r.Host()->isHidden(), kWait);

    FAGlobal().StationProfile().NetworkMode = 1;
    QVERIFY(r.page->OpenWizard(TFrameProfile::kReturnProfile, TFrameProfSet::kRequestEdit));
    r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q("Layout 2"));
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(r.Next(), Q("FrameWireless1"));
    CheckLayout(*r.Host()->CurrentPage());
    Save(r.window, Q("FrameWireless1"));
    QCOMPARE(seen, (QStringList{Q("FrameNetType1"), Q("FrameWlMode1"), Q("FrameSecurity1"),
                                Q("FrameConfirm1")}));
    r.Press("BtnExit");

    FAGlobal().StationProfile().EncryptionMethod = kEncryptWPA2_PSK;
    QVERIFY(r.page->OpenWizard(TFrameProfile::kReturnSurvey, TFrameProfSet::kRequestSecurityOnly));
    QCOMPARE(r.Current(), Q("FrameWPAPSK1"));
    CheckLayout(*r.Host()->CurrentPage());
    Save(r.window, Q("FrameWPAPSK1"));
  }

  void theWEPPageWithEveryKeyLength() {
    UiTestEnv::WriteSettings(Settings("WEP256=1\r\n"));
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.window));
    WLProfile& working = FAGlobal().StationProfile();
    working = r.Adapter().DefaultProfile();
    working.EncryptionMethod = 1;
    working.WEPEncryptionLevel = 2;
    working.DefaultKey = 2;
    CopyText(working.WEPKey3, "0123456789ABCDEF0123456789");
    CopyText(working.PassPhrase, "stored phrase");
    r.window.HandleNotify(PM_NEWPROFILE, TFrameProfSet::kRequestSecurityOnly);
    QCOMPARE(r.Current(), Q("FrameWEP1"));
    CheckLayout(*r.Host()->CurrentPage());
    Save(r.window, Q("FrameWEP1_stored"));
    auto* length = r.On<QComboBox>("FrameWEP1", "CmbWEP");
    length->setCurrentIndex(length->findData(4));
    emit length->activated(length->currentIndex());
    QTest::keyClicks(r.On<QLineEdit>("FrameWEP1", "EdtKey3"), QString(58, QLatin1Char('F')));
    CheckLayout(*r.Host()->CurrentPage());
    Save(r.window, Q("FrameWEP1_256"));
    length->setCurrentIndex(length->findData(1));
    emit length->activated(length->currentIndex());
    QTest::keyClicks(r.On<QLineEdit>("FrameWEP1", "EdtPhrase"), Q("foobar"));
    CheckLayout(*r.Host()->CurrentPage());
    Save(r.window, Q("FrameWEP1_phrase"));
  }
};

static const bool registered = UiTestEnv::Register<WizardLayoutTest>();

#include "wizard_layout_test.moc"
