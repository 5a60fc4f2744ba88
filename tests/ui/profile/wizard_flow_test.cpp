// The wizard host's page sequences in the running utility: which page follows
// which for infrastructure and ad hoc profiles on single- and dual-band
// adapters, the security-only run of the site survey, Back, Exit, Save and
// the two activation buttons, and the keys that press them.

#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "platform/text.h"
#include "tests/ui/profile/wizard_test_support.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/frame_profile.h"
#include "ui/shell/show_message.h"

using namespace WizardTest;

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

// Starts adding a profile with that name and SSID on the network type page.
void StartAdding(Running& r, const char* name, const char* ssid, bool adHoc = false) {
  QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnAdd"), Qt::LeftButton);
  QCOMPARE(r.Current(), Q("FrameNetType1"));
  r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q(name));
  r.On<QLineEdit>("FrameNetType1", "EdtSSID")->setText(Q(ssid));
  r.On<QRadioButton>("FrameNetType1", adHoc ? "RBtnAdHoc" : "RBtnInfra")->setChecked(true);
}

QStringList NextUntilConfirm(Running& r) {
  QStringList pages{r.Current()};
  for (int guard = 0; guard < 8 && r.Current() != Q("FrameConfirm1"); ++guard) {
    pages.append(r.Next());
  }
  return pages;
}

}  // namespace

class WizardFlowTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void cleanup() { SetMessageAnswerer({}); }

  void infrastructureSequenceByTheAdaptersBands_data() {
    QTest::addColumn<int>("supportMode");
    QTest::addColumn<QStringList>("pages");
    const QStringList single{Q("FrameNetType1"), Q("FrameSecurity1"), Q("FrameConfirm1")};
    const QStringList dual{Q("FrameNetType1"), Q("FrameSecurity1"), Q("FrameWireless1"),
                           Q("FrameConfirm1")};
    QTest::newRow("b+g only (11)") << 11 << single;
    QTest::newRow("b, a and g (14)") << 14 << dual;
    QTest::newRow("extended b, a and g (34)") << 34 << dual;
    QTest::newRow("a only (2)") << 2 << single;
  }

  void infrastructureSequenceByTheAdaptersBands() {
    QFETCH(int, supportMode);
    QFETCH(QStringList, pages);
    UiTestEnv::WriteSettings(Settings("SupportMode=" + std::to_string(supportMode) + "\r\n"));
    StoreOnly({Station("Existing")});
    Running r;
    QVERIFY(r.attached);
    StartAdding(r, "Cafe", "OrvOpen");
    QCOMPARE(NextUntilConfirm(r), pages);
    QCOMPARE(r.Host()->NeedProtocolPage(), pages.size() == 4);

    // Save stores the profile through the list before the activation page shows.
    r.Press("BtnSave");
    QCOMPARE(r.Current(), Q("FrameActive1"));
    QVERIFY(Stored("Cafe"));
    const std::vector<WLProfile> listed = r.page->Profiles();
    QCOMPARE(listed.size(), std::size_t{2});
    QCOMPARE(Q(listed.front().ProfileName), Q("Cafe"));
    QCOMPARE(Q(listed.front().NetworkInfo.NI_sz_CurProfile), Q("Cafe"));
    QCOMPARE(listed.front().NetworkMode, 1);
    QCOMPARE(listed.front().Channel, r.Adapter().DefaultProfile().Channel);

    // Activate later: back to the list, nothing connected for it.
    r.Press("BtnActLater");
    QTRY_VERIFY_WITH_TIMEOUT(r.Host()->isHidden(), kWait);
    QCOMPARE(r.WindowPage(), Q("FrameProfile1"));
    QVERIFY(r.Applied() != "Cafe");
  }

  void adHocTakesTheRadioPageAndNeverTheProtocolPage() {
    Running r;
    QVERIFY(r.attached);
    QCOMPARE(r.Adapter().SupportMode(), 34);
    StartAdding(r, "Peer", "OrvPeer", true);
    QCOMPARE(NextUntilConfirm(r), (QStringList{Q("FrameNetType1"), Q("FrameWlMode1"),
                                               Q("FrameSecurity1"), Q("FrameConfirm1")}));
    const WLProfile& working = FAGlobal().StationProfile();
    QCOMPARE(working.NetworkMode, 0);
    QCOMPARE(working.ABGMode, 34);
  }

  void backKeepsWhatWasWrittenAndLeavesFromTheFirstPage() {
    Running r;
    QVERIFY(r.attached);
    StartAdding(r, "Kept", "OrvKept", true);
    QCOMPARE(r.Next(), Q("FrameWlMode1"));
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    r.Press("BtnBack");
    QCOMPARE(r.Current(), Q("FrameWlMode1"));
    r.Press("BtnBack");
    QCOMPARE(r.Current(), Q("FrameNetType1"));
    QCOMPARE(r.On<QLineEdit>("FrameNetType1", "EdtName")->text(), Q("Kept"));
    QCOMPARE(r.On<QLineEdit>("FrameNetType1", "EdtSSID")->text(), Q("OrvKept"));
    QVERIFY(r.On<QRadioButton>("FrameNetType1", "RBtnAdHoc")->isChecked());
    QCOMPARE(Q(FAGlobal().StationProfile().Ssid1), Q("OrvKept"));

    // Exit: the list again, nothing stored, the working profile as it was left.
    r.Press("BtnExit");
    QTRY_VERIFY_WITH_TIMEOUT(r.Host()->isHidden(), kWait);
    QVERIFY(!Stored("Kept"));
    QCOMPARE(Q(FAGlobal().StationProfile().ProfileName), Q("Kept"));
  }

  void editingRenamesTheProfileAndActivateNowConnectsIt() {
    StoreOnly({Station("Home", "OrvOpen"), Station("Work", "OrvWPA")});
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    auto* list = UiTest::FindChild<QTreeWidget>(*r.page, "LvProf");
    list->setCurrentItem(list->findItems(Q("Home"), Qt::MatchExactly, 1).front());
    QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnEdit"), Qt::LeftButton);
    QCOMPARE(r.Current(), Q("FrameNetType1"));
    QCOMPARE(r.On<QLabel>("FrameNetType1", "LbEdtMode")->text(), Q("Edit Profile"));
    r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q("Office"));
    NextUntilConfirm(r);
    r.Press("BtnSave");
    QCOMPARE(r.Current(), Q("FrameActive1"));
    QVERIFY(!Stored("Home"));
    QVERIFY(Stored("Office"));
    QCOMPARE(r.page->Profiles().size(), std::size_t{2});

    r.Press("BtnActNow");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Office"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Adapter().Settings().ReadSet("LastProf", ""), std::string("Office"),
                              kWait);
  }

  void securityOnlyRunStartsAtTheKeyPageAndBackReturnsToTheSurvey() {
    Running r;
    QVERIFY(r.attached);
    WLProfile& working = FAGlobal().StationProfile();
    working = r.Adapter().DefaultProfile();
    CopyText(working.ProfileName, kEditingProfileName);
    CopyText(working.Ssid1, "OrvHome");
    working.EncryptionMethod = 6;
    r.window.HandleNotify(PM_NEWPROFILE, TFrameProfSet::kRequestSecurityOnly);
    QCOMPARE(r.WindowPage(), Q("FrameProfile1"));
    QCOMPARE(r.Current(), Q("FrameWPAPSK1"));
    r.Press("BtnBack");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameSurvey1"), kWait);
    QVERIFY(!Stored(kEditingProfileName));
  }

  void securityOnlyStartPageByTheSecurityType_data() {
    QTest::addColumn<int>("encryption");
    QTest::addColumn<QString>("start");
    QTest::newRow("WEP") << 1 << Q("FrameWEP1");
    QTest::newRow("WPA-PSK") << 2 << Q("FrameWPAPSK1");
    QTest::newRow("WPA") << 3 << Q("FrameDot111");
    QTest::newRow("RADIUS") << 4 << Q("FrameDot111");
    QTest::newRow("LEAP") << 5 << Q("FrameConfirm1");
    QTest::newRow("WPA2") << 7 << Q("FrameDot111");
  }

  void securityOnlyStartPageByTheSecurityType() {
    QFETCH(int, encryption);
    QFETCH(QString, start);
    Running r;
    QVERIFY(r.attached);
    FAGlobal().StationProfile() = r.Adapter().DefaultProfile();
    FAGlobal().StationProfile().EncryptionMethod = encryption;
    QVERIFY(r.page->OpenWizard(TFrameProfile::kReturnSurvey, TFrameProfSet::kRequestSecurityOnly));
    QCOMPARE(r.Current(), start);
  }

  void saveInASecurityOnlyRunConnectsWithoutStoringOrActivationPage() {
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    WLProfile& working = FAGlobal().StationProfile();
    working = r.Adapter().DefaultProfile();
    CopyText(working.ProfileName, kEditingProfileName);
    CopyText(working.NetworkInfo.NI_sz_CurProfile, kEditingProfileName);
    CopyText(working.Ssid1, "OrvWEP");
    working.EncryptionMethod = 1;
    CopyText(working.WEPKey1, "abcde");
    working.WEPKeyFormat = 2;
    working.WEPEncryptionLevel = 1;
    r.window.HandleNotify(PM_NEWPROFILE, TFrameProfSet::kRequestSecurityOnly);
    QCOMPARE(r.Current(), Q("FrameWEP1"));
    // Never the protocol page, even on this dual-band adapter.
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    r.Press("BtnSave");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QVERIFY(r.Current() != Q("FrameActive1"));
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string(kEditingProfileName), kWait);
    QVERIFY(!Stored(kEditingProfileName));
  }

  void enterPressesNextOrSaveAndEscapePressesExit() {
    UiTestEnv::WriteSettings(Settings("SupportMode=11\r\n"));
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.window));
    StartAdding(r, "Keys", "OrvOpen");
    auto* name = r.On<QLineEdit>("FrameNetType1", "EdtName");
    name->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(name->hasFocus(), kWait);
    QTest::keyClick(name, Qt::Key_Return);
    QCOMPARE(r.Current(), Q("FrameSecurity1"));
    QTest::keyClick(r.Host()->CurrentPage(), Qt::Key_Enter);
    QCOMPARE(r.Current(), Q("FrameConfirm1"));
    QTest::keyClick(r.Host()->CurrentPage(), Qt::Key_Return);
    QCOMPARE(r.Current(), Q("FrameActive1"));
    QVERIFY(Stored("Keys"));
    QTest::keyClick(r.Host()->CurrentPage(), Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(r.Host()->isHidden(), kWait);

    // Tab walks the network type page in reading order.
    StartAdding(r, "Tabs", "OrvOpen");
    name->setFocus();
    QTRY_VERIFY_WITH_TIMEOUT(name->hasFocus(), kWait);
    QStringList order;
    for (int i = 0; i < 3; ++i) {
      QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      order.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(order, (QStringList{Q("EdtSSID"), Q("RBtnInfra"), Q("LvSite")}));
    QTest::keyClick(name, Qt::Key_Escape);
    QTRY_VERIFY_WITH_TIMEOUT(r.Host()->isHidden(), kWait);
    QVERIFY(!Stored("Tabs"));
  }

  void detachingTheAdapterClosesTheWizard() {
    Running r;
    QVERIFY(r.attached);
    StartAdding(r, "Gone", "OrvOpen");
    QVERIFY(UiTestEnv::Simulator({"unplug"}));
    QTRY_VERIFY_WITH_TIMEOUT(r.window.Adapter() == nullptr, kWait);
    QCOMPARE(r.Host()->CurrentPage(), nullptr);
    QCOMPARE(r.Host()->Adapter(), nullptr);
    QVERIFY(!r.Host()->NeedProtocolPage());
  }
};

static const bool registered = UiTestEnv::Register<WizardFlowTest>();

#include "wizard_flow_test.moc"
