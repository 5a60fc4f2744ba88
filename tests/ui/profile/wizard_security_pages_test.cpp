// The security choice, pre-shared key, confirmation and activation pages of
// the profile wizard in the running utility, on the simulated adapter: the
// types offered, a changed type starting the security fields afresh, the pass
// phrase rules and its mask, the summary, and WPA-PSK and WPA2-PSK networks
// joined end to end.

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/ui/profile/wizard_test_support.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/secret_edit.h"
#include "ui/controls/triface_label.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/frame_profile.h"
#include "ui/profile/frame_wpa_psk.h"
#include "ui/shell/show_message.h"
#include "ui/station/site_list.h"

using namespace WizardTest;

namespace {

const QString kPhraseMessage =
    QStringLiteral("Passphrase should be between 8 to 63 charachers in ASCII format.");

QString Q(const char* text) { return QString::fromUtf8(text); }

WLProfile& Working() { return FAGlobal().StationProfile(); }

QList<int> Values(const QComboBox* list) {
  QList<int> values;
  for (int i = 0; i < list->count(); ++i) values.append(list->itemData(i).toInt());
  return values;
}

// Keeps what the widget shows in the folder ORV_SCREENSHOTS names, if any,
// for a person to look at.
void Shot(QWidget& widget, const char* name) {
  const QString folder = qEnvironmentVariable("ORV_SCREENSHOTS");
  if (!folder.isEmpty()) {
    widget.grab().save(QDir(folder).filePath(Q(name) + QStringLiteral(".png")));
  }
}

// A working profile for the network as the profile page's Add starts it.
void Start(Running& r, const char* ssid, int32_t networkMode, int32_t encryption) {
  Working() = r.Adapter().DefaultProfile();
  CopyText(Working().ProfileName, "Test");
  CopyText(Working().Ssid1, ssid);
  Working().NetworkMode = networkMode;
  Working().EncryptionMethod = encryption;
}

void ShowPage(Running& r, TFrameProfSet::Step step) {
  r.Host()->ShowWizardPage(r.Host()->Page(step), TPropertyPageFrame::kDirNext);
}

QComboBox* Types(Running& r) { return r.On<QComboBox>("FrameSecurity1", "CmbSecurity"); }
QComboBox* Ciphers(Running& r) { return r.On<QComboBox>("FrameWPAPSK1", "CmbEncryp"); }
TSecretEdit* Phrase(Running& r) { return r.On<TSecretEdit>("FrameWPAPSK1", "EdtPhrase"); }

void Choose(QComboBox* list, int value) {
  const int index = list->findData(value);
  QVERIFY2(index >= 0, "no such item");
  list->setCurrentIndex(index);
}

// Adds a profile for the network through every page, Save included.
void AddThroughTheWizard(Running& r, const char* name, const char* ssid, int32_t type,
                         const QString& phrase) {
  QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnAdd"), Qt::LeftButton);
  QCOMPARE(r.Current(), Q("FrameNetType1"));
  r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q(name));
  r.On<QLineEdit>("FrameNetType1", "EdtSSID")->setText(Q(ssid));
  r.On<QRadioButton>("FrameNetType1", "RBtnInfra")->setChecked(true);
  QCOMPARE(r.Next(), Q("FrameSecurity1"));
  Choose(Types(r), type);
  QCOMPARE(r.Next(), Q("FrameWPAPSK1"));
  // OrvHome takes AES only.
  Choose(Ciphers(r), kWPAAES);
  Phrase(r)->setFocus();
  QTest::keyClicks(Phrase(r), phrase);
  while (r.Next() != Q("FrameConfirm1")) QVERIFY(r.Current() == Q("FrameWireless1"));
  r.Press("BtnSave");
  QCOMPARE(r.Current(), Q("FrameActive1"));
}

QString LinkValue(Running& r, const char* name) {
  return UiTest::FindChild<TEllipsisLabel>(r.window, name)->text();
}

bool LinkUp(Running& r) { return !LinkValue(r, "LblTransRate").isEmpty(); }

}  // namespace

class WizardSecurityPagesTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void cleanup() { SetMessageAnswerer({}); }

  void typesOfferedByNetworkTypeAndSettings_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("networkMode");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("offered");
    QTest::addColumn<int>("selected");
    const QList<int> all{0, 1, 3, 7, 2, 6, 4};
    QTest::newRow("infrastructure: all but LEAP") << QString() << 1 << 6 << all << 6;
    QTest::newRow("ad hoc: None and WEP; WPA-PSK falls to the first")
        << QString() << 0 << 2 << QList<int>{0, 1} << 0;
    QTest::newRow("LEAP is never offered") << QString() << 1 << 5 << all << 0;
    QTest::newRow("WPA2 stands in for WPA")
        << Q("EnableWPA=0\r\n") << 1 << 3 << QList<int>{0, 1, 7, 2, 6, 4} << 7;
    QTest::newRow("WPA-PSK stands in for WPA2-PSK")
        << Q("EnableWPA2_PSK=0\r\n") << 1 << 6 << QList<int>{0, 1, 3, 7, 2, 4} << 2;
    QTest::newRow("settings remove items")
        << Q("EnableNone=0\r\nEnableWEP=0\r\nEnableRADIUS=0\r\n") << 0 << 0 << QList<int>{} << 0;
  }

  void typesOfferedByNetworkTypeAndSettings() {
    QFETCH(QString, settings);
    QFETCH(int, networkMode);
    QFETCH(int, stored);
    QFETCH(QList<int>, offered);
    QFETCH(int, selected);
    UiTestEnv::WriteSettings(Settings(settings.toStdString()));
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvOpen", networkMode, stored);
    ShowPage(r, TFrameProfSet::kSecurity);
    QCOMPARE(r.Current(), Q("FrameSecurity1"));
    QCOMPARE(Values(Types(r)), offered);
    QCOMPARE(Types(r)->currentData().toInt(), selected);
  }

  void aChangedTypeResetsTheSecurityFieldsAndTheSameKeepsThem() {
    UiTestEnv::WriteSettings(Settings("EnableWPA2=0\r\nSupportMode=11\r\n"));
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvCorp", 1, kEncryptWPA2);
    CopyText(Working().LoginName, "alice");
    CopyText(Working().LoginPassword, "wonderland");
    ShowPage(r, TFrameProfSet::kSecurity);
    Shot(*r.Host(), "wizard_security");
    QCOMPARE(Types(r)->currentData().toInt(), int{kEncryptWPA});
    QCOMPARE(r.Next(), Q("FrameDot111"));
    QCOMPARE(Working().EncryptionMethod, int32_t{kEncryptWPA});
    QVERIFY(TextOf(Working().LoginName).empty());
    QVERIFY(TextOf(Working().LoginPassword).empty());

    // Back and Next without a change keep the pass phrase typed before.
    Start(r, "OrvHome", 1, kEncryptNone);
    ShowPage(r, TFrameProfSet::kSecurity);
    Choose(Types(r), kEncryptWPA2_PSK);
    QCOMPARE(r.Next(), Q("FrameWPAPSK1"));
    QTest::keyClicks(Phrase(r), Q("correct horse battery"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    r.Press("BtnBack");
    r.Press("BtnBack");
    QCOMPARE(r.Current(), Q("FrameSecurity1"));
    QCOMPARE(r.Next(), Q("FrameWPAPSK1"));
    QCOMPARE(Q(Working().WPAPassphrase), Q("correct horse battery"));
    QCOMPARE(Phrase(r)->text(), Q("correct horse battery"));
    QVERIFY(Phrase(r)->IsMasked());

    // Another type starts afresh: None on a single-band adapter goes straight to the summary.
    r.Press("BtnBack");
    Choose(Types(r), kEncryptNone);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QVERIFY(TextOf(Working().WPAPassphrase).empty());
    QCOMPARE(Working().EncryptionMethod, int32_t{kEncryptNone});
  }

  void anEmptyListStoresNoSecurity() {
    UiTestEnv::WriteSettings(Settings("EnableNone=0\r\nEnableWEP=0\r\nSupportMode=11\r\n"));
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvPeer", 0, kEncryptWEP);
    CopyText(Working().WEPKey1, "abcde");
    ShowPage(r, TFrameProfSet::kSecurity);
    QCOMPARE(Types(r)->count(), 0);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(Working().EncryptionMethod, int32_t{kEncryptNone});
    QVERIFY(TextOf(Working().WEPKey1).empty());
  }

  void summaryOfTheProfile_data() {
    QTest::addColumn<int>("networkMode");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("netType");
    QTest::addColumn<QString>("shownChannel");
    QTest::newRow("infrastructure follows the access point")
        << 1 << 11 << Q("Infrastructure") << Q("Auto");
    QTest::newRow("ad hoc on 11") << 0 << 11 << Q("Ad-Hoc") << Q("11");
    QTest::newRow("ad hoc without a channel") << 0 << 0 << Q("Ad-Hoc") << Q("Auto");
  }

  void summaryOfTheProfile() {
    QFETCH(int, networkMode);
    QFETCH(int, channel);
    QFETCH(QString, netType);
    QFETCH(QString, shownChannel);
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvHome", networkMode, kEncryptWPA2_PSK);
    Working().Channel = channel;
    Working().AdHocBand = kRadio80211b;
    ShowPage(r, TFrameProfSet::kConfirm);
    QCOMPARE(r.Current(), Q("FrameConfirm1"));
    auto value = [&](const char* name) { return r.On<TEllipsisLabel>("FrameConfirm1", name); };
    QCOMPARE(value("LblSSID")->text(), Q("OrvHome"));
    QCOMPARE(value("LblNetType")->text(), netType);
    QCOMPARE(value("LblChannel")->text(), shownChannel);
    QCOMPARE(value("LblSecurity")->text(), Q("WPA2-PSK"));
    QCOMPARE(value("LblWlMode")->text(), networkMode == 1 ? Q("2.4 GHz + 5 GHz") : Q("802.11b"));
  }

  void passPhraseLengths_data() {
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("empty") << QString() << false;
    QTest::newRow("7") << Q("1234567") << false;
    QTest::newRow("8") << Q("12345678") << true;
    QTest::newRow("63") << QString(63, u'x') << true;
    QTest::newRow("64 hexadecimal digits: a raw key") << QString(64, u'a') << true;
  }

  void passPhraseLengths() {
    QFETCH(QString, phrase);
    QFETCH(bool, accepted);
    UiTestEnv::WriteSettings(Settings("SupportMode=11\r\n"));
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvWPA", 1, kEncryptWPA_PSK);
    ShowPage(r, TFrameProfSet::kWPAPSK);
    Answering answers;
    QTest::keyClicks(Phrase(r), phrase);
    QCOMPARE(Phrase(r)->text(), phrase);
    QCOMPARE(r.Next(), accepted ? Q("FrameConfirm1") : Q("FrameWPAPSK1"));
    QCOMPARE(answers.asked, accepted ? QStringList{} : QStringList{kPhraseMessage});
    if (!accepted) {
      QCOMPARE(answers.flags, QList<int>{kMbIconExclamation});
      QVERIFY(TextOf(Working().WPAPassphrase).empty());
    } else {
      QCOMPARE(Q(Working().WPAPassphrase), phrase);
    }
  }

  void typingPastTheLimitPostsTheMessageOnce() {
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvWPA", 1, kEncryptWPA_PSK);
    ShowPage(r, TFrameProfSet::kWPAPSK);
    Answering answers;
    const QString limit(63, u'p');
    QTest::keyClicks(Phrase(r), limit + Q("qrs"));
    // Shown once the key presses are over, not inside them.
    QVERIFY(answers.asked.isEmpty());
    QTRY_COMPARE_WITH_TIMEOUT(answers.asked, QStringList{kPhraseMessage}, kWait);
    QCOMPARE(answers.flags, QList<int>{kMbIconExclamation});
    QCOMPARE(Phrase(r)->text(), limit);

    // 64 characters only as hexadecimal digits.
    Phrase(r)->SetPlainText(QString(63, u'F'));
    QTest::keyClick(Phrase(r), Qt::Key_G);
    QCOMPARE(Phrase(r)->text(), QString(63, u'F'));
    QTRY_COMPARE_WITH_TIMEOUT(answers.asked.size(), 2, kWait);
    QTest::keyClick(Phrase(r), Qt::Key_0);
    QCOMPARE(Phrase(r)->text(), QString(63, u'F') + Q("0"));
    QTest::keyClick(Phrase(r), Qt::Key_1);
    QCOMPARE(Phrase(r)->text().size(), TFrameWPAPSK::kRawKeyDigits);
    QTRY_COMPARE_WITH_TIMEOUT(answers.asked.size(), 3, kWait);
  }

  void storedPhraseIsMaskedAndOneKeyReplacesIt() {
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvWPA", 1, kEncryptWPA_PSK);
    ShowPage(r, TFrameProfSet::kWPAPSK);
    QVERIFY(!Phrase(r)->IsMasked());

    CopyText(Working().WPAPassphrase, "orvane-psk-1");
    ShowPage(r, TFrameProfSet::kWPAPSK);
    TSecretEdit* edit = Phrase(r);
    QVERIFY(edit->IsMasked());
    QCOMPARE(edit->displayText(), QString(12, u'*'));
    QTest::keyClick(edit, Qt::Key_End);
    QVERIFY(edit->IsMasked());
    QTest::keyClick(edit, Qt::Key_N);
    QCOMPARE(edit->text(), Q("n"));
    QVERIFY(!edit->IsMasked());
  }

  void cipherListBySettings_data() {
    QTest::addColumn<QString>("settings");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QList<int>>("offered");
    QTest::addColumn<int>("written");
    QTest::newRow("both, AES kept") << QString() << 2 << QList<int>{1, 2} << 2;
    QTest::newRow("AES off") << Q("EnableAES=0\r\n") << 2 << QList<int>{1} << 1;
    QTest::newRow("TKIP off") << Q("EnableTKIP=0\r\n") << 1 << QList<int>{2} << 2;
    QTest::newRow("both off: TKIP")
        << Q("EnableTKIP=0\r\nEnableAES=0\r\n") << 2 << QList<int>{} << 1;
  }

  void cipherListBySettings() {
    QFETCH(QString, settings);
    QFETCH(int, stored);
    QFETCH(QList<int>, offered);
    QFETCH(int, written);
    UiTestEnv::WriteSettings(Settings(settings.toStdString()));
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvWPA", 1, kEncryptWPA_PSK);
    Working().WPAEncryptionType = stored;
    CopyText(Working().WPAPassphrase, "orvane-psk-1");
    ShowPage(r, TFrameProfSet::kWPAPSK);
    QCOMPARE(Values(Ciphers(r)), offered);
    r.Press("BtnNext");
    QVERIFY(r.Current() != Q("FrameWPAPSK1"));
    QCOMPARE(Working().WPAEncryptionType, int32_t(written));
  }

  void authenticationModeByNetworkAndType_data() {
    QTest::addColumn<int>("networkMode");
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("mode");
    QTest::newRow("WPA2-PSK") << 1 << 6 << 7;
    QTest::newRow("WPA-PSK") << 1 << 2 << 4;
    QTest::newRow("ad hoc") << 0 << 2 << 5;
  }

  void authenticationModeByNetworkAndType() {
    QFETCH(int, networkMode);
    QFETCH(int, type);
    QFETCH(int, mode);
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvWPA", networkMode, type);
    CopyText(Working().WPAPassphrase, "orvane-psk-1");
    // An ad hoc profile with a pre-shared key comes from a found network.
    QVERIFY(r.page->OpenWizard(TFrameProfile::kReturnSurvey, TFrameProfSet::kRequestSecurityOnly));
    QCOMPARE(r.Current(), Q("FrameWPAPSK1"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(Working().AuthenticationMode, int32_t(mode));
  }

  void goingBackWritesNothing() {
    Running r;
    QVERIFY(r.attached);
    Start(r, "OrvWPA", 1, kEncryptWPA_PSK);
    ShowPage(r, TFrameProfSet::kSecurity);
    QCOMPARE(r.Next(), Q("FrameWPAPSK1"));
    QTest::keyClicks(Phrase(r), Q("short"));
    r.Press("BtnBack");
    QCOMPARE(r.Current(), Q("FrameSecurity1"));
    QVERIFY(TextOf(Working().WPAPassphrase).empty());
  }

  void homeIsAddedSavedAndActivatedWithWPA2PSK() {
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    AddThroughTheWizard(r, "Home", "OrvHome", kEncryptWPA2_PSK, Q("correct horse battery"));
    QVERIFY(Stored("Home"));
    Shot(r.window, "wizard_active");
    r.Press("BtnActNow");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(LinkUp(r), kWait);
    QCOMPARE(LinkValue(r, "LblSecurity"), Q("WPA2-PSK"));
    QCOMPARE(LinkValue(r, "LblSSID"), Q("OrvHome"));
    QCOMPARE(r.Applied(), std::string("Home"));
    Shot(r.window, "wizard_home_connected");
  }

  void aWrongPhraseNeverAssociatesAndTheProfileCanBeMended() {
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    // A name of its own: the earlier test's "Home" may still be stored.
    AddThroughTheWizard(r, "Mistyped", "OrvHome", kEncryptWPA2_PSK, Q("wrong horse battery"));
    r.Press("BtnActNow");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Mistyped"), kWait);
    // The test scenario associates in 10 ms: this is many attempts, all refused.
    QVERIFY(!QTest::qWaitFor([&] { return LinkUp(r); }, 1500));
    Shot(r.window, "wizard_home_wrong_phrase");

    // Nothing is lost: the stored profile is edited with the right phrase and activated.
    QTest::mouseClick(UiTest::FindChild<TTrifaceLabel>(r.window, "LbProfile"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameProfile1"), kWait);
    auto* list = UiTest::FindChild<QTreeWidget>(*r.page, "LvProf");
    const auto rows = list->findItems(Q("Mistyped"), Qt::MatchExactly, 1);
    QCOMPARE(rows.size(), 1);
    list->setCurrentItem(rows.front());
    QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnEdit"), Qt::LeftButton);
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(Types(r)->currentData().toInt(), int{kEncryptWPA2_PSK});
    QCOMPARE(r.Next(), Q("FrameWPAPSK1"));
    QVERIFY(Phrase(r)->IsMasked());
    QCOMPARE(Ciphers(r)->currentData().toInt(), int{kWPAAES});
    QTest::keyClicks(Phrase(r), Q("correct horse battery"));
    while (r.Next() != Q("FrameConfirm1")) QVERIFY(r.Current() == Q("FrameWireless1"));
    r.Press("BtnSave");
    r.Press("BtnActNow");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(LinkUp(r), kWait);
    QCOMPARE(LinkValue(r, "LblSecurity"), Q("WPA2-PSK"));
  }

  void joiningAFoundWPANetworkAsksOnlyForItsKey() {
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    QWidget* survey = UiTest::FindChild<QWidget>(r.window, "FrameSurvey1");
    UiTest::FindChild<QTimer>(*survey, "TimerSurvey")->setInterval(150);
    QTest::mouseClick(UiTest::FindChild<TTrifaceLabel>(r.window, "LbSiteSurvey"), Qt::LeftButton);
    auto* sites = UiTest::FindChild<SiteList>(*survey, "LvSite");
    QTRY_VERIFY_WITH_TIMEOUT(
        !sites->findItems(Q("OrvWPA"), Qt::MatchExactly, SiteList::kColSsid).isEmpty(), kWait);
    sites->setCurrentItem(
        sites->findItems(Q("OrvWPA"), Qt::MatchExactly, SiteList::kColSsid).front());
    QTest::mouseClick(UiTest::FindChild<QWidget>(*survey, "BtnConnect"), Qt::LeftButton);
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameProfile1"), kWait);
    QCOMPARE(r.Current(), Q("FrameWPAPSK1"));
    Phrase(r)->setFocus();
    QTest::keyClicks(Phrase(r), Q("orvane-psk-1"));
    Shot(r.window, "wizard_wpa_psk");
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    Shot(r.window, "wizard_confirm");
    r.Press("BtnSave");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(LinkUp(r), kWait);
    QCOMPARE(LinkValue(r, "LblSSID"), Q("OrvWPA"));
    QCOMPARE(LinkValue(r, "LblSecurity"), Q("WPA-PSK"));
    QVERIFY(!Stored(kEditingProfileName));
  }
};

static const bool registered = UiTestEnv::Register<WizardSecurityPagesTest>();

#include "wizard_security_pages_test.moc"
