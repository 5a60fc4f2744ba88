// The WEP page in the running utility: key lengths by the adapter's settings,
// the transmit key's checks and the form all four keys are stored in, keys
// made from a pass phrase by the library, masked stored secrets, and WEP
// networks joined through the wizard.

#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "adapter/wl_records.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/wep_key_rules.h"
#include "platform/text.h"
#include "tests/ui/profile/wizard_test_support.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/frame_profile.h"
#include "ui/shell/show_message.h"
#include "ui/station/site_list.h"

using namespace WizardTest;
using WEPKeyRules::KeyTexts;

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

// Distinct texts for the messages, so that a test sees which one was shown.
const char kMessages[] =
    "[Message]\r\nErHex64=hex64\r\nErWEP64=wep64\r\nErHex128=hex128\r\nErWEP128=wep128\r\n"
    "ErHex256=hex256\r\nErWEP256=wep256\r\n";

// A security-only run of a WEP network, as the survey page starts one.
void OpenWEP(Running& r, const WLProfile& working) {
  FAGlobal().StationProfile() = working;
  r.window.HandleNotify(PM_NEWPROFILE, TFrameProfSet::kRequestSecurityOnly);
  QCOMPARE(r.Current(), Q("FrameWEP1"));
}

WLProfile WEPNetwork(const Running& r) {
  WLProfile p = r.Adapter().DefaultProfile();
  CopyText(p.ProfileName, kEditingProfileName);
  CopyText(p.NetworkInfo.NI_sz_CurProfile, kEditingProfileName);
  CopyText(p.Ssid1, "OrvWEP");
  p.EncryptionMethod = kEncryptWEP;
  return p;
}

QComboBox* List(const Running& r, const char* name) { return r.On<QComboBox>("FrameWEP1", name); }
QLineEdit* Edit(const Running& r, const char* name) { return r.On<QLineEdit>("FrameWEP1", name); }
QLineEdit* Key(const Running& r, int number) {
  return Edit(r, qPrintable(QStringLiteral("EdtKey%1").arg(number)));
}

// Chooses the item with that value as a user does.
void Choose(QComboBox& list, int value) {
  const int index = list.findData(value);
  QVERIFY2(index >= 0, qPrintable(list.objectName()));
  list.setCurrentIndex(index);
  emit list.activated(index);
}

QList<int> Values(const QComboBox& list) {
  QList<int> values;
  for (int i = 0; i < list.count(); ++i) values.append(list.itemData(i).toInt());
  return values;
}

// The working profile of a network the scan found, as the survey page makes it.
bool FoundNetwork(Running& r, const char* ssid, WLProfile& working) {
  r.Adapter().StartSiteSurvey();
  std::vector<SiteSurveyEntry> sites;
  const auto find = [&]() -> const SiteSurveyEntry* {
    for (const SiteSurveyEntry& site : sites) {
      if (std::string_view(reinterpret_cast<const char*>(site.Ssid),
                           static_cast<std::size_t>(site.SsidLength)) == ssid) {
        return &site;
      }
    }
    return nullptr;
  };
  if (!QTest::qWaitFor(
          [&] {
            r.Adapter().GetSiteList(sites);
            return find() != nullptr;
          },
          kWait)) {
    return false;
  }
  r.Adapter().ProfileFromSite(*find(), working);
  CopyText(working.ProfileName, kEditingProfileName);
  CopyText(working.NetworkInfo.NI_sz_CurProfile, kEditingProfileName);
  return true;
}

bool OnOrvWEP(const Running& r) {
  WLANStatus status{};
  r.Adapter().GetStatus(status);
  return status.MediaState == kMediaConnected &&
         std::string_view(reinterpret_cast<const char*>(status.Ssid), 6) == "OrvWEP";
}

// The simulated network answers within a few status ticks (tens of
// milliseconds); a link that has not come up in this long was refused.
constexpr int kRefusedAfter = 1500;

