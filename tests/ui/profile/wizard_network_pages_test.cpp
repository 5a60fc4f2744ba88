// The wizard's network pages in the running utility: the network type page's
// name and SSID checks and its scan list, the ad hoc radio and channel lists
// from settings and library, and the band boxes of the protocol page.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTreeWidget>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_text.h"
#include "platform/text.h"
#include "tests/ui/profile/wizard_test_support.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/profile/frame_net_type.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/frame_profile.h"
#include "ui/profile/frame_wireless.h"
#include "ui/shell/show_message.h"
#include "ui/station/site_list.h"

using namespace WizardTest;

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

QStringList Items(const QComboBox& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) items.append(list.itemText(i));
  return items;
}

void Open(Running& r, int request) {
  QVERIFY(r.page->OpenWizard(TFrameProfile::kReturnProfile, request));
  QCOMPARE(r.Current(), Q("FrameNetType1"));
}

// Types the name and SSID and presses Next on the network type page.
void TypeAndNext(Running& r, const QString& name, const QString& ssid) {
  r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(name);
  r.On<QLineEdit>("FrameNetType1", "EdtSSID")->setText(ssid);
  r.Press("BtnNext");
}

// The row of the scan list with that SSID, selected.
bool SelectNetwork(Running& r, const char* ssid) {
  auto* list = r.On<QTreeWidget>("FrameNetType1", "LvSite");
  const bool found = QTest::qWaitFor(
      [&] { return !list->findItems(Q(ssid), Qt::MatchExactly, SiteList::kColSsid).isEmpty(); },
      kWait);
  if (!found) return false;
  list->setCurrentItem(list->findItems(Q(ssid), Qt::MatchExactly, SiteList::kColSsid).front());
  return r.On<QWidget>("FrameNetType1", "BtnSelect")->isEnabled();
}

// Ad hoc on to the radio page, with the working profile as given.
void ToRadioPage(Running& r, const WLProfile& working) {
  FAGlobal().StationProfile() = working;
  Open(r, TFrameProfSet::kRequestAdd);
  r.On<QRadioButton>("FrameNetType1", "RBtnAdHoc")->setChecked(true);
  QCOMPARE(r.Next(), Q("FrameWlMode1"));
}

}  // namespace

class WizardNetworkPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void cleanup() { SetMessageAnswerer({}); }

  void profileNamesTheWizardRefusesAndAccepts_data() {
    QTest::addColumn<int>("request");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message");
    const QString system =
        Q("This profile name is used by the system. Please enter a different name.");
    QTest::newRow("empty") << 0 << QString() << Q("Profile Name can't be empty!");
    QTest::newRow("blanks only") << 0 << Q("   ") << QString();
    QTest::newRow("default name") << 0 << Q("Default") << system;
    QTest::newRow("default name, other case") << 0 << Q("DEFAULT") << QString();
    QTest::newRow("editing name") << 0 << Q("(EditingProfile)") << system;
    QTest::newRow("another's name in other case")
        << 0 << Q("home") << Q("'home' already exists. Please enter another name.");
    QTest::newRow("edit: unchanged") << 0x100 << Q("Home") << QString();
    QTest::newRow("edit: case-only rename")
        << 0x100 << Q("HOME") << Q("'HOME' already exists. Please enter another name.");
    QTest::newRow("edit: another's name")
        << 0x100 << Q("Work") << Q("'Work' already exists. Please enter another name.");
    QTest::newRow("edit: a new name") << 0x100 << Q("Office") << QString();
  }

  void profileNamesTheWizardRefusesAndAccepts() {
    QFETCH(int, request);
    QFETCH(QString, name);
    QFETCH(QString, message);
    StoreOnly({Station("Home"), Station("Work")});
    Running r;
    QVERIFY(r.attached);
    FAGlobal().StationProfile() = Station("Home", "OrvOpen");
    Open(r, request);
    Answering answers;
    TypeAndNext(r, name, Q("OrvOpen"));
    if (message.isEmpty()) {
      QVERIFY2(answers.asked.isEmpty(), qPrintable(answers.asked.value(0)));
      QCOMPARE(r.Current(), Q("FrameSecurity1"));
      QCOMPARE(Q(FAGlobal().StationProfile().ProfileName), name);
    } else {
      QCOMPARE(answers.asked, QStringList{message});
      QCOMPARE(answers.flags, QList<int>{kMbIconExclamation});
      QCOMPARE(r.Current(), Q("FrameNetType1"));
      // Nothing is written before every check has passed.
      QCOMPARE(Q(FAGlobal().StationProfile().ProfileName), Q("Home"));
    }
  }

  void theReservedNameFollowsTheSettingsAndMessagesTheStringFile() {
    UiTestEnv::WriteSettings(Settings("DefProfName=Basis\r\n"));
    UiTestEnv::WriteStrings(
        "[Message]\r\nErSamProfName=%d%% %s existiert schon.\r\nErEmySSID=SSID fehlt\r\n");
    StoreOnly({Station("Home")});
    Running r;
    QVERIFY(r.attached);
    FAGlobal().StationProfile() = Station("New");
    Open(r, TFrameProfSet::kRequestAdd);
    Answering answers;
    TypeAndNext(r, Q("Home"), Q("OrvOpen"));
    TypeAndNext(r, Q("Basis"), Q("OrvOpen"));
    TypeAndNext(r, Q("Fresh"), QString());
    QCOMPARE(answers.asked,
             (QStringList{Q("%d% 'Home' existiert schon."),
                          Q("This profile name is used by the system. Please enter a different "
                            "name."),
                          Q("SSID fehlt")}));
    // "Default" is an ordinary name here; an SSID of one blank is an SSID.
    TypeAndNext(r, Q("Default"), Q(" "));
    QCOMPARE(r.Current(), Q("FrameSecurity1"));
    QCOMPARE(Q(FAGlobal().StationProfile().Ssid1), Q(" "));
  }

  void namesAndSsidsLoadedAsBytesStayTheSameBytes() {
    Running r;
    QVERIFY(r.attached);
    WLProfile working = Station("Caf\xe9");  // Latin-1, not UTF-8
    CopyText(working.Ssid1, "Net\xff\x01");
    FAGlobal().StationProfile() = working;
    Open(r, TFrameProfSet::kRequestAdd);
    QCOMPARE(r.On<QLineEdit>("FrameNetType1", "EdtName")->text(), QString::fromLatin1("Caf\xe9"));
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(std::string(TextOf(FAGlobal().StationProfile().ProfileName)), std::string("Caf\xe9"));
    QCOMPARE(std::string(TextOf(FAGlobal().StationProfile().Ssid1)), std::string("Net\xff\x01"));
  }

  void anOpenNetworkFromTheScanIsSavedActivatedAndConnected() {
    StoreOnly({Station("Elsewhere", "OrvNowhere")});
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnAdd"), Qt::LeftButton);
    r.QuickSurvey();
    QVERIFY(!r.On<QWidget>("FrameNetType1", "BtnSelect")->isEnabled());
    QVERIFY(SelectNetwork(r, "OrvOpen"));
    r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q("Open"));
    r.Press("BtnSelect");
    QCOMPARE(r.On<QLineEdit>("FrameNetType1", "EdtSSID")->text(), Q("OrvOpen"));
    QCOMPARE(r.On<QLineEdit>("FrameNetType1", "EdtName")->text(), Q("Open"));
    QVERIFY(r.On<QRadioButton>("FrameNetType1", "RBtnInfra")->isChecked());
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(r.Next(), Q("FrameWireless1"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    r.Press("BtnSave");
    QVERIFY(Stored("Open"));
    r.Press("BtnActNow");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Open"), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          WLANStatus status{};
          r.Adapter().GetStatus(status);
          return status.MediaState == 0 &&
                 std::string_view(reinterpret_cast<const char*>(status.Ssid), 7) == "OrvOpen";
        }(),
        kWait);

    // The network the adapter is on is drawn highlighted in the scan list.
    r.window.HandleNotify(PM_SHOWPAGE, 2);
    QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnAdd"), Qt::LeftButton);
    auto* list = r.On<QTreeWidget>("FrameNetType1", "LvSite");
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          for (int i = 0; i < list->topLevelItemCount(); ++i) {
            if (list->topLevelItem(i)->background(SiteList::kColSsid).color() ==
                QColor(234, 245, 247)) {
              return true;
            }
          }
          return false;
        }(),
        kWait);
  }

  void anAdHocPeerFromTheScanKeepsItsChannel() {
    StoreOnly({Station("Elsewhere", "OrvNowhere")});
    Running r;
    QVERIFY(r.attached);
    QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnAdd"), Qt::LeftButton);
    r.QuickSurvey();
    QVERIFY(SelectNetwork(r, "OrvPeer"));
    r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q("Peer"));
    r.Press("BtnSelect");
    QVERIFY(r.On<QRadioButton>("FrameNetType1", "RBtnAdHoc")->isChecked());
    QCOMPARE(r.Next(), Q("FrameWlMode1"));
    auto* channel = r.On<QComboBox>("FrameWlMode1", "CmbChannel");
    QCOMPARE(channel->currentText(), Q("3"));
    QCOMPARE(r.On<QComboBox>("FrameWlMode1", "CmbAdHocMode")->currentData().toInt(), 1);
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    r.Press("BtnSave");
    const WLProfile& saved = r.page->Profiles().front();
    QCOMPARE(Q(saved.ProfileName), Q("Peer"));
    QCOMPARE(saved.NetworkMode, 0);
    QCOMPARE(saved.Channel, 3);
    QCOMPARE(saved.AdHocBand, 1);
    r.Press("BtnActNow");
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Peer"), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
          WLANStatus status{};
          r.Adapter().GetStatus(status);
          return status.MediaState == 0 &&
                 std::string_view(reinterpret_cast<const char*>(status.Ssid), 7) == "OrvPeer";
        }(),
        kWait);
  }

  void adHocRadiosFollowTheSettingAndTheAdaptersBands() {
    Running r;
    QVERIFY(r.attached);
    ToRadioPage(r, Station("Radios"));
    auto* radios = r.On<QComboBox>("FrameWlMode1", "CmbAdHocMode");
    QCOMPARE(Items(*radios), (QStringList{Q("802.11b"), Q("802.11g"), Q("802.11a")}));
    // DefBand 1 chooses 802.11b when the profile's radio is none of them.
    QCOMPARE(radios->currentText(), Q("802.11b"));
    r.Press("BtnBack");

    r.Adapter().Settings().WriteSet("EnableAdHocG", false);
    WLProfile five = Station("Five");
    five.AdHocBand = 2;
    five.Channel = 44;
    ToRadioPage(r, five);
    QCOMPARE(Items(*radios), (QStringList{Q("2.4 GHz"), Q("5 GHz")}));
    QCOMPARE(radios->currentText(), Q("5 GHz"));
    QCOMPARE(r.On<QComboBox>("FrameWlMode1", "CmbChannel")->currentText(), Q("44"));
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(FAGlobal().StationProfile().AdHocBand, 2);
    QCOMPARE(FAGlobal().StationProfile().Channel, 44);
  }

  void adHocChannelsComeFromTheSettingsAndItsDomainVariant() {
    Running r;
    QVERIFY(r.attached);
    r.Adapter().Settings().WriteSet("AdHocChB", "1,2,x,3");
    WLProfile b = Station("Bee");
    b.AdHocBand = 1;
    b.Channel = 2;
    ToRadioPage(r, b);
    auto* channels = r.On<QComboBox>("FrameWlMode1", "CmbChannel");
    QCOMPARE(Items(*channels), (QStringList{Q("1"), Q("2"), Q("3")}));
    QCOMPARE(channels->currentText(), Q("2"));
    r.Press("BtnBack");

    QCOMPARE(r.Adapter().Domain(), std::string("US"));
    r.Adapter().Settings().WriteSet("AdHocChB_US", "0,11");
    ToRadioPage(r, b);
    QCOMPARE(Items(*channels), (QStringList{Q("Auto"), Q("11")}));
    // Neither the profile's channel 2 nor DefChB 6 is offered: the first item.
    QCOMPARE(channels->currentData().toInt(), 0);
    r.Press("BtnBack");

    std::string many;
    for (int i = 1; i <= 300; ++i) many += (i > 1 ? "," : "") + std::to_string(i);
    r.Adapter().Settings().WriteSet("AdHocChB_US", many);
    ToRadioPage(r, b);
    QCOMPARE(channels->count(), 256);
    QCOMPARE(channels->itemText(255), Q("256"));
    r.Press("BtnBack");

    r.Adapter().Settings().WriteSet("AdHocChB_US", "4,-1,5");
    ToRadioPage(r, b);
    QCOMPARE(Items(*channels), QStringList{Q("4")});
  }

  void adHocChannelsWithoutSettingsComeFromTheLibrary() {
    Running r;
    QVERIFY(r.attached);
    WLProfile a = Station("Ay");
    a.AdHocBand = 2;
    a.Channel = 0;
    ToRadioPage(r, a);
    auto* channels = r.On<QComboBox>("FrameWlMode1", "CmbChannel");
    int32_t allowed[512] = {};
    const int count = std::min(r.Adapter().GetAllowedCh(allowed, 512, 2), 256);
    QVERIFY(count > 0);
    QCOMPARE(channels->count(), count);
    QCOMPARE(channels->itemData(0).toInt(), allowed[0]);
    // Channel 0 is not among them: DefChA.
    QCOMPARE(channels->currentData().toInt(), r.Adapter().DefChA());
    // Another radio refills the channels for it.
    auto* radios = r.On<QComboBox>("FrameWlMode1", "CmbAdHocMode");
    radios->setCurrentIndex(radios->findData(3));
    emit radios->activated(radios->currentIndex());
    QCOMPARE(channels->currentData().toInt(), r.Adapter().DefChB());
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(FAGlobal().StationProfile().AdHocBand, 3);
    QCOMPARE(FAGlobal().StationProfile().Channel, r.Adapter().DefChB());
  }

  void theProtocolPageOffersTheAdaptersBandsAndNeedsOne() {
    UiTestEnv::WriteSettings(Settings("DefChA=40\r\n"));
    Running r;
    QVERIFY(r.attached);
    WLProfile working = Station("Bands");
    working.AdHocBand = 1;
    working.Channel = 6;
    FAGlobal().StationProfile() = working;
    Open(r, TFrameProfSet::kRequestAdd);
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(r.Next(), Q("FrameWireless1"));
    auto* page = UiTest::FindChild<TFrameWireless>(*r.Host(), "FrameWireless1");
    auto* box24 = r.On<QCheckBox>("FrameWireless1", "ChkBand1");
    auto* box5 = r.On<QCheckBox>("FrameWireless1", "ChkBand2");
    QCOMPARE(page->BandTag(0), 0x205);
    QCOMPARE(page->BandTag(1), 0x102);
    QCOMPARE(page->BandTag(2), 0);
    QVERIFY(box24->isChecked() && box5->isChecked());
    QVERIFY(r.On<QCheckBox>("FrameWireless1", "ChkBand3")->isHidden());
    QCOMPARE(r.On<QLabel>("FrameWireless1", "LbBand2")->text(), Q("5 GHz"));

    box24->setChecked(false);
    box5->setChecked(false);
    {
      Answering answers;
      QCOMPARE(r.Next(), Q("FrameWireless1"));
      QCOMPARE(answers.asked,
               QStringList{Q("No band was selected!\nAt least one band must be selected.")});
    }
    QCOMPARE(FAGlobal().StationProfile().ABGMode, 34);

    // Only 5 GHz: the 802.11b ad hoc radio moves to 802.11a on DefChA.
    box5->setChecked(true);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    const WLProfile& written = FAGlobal().StationProfile();
    QCOMPARE(written.ABGMode, BandMaskToMode(0x102));
    QCOMPARE(written.AdHocBand, 2);
    QCOMPARE(written.Channel, 40);

    // Back shows what was chosen; 2.4 GHz again keeps an ad hoc radio that fits.
    r.Press("BtnBack");
    QCOMPARE(r.Current(), Q("FrameWireless1"));
    QVERIFY(!box24->isChecked() && box5->isChecked());
    QTest::mouseClick(r.On<QLabel>("FrameWireless1", "LbBand1"), Qt::LeftButton);
    QVERIFY(box24->isChecked());
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(written.ABGMode, BandMaskToMode(0x307));
    QCOMPARE(written.AdHocBand, 2);
    QCOMPARE(written.Channel, 40);
  }

  void onlyTheAdaptersBandsAreOffered() {
    UiTestEnv::WriteSettings(Settings("SupportMode=14\r\n"));
    Running r;
    QVERIFY(r.attached);
    WLProfile working = Station("Mixed");
    working.ABGMode = 3;  // 802.11g only
    FAGlobal().StationProfile() = working;
    Open(r, TFrameProfSet::kRequestAdd);
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(r.Next(), Q("FrameWireless1"));
    auto* page = UiTest::FindChild<TFrameWireless>(*r.Host(), "FrameWireless1");
    QCOMPARE(page->BandTag(0), 0x005);
    QCOMPARE(page->BandTag(1), 0x002);
    QVERIFY(r.On<QCheckBox>("FrameWireless1", "ChkBand1")->isChecked());
    QVERIFY(!r.On<QCheckBox>("FrameWireless1", "ChkBand2")->isChecked());
  }
};

static const bool registered = UiTestEnv::Register<WizardNetworkPagesTest>();

#include "wizard_network_pages_test.moc"