QStringList Texts(const Running& r) {
  QStringList texts;
  for (int i = 1; i <= 4; ++i) texts.append(Key(r, i)->text());
  return texts;
}

}  // namespace

class WizardWEPPageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    UiTestEnv::WriteStrings(kMessages);
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void cleanup() { SetMessageAnswerer({}); }

  void theTransmitKeyIsCheckedOnNext_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("format");
    QTest::addColumn<QString>("stored");
    QTest::newRow("five characters") << Q("a;C e") << QString() << 2 << Q("a;C e");
    QTest::newRow("ten lower-case hex digits")
        << Q("abcdef0123") << QString() << 1 << Q("ABCDEF0123");
    QTest::newRow("ten with one not hex") << Q("abcdef012g") << Q("hex64") << 0 << QString();
    QTest::newRow("seven characters") << Q("abcdefg") << Q("wep64") << 0 << QString();
    QTest::newRow("empty") << QString() << Q("wep64") << 0 << QString();
  }

  void theTransmitKeyIsCheckedOnNext() {
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(int, format);
    QFETCH(QString, stored);
    Answering answers;
    Running r;
    QVERIFY(r.attached);
    WLProfile working = WEPNetwork(r);
    CopyText(working.PassPhrase, "");
    OpenWEP(r, working);
    QCOMPARE(List(r, "CmbWEP")->currentData().toInt(), int{kWEPLevel64});
    QCOMPARE(Key(r, 1)->maxLength(), 10);
    QTest::keyClicks(Key(r, 1), typed);
    QCOMPARE(Key(r, 1)->text(), typed);
    const QString next = r.Next();
    const WLProfile& result = FAGlobal().StationProfile();
    if (!message.isEmpty()) {
      QCOMPARE(next, Q("FrameWEP1"));
      QCOMPARE(answers.asked, QStringList{message});
      QCOMPARE(answers.flags, QList<int>{0x30});
      // A refused key writes nothing.
      QCOMPARE(std::memcmp(&result, &working, sizeof working), 0);
      return;
    }
    QCOMPARE(next, Q("FrameConfirm1"));
    QVERIFY(answers.asked.isEmpty());
    QCOMPARE(result.EncryptionMethod, int32_t{kEncryptWEP});
    QCOMPARE(result.WEPEncryptionLevel, int32_t{kWEPLevel64});
    QCOMPARE(result.WEPKeyFormat, format);
    QCOMPARE(result.DefaultKey, 0);
    QCOMPARE(QString::fromLatin1(TextOf(result.WEPKey1)), stored);
  }

  void messagesWithoutTheStringFileSayTheKeyIsWrong() {
    UiTestEnv::WriteStrings("");
    Answering answers;
    Running r;
    QVERIFY(r.attached);
    OpenWEP(r, WEPNetwork(r));
    Choose(*List(r, "CmbWEP"), kWEPLevel128);
    QTest::keyClicks(Key(r, 1), Q("12345"));
    QCOMPARE(r.Next(), Q("FrameWEP1"));
    QCOMPARE(answers.asked, QStringList{Q(WEPKeyRules::kBadKeyText)});
  }

  void keyLengthsFollowTheAdaptersSettings() {
    Running r;
    QVERIFY(r.attached);
    OpenWEP(r, WEPNetwork(r));
    QCOMPARE(Values(*List(r, "CmbWEP")), (QList<int>{kWEPLevel64, kWEPLevel128}));
    QCOMPARE(Values(*List(r, "CmbAuthen")), (QList<int>{kAuthOpen, kAuthShared, kAuthAuto}));
    QCOMPARE(Values(*List(r, "CmbDefKey")), (QList<int>{0, 1, 2, 3}));
    QCOMPARE(List(r, "CmbDefKey")->itemText(3), Q("4"));
  }

  void key256TakesTwentyNineCharactersOrFiftyEightDigitsWithoutAPhrase() {
    UiTestEnv::WriteSettings(Settings("WEP256=1\r\n"));
    Answering answers;
    Running r;
    QVERIFY(r.attached);
    OpenWEP(r, WEPNetwork(r));
    QCOMPARE(Values(*List(r, "CmbWEP")), (QList<int>{kWEPLevel64, kWEPLevel128, kWEPLevel256}));
    Choose(*List(r, "CmbWEP"), kWEPLevel256);
    QVERIFY(!Edit(r, "EdtPhrase")->isEnabled());
    QVERIFY(Key(r, 1)->isEnabled());
    QCOMPARE(Key(r, 1)->maxLength(), 58);

    QTest::keyClicks(Key(r, 1), QString(29, QLatin1Char('#')));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(FAGlobal().StationProfile().WEPKeyFormat, int32_t{kWEPKeyAscii});
    QCOMPARE(FAGlobal().StationProfile().WEPEncryptionLevel, int32_t{kWEPLevel256});
    QCOMPARE(std::string(TextOf(FAGlobal().StationProfile().WEPKey1)), std::string(29, '#'));

    r.Press("BtnBack");
    QCOMPARE(r.Current(), Q("FrameWEP1"));
    QCOMPARE(List(r, "CmbWEP")->currentData().toInt(), int{kWEPLevel256});
    Key(r, 1)->clear();
    QTest::keyClicks(Key(r, 1), QString(58, QLatin1Char('e')));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(FAGlobal().StationProfile().WEPKeyFormat, int32_t{kWEPKeyHex});
    QCOMPARE(std::string(TextOf(FAGlobal().StationProfile().WEPKey1)), std::string(58, 'E'));
    QVERIFY(answers.asked.isEmpty());
  }

  void withEveryKeyLengthSwitchedOffTheProfileIsUnprotected() {
    UiTestEnv::WriteSettings(Settings("WEP64=0\r\nWEP128=0\r\n"));
    Running r;
    QVERIFY(r.attached);
    WLProfile working = WEPNetwork(r);
    working.WEPEncryptionLevel = kWEPLevel64;
    CopyText(working.WEPKey1, "abcde");
    OpenWEP(r, working);
    QCOMPARE(List(r, "CmbWEP")->count(), 0);
    QVERIFY(!Edit(r, "EdtPhrase")->isEnabled());
    QVERIFY(!List(r, "CmbDefKey")->isEnabled());
    QVERIFY(!Key(r, 1)->isEnabled());
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    const WLProfile& result = FAGlobal().StationProfile();
    QCOMPARE(result.EncryptionMethod, int32_t{kEncryptNone});
    QCOMPARE(result.WEPEncryptionLevel, int32_t{kWEPLevelNone});
    QCOMPARE(result.WEPKeyFormat, int32_t{kWEPKeyHex});
    QCOMPARE(WEPKeyRules::KeysOf(result), KeyTexts{});
  }

  void theTransmitKeyShowsItsOwnEditAndOtherFormatsAreStoredEmpty() {
    Running r;
    QVERIFY(r.attached);
    OpenWEP(r, WEPNetwork(r));
    auto* caption = r.On<TEllipsisLabel>("FrameWEP1", "LbKey");
    QCOMPARE(caption->text(), Q("Key 1"));
    QTest::keyClicks(Key(r, 1), Q("abcdef0123"));
    Choose(*List(r, "CmbDefKey"), 1);
    QCOMPARE(caption->text(), Q("Key 2"));
    QVERIFY(Key(r, 2)->isVisibleTo(r.Page("FrameWEP1")));
    for (int i : {1, 3, 4}) QVERIFY(!Key(r, i)->isVisibleTo(r.Page("FrameWEP1")));
    QTest::keyClicks(Key(r, 2), Q("Hello"));
    Choose(*List(r, "CmbDefKey"), 3);
    QCOMPARE(caption->text(), Q("Key 4"));
    QTest::keyClicks(Key(r, 4), Q("World"));
    Choose(*List(r, "CmbDefKey"), 1);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    const WLProfile& result = FAGlobal().StationProfile();
    QCOMPARE(result.DefaultKey, 1);
    QCOMPARE(result.WEPKeyFormat, int32_t{kWEPKeyAscii});
    QCOMPARE(WEPKeyRules::KeysOf(result), (KeyTexts{"", "Hello", "", "World"}));
  }

  void aPassPhraseMakesTheReferenceKeysAndIsNotStored_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("64-bit") << int{kWEPLevel64}
                            << QStringList{Q("A4BEB3B8EC"), Q("B697E900C8"), Q("B5D2BB755B"),
                                           Q("197EA2ABE7")};
    const QString key128 = Q("49D68437B1FFB0DB3FDF2D4A93");
    QTest::newRow("128-bit") << int{kWEPLevel128} << QStringList{key128, key128, key128, key128};
  }

  void aPassPhraseMakesTheReferenceKeysAndIsNotStored() {
    QFETCH(int, level);
    QFETCH(QStringList, keys);
    Running r;
    QVERIFY(r.attached);
    OpenWEP(r, WEPNetwork(r));
    Choose(*List(r, "CmbWEP"), level);
    QVERIFY(Edit(r, "EdtPhrase")->isEnabled());
    QTest::keyClicks(Edit(r, "EdtPhrase"), Q("foobar"));
    QCOMPARE(Texts(r), keys);
    for (int i = 1; i <= 4; ++i) QCOMPARE(Key(r, i)->echoMode(), QLineEdit::Normal);
    // Keys of another length start again, phrase and all.
    Choose(*List(r, "CmbWEP"), level == kWEPLevel64 ? kWEPLevel128 : kWEPLevel64);
    QCOMPARE(Edit(r, "EdtPhrase")->text(), QString());
    QCOMPARE(Texts(r), QStringList(4, QString()));
    Choose(*List(r, "CmbWEP"), level);
    QTest::keyClicks(Edit(r, "EdtPhrase"), Q("foobar"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    const WLProfile& result = FAGlobal().StationProfile();
    QCOMPARE(std::string(TextOf(result.PassPhrase)), std::string());
    QCOMPARE(result.WEPKeyFormat, int32_t{kWEPKeyHex});
    QCOMPARE(result.WEPEncryptionLevel, level);
    const KeyTexts stored = WEPKeyRules::KeysOf(result);
    for (int i = 0; i < 4; ++i) QCOMPARE(QString::fromStdString(stored[i]), keys[i]);
  }

  void editingKey1EmptiesThePhraseOtherKeysDoNot() {
    Running r;
    QVERIFY(r.attached);
    OpenWEP(r, WEPNetwork(r));
    QLineEdit* phrase = Edit(r, "EdtPhrase");
    QTest::keyClicks(phrase, Q("foobar"));
    Choose(*List(r, "CmbDefKey"), 2);
    QTest::keyClick(Key(r, 3), Qt::Key_Backspace);
    QCOMPARE(phrase->text(), Q("foobar"));
    QCOMPARE(Key(r, 3)->text(), Q("B5D2BB755"));
    Choose(*List(r, "CmbDefKey"), 0);
    QTest::keyClick(Key(r, 1), Qt::Key_Backspace);
    QCOMPARE(phrase->text(), QString());
    // The key being typed and the others stay.
    QCOMPARE(Texts(r),
             (QStringList{Q("A4BEB3B8E"), Q("B697E900C8"), Q("B5D2BB755"), Q("197EA2ABE7")}));
  }

  void storedSecretsAreMaskedAndTheFirstKeyPressReplacesThem() {
    Running r;
    QVERIFY(r.attached);
    WLProfile working = WEPNetwork(r);
    working.WEPEncryptionLevel = kWEPLevel128;
    working.WEPKeyFormat = kWEPKeyHex;
    const std::string made = "49D68437B1FFB0DB3FDF2D4A93";
    for (char* key : {working.WEPKey1, working.WEPKey2, working.WEPKey3, working.WEPKey4}) {
      CopyText(key, sizeof working.WEPKey1, made);
    }
    CopyText(working.PassPhrase, "foobar");
    OpenWEP(r, working);
    QLineEdit* phrase = Edit(r, "EdtPhrase");
    QCOMPARE(phrase->echoMode(), QLineEdit::Password);
    for (int i = 1; i <= 4; ++i) QCOMPARE(Key(r, i)->echoMode(), QLineEdit::Password);

    // One key press in the shown key empties it first, and key 1 no longer
    // comes from the phrase.
    QTest::keyClick(Key(r, 1), Qt::Key_A);
    QCOMPARE(Key(r, 1)->text(), Q("a"));
    QCOMPARE(Key(r, 1)->echoMode(), QLineEdit::Normal);
    QCOMPARE(phrase->text(), QString());
    QCOMPARE(phrase->echoMode(), QLineEdit::Normal);
    QCOMPARE(Key(r, 2)->echoMode(), QLineEdit::Password);

    // In a masked phrase the first key press empties the phrase, which empties
    // every key, before the new character makes keys again.
    OpenWEP(r, working);
    QSignalSpy key4(Key(r, 4), &QLineEdit::textChanged);
    QTest::keyClick(Edit(r, "EdtPhrase"), Qt::Key_X);
    QCOMPARE(Edit(r, "EdtPhrase")->text(), Q("x"));
    const QString x = Q("C1BB4F81D892B2D57947682AEB");
    QCOMPARE(key4.count(), 2);
    QCOMPARE(key4.at(0).at(0).toString(), QString());
    QCOMPARE(key4.at(1).at(0).toString(), x);
    QCOMPARE(Texts(r), (QStringList{x, x, x, x}));
    for (int i = 1; i <= 4; ++i) QCOMPARE(Key(r, i)->echoMode(), QLineEdit::Normal);
  }

  void authenticationOfTheProfileElseAutomatic() {
    Running r;
    QVERIFY(r.attached);
    WLProfile working = WEPNetwork(r);
    working.AuthenticationMode = kAuthShared;
    OpenWEP(r, working);
    QCOMPARE(List(r, "CmbAuthen")->currentData().toInt(), int{kAuthShared});
    QTest::keyClicks(Key(r, 1), Q("abcde"));
    Choose(*List(r, "CmbAuthen"), kAuthOpen);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(FAGlobal().StationProfile().AuthenticationMode, int32_t{kAuthOpen});

    r.Press("BtnBack");
    List(r, "CmbAuthen")->setCurrentIndex(-1);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(FAGlobal().StationProfile().AuthenticationMode, int32_t{kAuthAuto});

    working.AuthenticationMode = 7;
    OpenWEP(r, working);
    QCOMPARE(List(r, "CmbAuthen")->currentData().toInt(), int{kAuthAuto});
  }

  void aWEPNetworkFoundByAScanIsJoinedWithItsKeyOnly_data() {
    QTest::addColumn<QString>("key");
    QTest::addColumn<bool>("joins");
    QTest::newRow("its key") << Q("abcde") << true;
    QTest::newRow("a wrong key") << Q("abcdf") << false;
    QTest::newRow("its key as hex digits") << Q("6162636465") << true;
  }

  void aWEPNetworkFoundByAScanIsJoinedWithItsKeyOnly() {
    QFETCH(QString, key);
    QFETCH(bool, joins);
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    WLProfile working;
    QVERIFY(FoundNetwork(r, "OrvWEP", working));
    QCOMPARE(working.EncryptionMethod, int32_t{kEncryptWEP});
    OpenWEP(r, working);
    QTest::keyClicks(Key(r, 1), key);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    r.Press("BtnSave");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string(kEditingProfileName), kWait);
    if (joins) {
      QTRY_VERIFY_WITH_TIMEOUT(OnOrvWEP(r), kWait);
    } else {
      QVERIFY(!QTest::qWaitFor([&] { return OnOrvWEP(r); }, kRefusedAfter));
    }
    QVERIFY(!Stored(kEditingProfileName));
  }

  void aWEPNetworkFromTheScanListIsAddedThroughTheWizard() {
    StoreOnly({Station("Elsewhere", "OrvNowhere")});
    Answering answers;
    Running r;
    QVERIFY(r.attached);
    QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnAdd"), Qt::LeftButton);
    r.QuickSurvey();
    auto* list = r.On<QTreeWidget>("FrameNetType1", "LvSite");
    QTRY_VERIFY_WITH_TIMEOUT(
        !list->findItems(Q("OrvWEP"), Qt::MatchExactly, SiteList::kColSsid).isEmpty(), kWait);
    list->setCurrentItem(list->findItems(Q("OrvWEP"), Qt::MatchExactly, SiteList::kColSsid)[0]);
    r.Press("BtnSelect");
    r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q("Old Router"));
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    QCOMPARE(r.Next(), Q("FrameWEP1"));
    QTest::keyClicks(Key(r, 1), Q("abcde"));
    QCOMPARE(r.Next(), Q("FrameWireless1"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    r.Press("BtnSave");
    QCOMPARE(r.Current(), Q("FrameActive1"));
    QVERIFY(Stored("Old Router"));
    r.Press("BtnActNow");
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Old Router"), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(OnOrvWEP(r), kWait);
  }

  void anAdHocWEPProfileIsCreated() {
    StoreOnly({Station("Elsewhere", "OrvNowhere")});
    Answering answers;
    Running r;
    QVERIFY(r.attached);
    QTest::mouseClick(UiTest::FindChild<QWidget>(*r.page, "BtnAdd"), Qt::LeftButton);
    r.QuickSurvey();
    r.On<QLineEdit>("FrameNetType1", "EdtName")->setText(Q("Peer"));
    r.On<QLineEdit>("FrameNetType1", "EdtSSID")->setText(Q("OrvPeer2"));
    r.On<QRadioButton>("FrameNetType1", "RBtnAdHoc")->setChecked(true);
    QCOMPARE(r.Next(), Q("FrameWlMode1"));
    QCOMPARE(r.Next(), Q("FrameSecurity1"));
    auto* security = r.On<QComboBox>("FrameSecurity1", "CmbSecurity");
    QCOMPARE(security->count(), 2);
    Choose(*security, kEncryptWEP);
    QCOMPARE(r.Next(), Q("FrameWEP1"));
    Choose(*List(r, "CmbWEP"), kWEPLevel128);
    QTest::keyClicks(Key(r, 1), Q("0123456789abcdef0123456789"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    r.Press("BtnSave");
    QCOMPARE(r.Current(), Q("FrameActive1"));
    WLProfile stored{};
    QCOMPARE(WLLib().Api().ORVWL_GetWLProfile("Peer", &stored), 1);
    QCOMPARE(stored.NetworkMode, 0);
    QCOMPARE(stored.EncryptionMethod, int32_t{kEncryptWEP});
    QCOMPARE(stored.WEPEncryptionLevel, int32_t{kWEPLevel128});
    QCOMPARE(std::string(TextOf(stored.WEPKey1)), std::string("0123456789ABCDEF0123456789"));
    QVERIFY(answers.asked.isEmpty());
  }

  void goingBackWritesNothing() {
    Running r;
    QVERIFY(r.attached);
    const WLProfile working = WEPNetwork(r);
    OpenWEP(r, working);
    QTest::keyClicks(Key(r, 1), Q("abcde"));
    Choose(*List(r, "CmbAuthen"), kAuthOpen);
    r.Press("BtnBack");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameSurvey1"), kWait);
    QCOMPARE(std::memcmp(&FAGlobal().StationProfile(), &working, sizeof working), 0);
  }
};

static const bool registered = UiTestEnv::Register<WizardWEPPageTest>();

#include "wizard_wep_page_test.moc"
