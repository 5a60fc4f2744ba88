// The access-point configuration page on the main window, against the
// simulated adapter: what it offers, how it edits the WEP keys, and what Save
// stores and applies.

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <cstring>
#include <vector>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/profile_ini.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/ui/ap/ap_test_support.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/ap/form_ap_share.h"
#include "ui/ap/frame_ap_cfg.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/secret_edit.h"
#include "ui/controls/triface_label.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_main.h"
#include "ui/shell/image.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

using ApTest::kWait;

const std::string k128From_foobar = "49D68437B1FFB0DB3FDF2D4A93";
const std::string k64From_foobar[4] = {"A4BEB3B8EC", "B697E900C8", "B5D2BB755B", "197EA2ABE7"};

struct Message {
  QString text;
  int flags;
};

// The window attached to the simulated adapter in access-point mode, its page
// shown, and the messages the page would show.
struct Page {
  explicit Page(const std::string& moreAdapterSettings = {}) {
    UiTestEnv::WriteSettings(ApTest::Settings("OperateMode=1\r\n" + moreAdapterSettings));
    SetMessageAnswerer([this](QWidget*, const QString& text, int flags) {
      messages.append({text, flags});
      return int{kIdOk};
    });
    window.Start(0);
    window.show();
  }
  ~Page() { SetMessageAnswerer({}); }

  // The page shown once the adapter's first scan has results, so that the
  // least-used channel is the same on every run.
  bool Attached() {
    if (!QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait)) return false;
    const bool heard = QTest::qWaitFor(
        [&] {
          std::vector<SiteSurveyEntry> sites;
          window.Adapter()->GetSiteList(sites);
          return !sites.empty();
        },
        kWait);
    if (!heard) return false;
    window.ShowPage(UiTest::FindChild<TTrifaceLabel>(window, "LbAPCfg"), 0);
    return window.CurrentPage() == page;
  }
  template <typename T>
  T* Get(const char* name) {
    return UiTest::FindChild<T>(*page, name);
  }
  QComboBox* List(const char* name) { return Get<QComboBox>(name); }
  QLineEdit* Edit(const char* name) { return Get<QLineEdit>(name); }
  QLineEdit* Key(int number) {
    return Edit(QStringLiteral("EdtKey%1").arg(number).toLatin1().constData());
  }
  void Save() { Get<TFABitmapBtn>("BtnSave")->click(); }

  TFormMain window{ApTest::FastTiming()};
  TFrameAPCfg* page = UiTest::FindChild<TFrameAPCfg>(window, "FrameAPCfg1");
  QList<Message> messages;
};

// The items of a list as "text=value|text=value...".
QString Items(const QComboBox& list) {
  QStringList items;
  for (int i = 0; i < list.count(); ++i) {
    items.append(list.itemText(i) + QLatin1Char('=') + QString::number(list.itemData(i).toInt()));
  }
  return items.join(QLatin1Char('|'));
}

// What a user does: pick the item with that value.
void Choose(QComboBox* list, int value) {
  const int index = list->findData(value);
  QVERIFY2(index >= 0, qPrintable(list->objectName()));
  list->setCurrentIndex(index);
  emit list->activated(index);
}

void Type(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  QTest::keyClicks(edit, text);
}

std::string Text(const QLineEdit* edit) { return edit->text().toStdString(); }

WLProfile& Working() { return FAGlobal().APProfile(); }

// The profile the program remembers as applied last, in its INI form.
WLProfile LastApplied() {
  WLProfile profile{};
  ProfFromIniFile(*FAGlobal().SettingsFile(), profile, "LastApplyProf");
  return profile;
}

}  // namespace

class FrameAPCfgTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ApTest::ForgetProfiles();
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
    UiTestEnv::WriteStrings("");
  }

  void attachOffersTheAdaptersModesAndLoadsTheWorkingProfile() {
    Page p;
    QVERIFY(p.Attached());
    // The default SupportMode has all three radios.
    QCOMPARE(Items(*p.List("CmbMode")),
             QStringLiteral("802.11b + 802.11g=11|802.11b=1|802.11g=3|802.11a=2"));
    // 256-bit WEP is off unless the settings switch it on.
    QCOMPARE(Items(*p.List("CmbWEP")), QStringLiteral("Disabled=0|64 bit WEP=1|128 bit WEP=2"));
    QCOMPARE(Items(*p.List("CmbPower")),
             QStringLiteral("Level 0(Max. Power)=0|Level 1=1|Level 2=2|Level 3(Min. Power)=3"));
    QCOMPARE(Items(*p.List("CmbAuthen")), QStringLiteral("Open=0|Shared=1"));
    QCOMPARE(Items(*p.List("CmbDefKey")), QStringLiteral("1=0|2=1|3=2|4=3"));

    QCOMPARE(p.Edit("EdtSSID")->text(), QStringLiteral("WLAN_AP"));
    QCOMPARE(p.List("CmbMode")->currentData().toInt(), kModeBG);
    QCOMPARE(p.List("CmbCh")->currentText(), QStringLiteral("6"));
    QCOMPARE(p.List("CmbWEP")->currentData().toInt(), kWEPLevelNone);
    QVERIFY(!p.Get<QCheckBox>("ChkHide")->isChecked());
    for (const char* enabled : {"EdtSSID", "ChkHide", "CmbMode", "CmbCh", "CmbPower", "CmbWEP",
                                "CmbAuthen", "BtnSave", "BtnCancel", "BtnShare"}) {
      QVERIFY2(p.Get<QWidget>(enabled)->isEnabled(), enabled);
    }
    // Without WEP there are no keys to edit.
    for (const char* disabled : {"EdtPhrase", "CmbDefKey", "EdtKey1"}) {
      QVERIFY2(!p.Get<QWidget>(disabled)->isEnabled(), disabled);
    }
  }

  void stationModeLeavesThePageDisabled() {
    UiTestEnv::WriteSettings(ApTest::Settings());
    TFormMain window(ApTest::FastTiming());
    window.Start(0);
    QVERIFY(QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait));
    auto* page = UiTest::FindChild<TFrameAPCfg>(window, "FrameAPCfg1");
    QVERIFY(!UiTest::FindChild<QWidget>(*page, "BtnSave")->isEnabled());
    QCOMPARE(UiTest::FindChild<QComboBox>(*page, "CmbMode")->count(), 0);
  }

  void channelSettingsSkipWordsAndFollowTheDomain() {
    {
      Page p("SoftAPChBG=0,1,6,x,11\r\n");
      QVERIFY(p.Attached());
      QCOMPARE(Items(*p.List("CmbCh")), QStringLiteral("Auto=0|1=1|6=6|11 (least used)=11"));
      // The profile's channel stays chosen.
      QCOMPARE(p.List("CmbCh")->currentData().toInt(), 6);
    }
    {
      // The simulated adapter's domain is US; its own list wins.
      Page p("SoftAPChBG=1,6,11\r\nSoftAPChBG_US=3,9,-1,4\r\n");
      QVERIFY(p.Attached());
      QCOMPARE(Items(*p.List("CmbCh")), QStringLiteral("3=3|9 (least used)=9"));
      // Neither the profile's channel 6 nor the fallback 6 is offered: the least used is chosen.
      QCOMPARE(p.List("CmbCh")->currentData().toInt(), 9);
    }
  }

  void aLongChannelListIsCutAt256() {
    std::string list;
    for (int ch = 1; ch <= 300; ++ch) list += std::to_string(ch) + ",";
    Page p("SoftAPChB=" + list + "\r\n");
    QVERIFY(p.Attached());
    Choose(p.List("CmbMode"), kModeB);
    QCOMPARE(p.List("CmbCh")->count(), TFrameAPCfg::kMaxChannels);
    QCOMPARE(p.List("CmbCh")->itemText(255), QStringLiteral("256"));
  }

  void withoutASettingTheLibraryNamesTheChannels() {
    Page p;
    QVERIFY(p.Attached());
    Choose(p.List("CmbMode"), kModeA);
    int32_t allowed[kChannelListCapacity] = {};
    const int count =
        p.window.Adapter()->GetSoftAPAllowedCh(allowed, kChannelListCapacity, kBand80211a);
    QVERIFY(count > 0);
    QCOMPARE(p.List("CmbCh")->count(), count);
    for (int i = 0; i < count; ++i) QCOMPARE(p.List("CmbCh")->itemData(i).toInt(), allowed[i]);
    // The profile's channel 6 is no 5 GHz channel: rather than the fallback
    // DefAPChA, 36, where OrvHome sends, the first channel nothing is heard on.
    QCOMPARE(p.List("CmbCh")->currentData().toInt(), 40);
    QCOMPARE(p.List("CmbCh")->currentText(), QStringLiteral("40 (least used)"));
  }

  void aChannelListTheBusyLibraryWithheldIsFilledOnceItIsFree() {
    Page p;
    QVERIFY(p.Attached());
    Event stop;
    QVERIFY(WLLib().Lock(stop, std::chrono::milliseconds(5000)));
    Choose(p.List("CmbMode"), kModeA);
    QCOMPARE(p.List("CmbCh")->count(), 0);
    WLLib().Unlock();
    QTRY_VERIFY_WITH_TIMEOUT(p.List("CmbCh")->count() > 0, 5000);
    QCOMPARE(p.List("CmbCh")->currentText(), QStringLiteral("40 (least used)"));
  }

  void theLeastUsedChannelIsOfferedOnlyWhenNoneIsPicked() {
    {
      // The default profile's 6 is kept; the mark moves to the channel the
      // scan heard least of, and Save keeps the user's pick.
      Page p;
      QVERIFY(p.Attached());
      QCOMPARE(p.List("CmbCh")->currentData().toInt(), 6);
      QCOMPARE(p.List("CmbCh")->findText(QStringLiteral("11 (least used)")),
               p.List("CmbCh")->findData(11));
      p.Save();
      QCOMPARE(Working().Channel, 6);
    }
    {
      // A strong network arrives on 11: the mark moves to the next quietest.
      QVERIFY(UiTestEnv::Simulator({"add-network", "OrvLoud", "bssid=00:0E:2E:10:00:98",
                                    "channel=11", "radio=g", "signal=-30"}));
      UiTestEnv::WriteStrings("[FrameAPCfg]\r\nLeastUsedCh=Kanal %s (frei)\r\n");
      Page p;
      QVERIFY(p.Attached());
      QVERIFY(QTest::qWaitFor(
          [&] {
            p.Get<TFABitmapBtn>("BtnCancel")->click();
            return p.List("CmbCh")->findText(QStringLiteral("Kanal 1 (frei)")) >= 0;
          },
          kWait));
      QCOMPARE(p.List("CmbCh")->itemText(p.List("CmbCh")->findData(11)), QStringLiteral("11"));
      // A 2.4 GHz channel the profile holds stays when the mode moves between b and g.
      Choose(p.List("CmbMode"), kModeG);
      QCOMPARE(p.List("CmbCh")->currentData().toInt(), 6);
      // In 5 GHz it is not offered: the least used is chosen, and saved.
      Choose(p.List("CmbMode"), kModeA);
      QCOMPARE(p.List("CmbCh")->currentText(), QStringLiteral("Kanal 40 (frei)"));
      p.Save();
      QCOMPARE(Working().Channel, 40);
    }
  }

  void keyLengthDecidesWhatCanBeEdited() {
    Page p("WEP256=1\r\n");
    QVERIFY(p.Attached());
    const struct {
      int level;
      int length;
      bool phrase;
    } cases[] = {{kWEPLevel64, 10, true}, {kWEPLevel128, 26, true}, {kWEPLevel256, 58, false}};
    for (const auto& c : cases) {
      Choose(p.List("CmbWEP"), c.level);
      QCOMPARE(p.Key(1)->maxLength(), c.length);
      QCOMPARE(p.Key(4)->maxLength(), c.length);
      QCOMPARE(p.Edit("EdtPhrase")->isEnabled(), c.phrase);
      QVERIFY(p.List("CmbDefKey")->isEnabled());
      QVERIFY(p.Key(1)->isEnabled());
    }
    Type(p.Key(1), QStringLiteral("abc"));
    Choose(p.List("CmbWEP"), kWEPLevelNone);
    QVERIFY(!p.Key(1)->isEnabled());
    QVERIFY(!p.List("CmbDefKey")->isEnabled());
    QVERIFY(p.Key(1)->text().isEmpty());
  }

  void transmitKeyShowsItsOwnEdit() {
    UiTestEnv::WriteStrings("[FrameAPCfg]\r\nLbKey3=Third key\r\n");
    Page p;
    QVERIFY(p.Attached());
    Choose(p.List("CmbWEP"), kWEPLevel64);
    Choose(p.List("CmbDefKey"), 2);
    for (int k = 1; k <= 4; ++k) QCOMPARE(p.Key(k)->isVisible(), k == 3);
    QCOMPARE(p.Get<QLabel>("LbKey")->text(), QStringLiteral("Third key"));
    Choose(p.List("CmbDefKey"), 1);
    QCOMPARE(p.Get<QLabel>("LbKey")->text(), QStringLiteral("Key 2"));
  }

  void passPhraseFillsTheFourKeysAndAHandEditedKeyKeepsThem() {
    Page p;
    QVERIFY(p.Attached());
    Choose(p.List("CmbWEP"), kWEPLevel64);
    Type(p.Edit("EdtPhrase"), QStringLiteral("foobar"));
    for (int k = 1; k <= 4; ++k) {
      QCOMPARE(Text(p.Key(k)), k64From_foobar[k - 1]);
      QCOMPARE(p.Key(k)->echoMode(), QLineEdit::Normal);
    }
    Choose(p.List("CmbWEP"), kWEPLevel128);
    QVERIFY(p.Key(1)->text().isEmpty());
    Type(p.Edit("EdtPhrase"), QStringLiteral("foobar"));
    for (int k = 1; k <= 4; ++k) QCOMPARE(Text(p.Key(k)), k128From_foobar);

    // The phrase no longer made the keys, but the keys stay.
    p.Key(1)->setFocus();
    QTest::keyClick(p.Key(1), Qt::Key_Backspace);
    QVERIFY(p.Edit("EdtPhrase")->text().isEmpty());
    QCOMPARE(Text(p.Key(1)), k128From_foobar.substr(0, 25));
    for (int k = 2; k <= 4; ++k) QCOMPARE(Text(p.Key(k)), k128From_foobar);

    // Emptying the phrase empties the keys.
    Type(p.Edit("EdtPhrase"), QStringLiteral("x"));
    QTest::keyClick(p.Edit("EdtPhrase"), Qt::Key_Backspace);
    for (int k = 1; k <= 4; ++k) QVERIFY(p.Key(k)->text().isEmpty());
  }

  void emptySsidIsRefusedWithItsMessage() {
    Page p;
    QVERIFY(p.Attached());
    p.Edit("EdtSSID")->clear();
    p.List("CmbPower")->setFocus();
    const WLProfile before = Working();
    p.Save();
    QCOMPARE(p.messages.size(), 1);
    QCOMPARE(p.messages[0].text, QStringLiteral("You should enter a SSID name."));
    QCOMPARE(p.messages[0].flags, 0x30);
    QCOMPARE(p.window.focusWidget(), p.Edit("EdtSSID"));
    QCOMPARE(std::memcmp(&Working(), &before, sizeof before), 0);
    QCOMPARE(p.window.CurrentPage(), p.page);
  }

  void badTransmitKeysShowTheirOwnMessage() {
    UiTestEnv::WriteStrings("[Message]\r\nErHex64=hex 64\r\nErWEP64=length 64\r\n");
    Page p;
    QVERIFY(p.Attached());
    const WLProfile before = Working();
    Choose(p.List("CmbWEP"), kWEPLevel64);
    Type(p.Key(1), QStringLiteral("abcdef012g"));
    p.Save();
    Choose(p.List("CmbWEP"), kWEPLevel64);
    Type(p.Key(1), QStringLiteral("1234567"));
    p.Save();
    QCOMPARE(p.messages.size(), 2);
    QCOMPARE(p.messages[0].text, QStringLiteral("hex 64"));
    QCOMPARE(p.messages[1].text, QStringLiteral("length 64"));
    QCOMPARE(p.messages[1].flags, 0x30);
    QCOMPARE(std::memcmp(&Working(), &before, sizeof before), 0);
    // Without a text in the string file the common one is shown.
    Choose(p.List("CmbWEP"), kWEPLevel128);
    Type(p.Key(1), QStringLiteral("abc"));
    p.Save();
    QCOMPARE(p.messages.last().text,
             QStringLiteral("You have entered an incorrect WEP key. Please try again."));
  }

  void saveKeepsKeysOfTheTransmitKeysFormatOnly() {
    Page p;
    QVERIFY(p.Attached());
    Choose(p.List("CmbWEP"), kWEPLevel64);
    Choose(p.List("CmbDefKey"), 1);
    // Only key 2 is shown; the others keep what they were given.
    p.Key(1)->setText(QStringLiteral("abcdef0123"));
    Type(p.Key(2), QStringLiteral("Ab;:,"));
    p.Key(3)->setText(QStringLiteral("toolong"));
    p.Save();
    QVERIFY(p.messages.isEmpty());
    QCOMPARE(Working().WEPKeyFormat, kWEPKeyAscii);
    QCOMPARE(Working().DefaultKey, 1);
    QCOMPARE(TextOf(Working().WEPKey1), "");
    QCOMPARE(TextOf(Working().WEPKey2), "Ab;:,");
    QCOMPARE(TextOf(Working().WEPKey3), "");

    // Ten hexadecimal digits are stored in upper case.
    p.window.ShowPage(UiTest::FindChild<TTrifaceLabel>(p.window, "LbAPCfg"), 0);
    Choose(p.List("CmbWEP"), kWEPLevel64);
    Choose(p.List("CmbDefKey"), 0);
    Type(p.Key(1), QStringLiteral("abcdef0123"));
    p.Save();
    QCOMPARE(Working().WEPKeyFormat, kWEPKeyHex);
    QCOMPARE(TextOf(Working().WEPKey1), "ABCDEF0123");
  }

  void saveStoresAppliesAndShowsTheAccessPoint() {
    Page p;
    QVERIFY(p.Attached());
    const std::string name(TextOf(Working().ProfileName));
    p.Edit("EdtSSID")->selectAll();
    Type(p.Edit("EdtSSID"), QStringLiteral("OrvAP"));
    p.Get<QCheckBox>("ChkHide")->setChecked(true);
    Choose(p.List("CmbMode"), kModeG);
    Choose(p.List("CmbCh"), 11);
    Choose(p.List("CmbPower"), 2);
    Choose(p.List("CmbWEP"), kWEPLevel128);
    Choose(p.List("CmbAuthen"), kAuthShared);
    Type(p.Edit("EdtPhrase"), QStringLiteral("foobar"));
    p.Save();
    QVERIFY(p.messages.isEmpty());

    const WLProfile& saved = Working();
    QCOMPARE(TextOf(saved.Ssid1), "OrvAP");
    QCOMPARE(saved.ApSSIDHide, 1);
    QCOMPARE(saved.ABGMode, kModeG);
    QCOMPARE(saved.Channel, 11);
    QCOMPARE(saved.APtxPwrLevel, 2);
    QCOMPARE(saved.EncryptionMethod, kEncryptWEP);
    QCOMPARE(saved.WEPEncryptionLevel, kWEPLevel128);
    QCOMPARE(saved.WEPKeyFormat, kWEPKeyHex);
    QCOMPARE(saved.AuthenticationMode, kAuthShared);
    QCOMPARE(std::string(TextOf(saved.WEPKey1)), k128From_foobar);
    QCOMPARE(TextOf(saved.PassPhrase), "");
    QCOMPARE(std::string(TextOf(saved.ProfileName)), name);

    // Stored in the access-point list under its own name.
    std::vector<WLProfile> list;
    p.window.Adapter()->GetProfileList(1, list);
    QCOMPARE(list.size(), std::size_t{1});
    QCOMPARE(std::memcmp(&list.front(), &saved, sizeof saved), 0);
    // Applied: the simulated access point runs with the new settings.
    QTRY_VERIFY_WITH_TIMEOUT(ApTest::RunningAs(*p.window.Adapter(), "OrvAP"), kWait);
    WLProfile applied{};
    QVERIFY(p.window.Adapter()->GetAppliedProfile(applied));
    QCOMPARE(std::memcmp(&applied, &saved, sizeof saved), 0);
    WLANStatus status{};
    p.window.Adapter()->GetStatus(status);
    QCOMPARE(status.Frequency, 2462000);
    QCOMPARE(status.SecurityMode, kEncryptWEP);
    QCOMPARE(status.AuthenticationMode, kAuthShared);
    QCOMPARE(status.OutputPower, 2);
    QCOMPARE(status.Radio, kRadio80211g);
    // The window moves on to the access point's information page.
    QTRY_COMPARE(p.window.CurrentPage()->objectName(), QStringLiteral("FrameAPInfo1"));

    // Back on the page, the keys are masked and the phrase is empty.
    p.window.ShowPage(UiTest::FindChild<TTrifaceLabel>(p.window, "LbAPCfg"), 0);
    QVERIFY(p.Edit("EdtPhrase")->text().isEmpty());
    QCOMPARE(Text(p.Key(1)), k128From_foobar);
    QCOMPARE(p.Key(1)->echoMode(), QLineEdit::Password);
    QCOMPARE(p.List("CmbCh")->currentData().toInt(), 11);
  }

  void maskedSecretsAreReplacedNeverEdited() {
    Page p;
    QVERIFY(p.Attached());
    Working().EncryptionMethod = kEncryptWEP;
    Working().WEPEncryptionLevel = kWEPLevel64;
    Working().DefaultKey = 0;
    CopyText(Working().WEPKey1, "secrt");
    CopyText(Working().WEPKey2, "other");
    p.Get<TFABitmapBtn>("BtnCancel")->click();
    QLineEdit* key = p.Key(1);
    QCOMPARE(key->echoMode(), QLineEdit::Password);
    QCOMPARE(key->text(), QStringLiteral("secrt"));
    QCOMPARE(key->contextMenuPolicy(), Qt::NoContextMenu);
    key->setFocus();
    QTest::keyClick(key, Qt::Key_Left);
    QTest::keyClick(key, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(key->text(), QStringLiteral("secrt"));
    QCOMPARE(key->echoMode(), QLineEdit::Password);
    QTest::keyClick(key, Qt::Key_Backspace);
    QVERIFY(key->text().isEmpty());
    QCOMPARE(key->echoMode(), QLineEdit::Normal);
    QTest::keyClicks(key, QStringLiteral("new12"));
    QCOMPARE(key->text(), QStringLiteral("new12"));
    // The other keys keep their stored text, still masked.
    QCOMPARE(p.Key(2)->text(), QStringLiteral("other"));
    QCOMPARE(p.Key(2)->echoMode(), QLineEdit::Password);
  }

  void cancelDiscardsTheEdits() {
    Page p;
    QVERIFY(p.Attached());
    p.Edit("EdtSSID")->setText(QStringLiteral("Changed"));
    Choose(p.List("CmbWEP"), kWEPLevel64);
    Choose(p.List("CmbMode"), kModeA);
    p.Get<TFABitmapBtn>("BtnCancel")->click();
    QCOMPARE(p.Edit("EdtSSID")->text(), QStringLiteral("WLAN_AP"));
    QCOMPARE(p.List("CmbWEP")->currentData().toInt(), kWEPLevelNone);
    QCOMPARE(p.List("CmbMode")->currentData().toInt(), kModeBG);
    QCOMPARE(p.List("CmbCh")->currentText(), QStringLiteral("6"));
  }

  void wpa2IsOfferedOnlyWhereTheAdapterAllowsIt() {
    // The plain installation is checked above: None and WEP only.
    Page p("SoftAPWPA2PSK=1\r\n");
    QVERIFY(p.Attached());
    QCOMPARE(Items(*p.List("CmbWEP")),
             QStringLiteral("Disabled=0|64 bit WEP=1|128 bit WEP=2|WPA2-PSK (AES)=262"));
    QVERIFY(!p.Edit("EdtPSK")->isVisible());
    Choose(p.List("CmbWEP"), 262);
    // The WEP rows give way to the pass phrase.
    for (const char* hidden : {"CmbAuthen", "CmbDefKey", "EdtPhrase", "EdtKey1", "LbKey"}) {
      QVERIFY2(!p.Get<QWidget>(hidden)->isVisible(), hidden);
    }
    QVERIFY(p.Edit("EdtPSK")->isVisible());
    QVERIFY(p.Edit("EdtPSK")->isEnabled());
    QCOMPARE(p.Get<QLabel>("LbPSK")->buddy(), p.Edit("EdtPSK"));
    Choose(p.List("CmbWEP"), kWEPLevel64);
    QVERIFY(!p.Edit("EdtPSK")->isVisible());
    QVERIFY(p.Key(1)->isVisible());
  }

  void wpa2PassPhraseFollowsTheStationRule_data() {
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("7") << QStringLiteral("1234567") << false;
    QTest::newRow("8") << QStringLiteral("12345678") << true;
    QTest::newRow("63") << QString(63, u'x') << true;
    QTest::newRow("64 hexadecimal digits") << QString(64, u'C') << true;
  }

  void wpa2PassPhraseFollowsTheStationRule() {
    QFETCH(QString, phrase);
    QFETCH(bool, accepted);
    Page p("SoftAPWPA2PSK=1\r\n");
    QVERIFY(p.Attached());
    const WLProfile before = Working();
    Choose(p.List("CmbWEP"), 262);
    Type(p.Edit("EdtPSK"), phrase);
    QCOMPARE(p.Edit("EdtPSK")->text(), phrase);
    p.Save();
    if (!accepted) {
      QCOMPARE(p.messages.size(), 1);
      QCOMPARE(p.messages[0].text,
               QStringLiteral("Passphrase should be between 8 to 63 charachers in ASCII format."));
      QCOMPARE(p.messages[0].flags, 0x30);
      QCOMPARE(std::memcmp(&Working(), &before, sizeof before), 0);
      QCOMPARE(p.window.CurrentPage(), p.page);
      return;
    }
    QVERIFY(p.messages.isEmpty());
    QCOMPARE(QString::fromLatin1(Working().WPAPassphrase), phrase);
  }

  void typingPastTheLimitShowsTheMessage() {
    Page p("SoftAPWPA2PSK=1\r\n");
    QVERIFY(p.Attached());
    Choose(p.List("CmbWEP"), 262);
    // A 64th character that does not make 64 hexadecimal digits is refused.
    Type(p.Edit("EdtPSK"), QString(63, u'x') + QStringLiteral("yz"));
    QCOMPARE(p.Edit("EdtPSK")->text(), QString(63, u'x'));
    QTRY_COMPARE_WITH_TIMEOUT(p.messages.size(), 1, kWait);
    QCOMPARE(p.messages[0].text,
             QStringLiteral("Passphrase should be between 8 to 63 charachers in ASCII format."));
  }

  void wpa2AccessPointIsStoredAppliedReloadedAndShared() {
    Page p("SoftAPWPA2PSK=1\r\n");
    QVERIFY(p.Attached());
    // A WEP key left from before must not stay in the WPA2 profile.
    Choose(p.List("CmbWEP"), kWEPLevel64);
    Type(p.Key(1), QStringLiteral("abcde"));
    p.Save();
    QCOMPARE(Working().EncryptionMethod, kEncryptWEP);
    p.window.ShowPage(UiTest::FindChild<TTrifaceLabel>(p.window, "LbAPCfg"), 0);
    p.Edit("EdtSSID")->selectAll();
    Type(p.Edit("EdtSSID"), QStringLiteral("OrvShare"));
    Choose(p.List("CmbWEP"), 262);
    Type(p.Edit("EdtPSK"), QStringLiteral("orvane;hotspot"));
    p.Save();
    QVERIFY(p.messages.isEmpty());

    const WLProfile& saved = Working();
    QCOMPARE(saved.EncryptionMethod, kEncryptWPA2_PSK);
    QCOMPARE(saved.WPAEncryptionType, kWPAAES);
    QCOMPARE(TextOf(saved.WPAPassphrase), "orvane;hotspot");
    QCOMPARE(saved.AuthenticationMode, 7);
    QCOMPARE(saved.WEPEncryptionLevel, kWEPLevelNone);
    QCOMPARE(TextOf(saved.WEPKey1), "");
    std::vector<WLProfile> list;
    p.window.Adapter()->GetProfileList(1, list);
    QCOMPARE(list.size(), std::size_t{1});
    QCOMPARE(std::memcmp(&list.front(), &saved, sizeof saved), 0);
    QTRY_VERIFY_WITH_TIMEOUT(ApTest::RunningAs(*p.window.Adapter(), "OrvShare"), kWait);
    WLANStatus status{};
    p.window.Adapter()->GetStatus(status);
    QCOMPARE(status.SecurityMode, kEncryptWPA2_PSK);

    // The INI form carries it in the station fields.
    QTRY_COMPARE_WITH_TIMEOUT(TextOf(LastApplied().WPAPassphrase), "orvane;hotspot", kWait);
    QCOMPARE(LastApplied().EncryptionMethod, kEncryptWPA2_PSK);
    QCOMPARE(LastApplied().WPAEncryptionType, kWPAAES);

    // Back on the page: chosen again, the phrase masked.
    p.window.ShowPage(UiTest::FindChild<TTrifaceLabel>(p.window, "LbAPCfg"), 0);
    QCOMPARE(p.List("CmbWEP")->currentData().toInt(), 262);
    auto* phrase = p.Get<TSecretEdit>("EdtPSK");
    QVERIFY(phrase->isVisible());
    QVERIFY(phrase->IsMasked());
    QCOMPARE(phrase->text(), QStringLiteral("orvane;hotspot"));

    // Share gives phones the WPA text with the pass phrase.
    std::string shown;
    QImage picture;
    QTimer::singleShot(0, this, [&] {
      TFormBase* top = TFormBase::TopModalForm();
      if (auto* share = qobject_cast<TFormAPShare*>(top)) {
        shown = share->CodeText();
        picture = UiTest::FindChild<TImage>(*share, "ImgQRCode")->Picture();
      }
      if (top != nullptr) top->reject();
    });
    p.Get<TFABitmapBtn>("BtnShare")->click();
    QCOMPARE(shown, std::string("WIFI:T:WPA;S:OrvShare;P:orvane\\;hotspot;;"));
    const auto read = ApTest::ReadQrCode(picture);
    if (!read) QSKIP("zbarimg is not installed");
    QCOMPARE(read->toStdString(), shown);
  }

  void ssidBytesSurviveASaveAndNewNamesAreCutAtWholeCharacters() {
    Page p;
    QVERIFY(p.Attached());
    // Not UTF-8: shown byte for byte, and saved unchanged when not edited.
    const std::string bytes = "Caf\xE9\x01Net";
    CopyText(Working().Ssid1, bytes);
    p.Get<TFABitmapBtn>("BtnCancel")->click();
    QCOMPARE(p.Edit("EdtSSID")->text(), QStringLiteral("Caf\u00E9 Net"));
    p.Save();
    QCOMPARE(std::string(TextOf(Working().Ssid1)), bytes);

    p.window.ShowPage(UiTest::FindChild<TTrifaceLabel>(p.window, "LbAPCfg"), 0);
    // 31 ASCII letters and a two-byte letter make 33 bytes: the last letter does not fit.
    p.Edit("EdtSSID")->setText(QString(31, QLatin1Char('a')) + QStringLiteral("\u00E9"));
    p.Save();
    QCOMPARE(std::string(TextOf(Working().Ssid1)), std::string(31, 'a'));
  }

  void zeroConfigurationTakesThePageAwayAndGivesItBack() {
    Page p;
    QVERIFY(p.Attached());
    p.window.Adapter()->WriteUseWZC(true);
    QVERIFY(!p.Get<QWidget>("BtnSave")->isEnabled());
    QVERIFY(!p.Get<QWidget>("CmbMode")->isEnabled());
    QVERIFY(p.Edit("EdtSSID")->text().isEmpty());
    QCOMPARE(p.List("CmbMode")->currentIndex(), -1);
    // While the service is in charge, entering the page loads nothing.
    p.window.ShowPage(UiTest::FindChild<TTrifaceLabel>(p.window, "LbAPInfo"), 0);
    p.window.ShowPage(UiTest::FindChild<TTrifaceLabel>(p.window, "LbAPCfg"), 0);
    QVERIFY(p.Edit("EdtSSID")->text().isEmpty());

    p.window.Adapter()->WriteUseWZC(false);
    QVERIFY(p.Get<QWidget>("BtnSave")->isEnabled());
    QCOMPARE(p.Edit("EdtSSID")->text(), QStringLiteral("WLAN_AP"));
    QCOMPARE(p.List("CmbMode")->count(), 4);
  }

  void captionsShowWholeAndStayClearOfTheControls() {
    Page p("WEP256=1\r\n");
    QVERIFY(p.Attached());
    const QRect leftCard = ShellGeometry::kCardLeft;
    const QRect rightCard = ShellGeometry::kCardRight;
    QList<QWidget*> controls;
    for (QWidget* child : p.page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QString name = child->objectName();
      if (!child->isHidden() && (name.startsWith(u"Edt") || name.startsWith(u"Cmb") ||
                                 name.startsWith(u"Btn") || name.startsWith(u"Chk"))) {
        controls.append(child);
      }
    }
    QCOMPARE(controls.size(), 13);
    for (const char* name : {"LbSSID", "LbMode", "LbChannel", "LbPower", "LbWEP", "LbAuthen",
                             "LbPhrase", "LbDefKey", "LbKey"}) {
      auto* caption = p.Get<QLabel>(name);
      QVERIFY2(LabelTextWidth(*caption) <= caption->width(), name);
      for (QWidget* control : controls) {
        QVERIFY2(
            !caption->geometry().intersects(control->geometry()),
            qPrintable(QString::fromLatin1(name) + QStringLiteral(" on ") + control->objectName()));
      }
    }
    for (QWidget* control : controls) {
      const QRect at = control->geometry();
      QVERIFY2(leftCard.contains(at) || rightCard.contains(at), qPrintable(control->objectName()));
      for (QWidget* other : controls) {
        if (other != control) QVERIFY(!at.intersects(other->geometry()));
      }
    }
  }

  void pictureButtonsHaveNamesAndTips() {
    UiTestEnv::WriteStrings("[FrameAPCfg]\r\nBtnShare=Share network\r\n");
    Page p;
    QVERIFY(p.Attached());
    const struct {
      const char* name;
      const char* text;
    } buttons[] = {{"BtnSave", "Save"}, {"BtnCancel", "Cancel"}, {"BtnShare", "Share network"}};
    for (const auto& b : buttons) {
      auto* button = p.Get<QWidget>(b.name);
      QCOMPARE(button->accessibleName(), QString::fromLatin1(b.text));
      QCOMPARE(button->toolTip(), QString::fromLatin1(b.text));
    }
  }
};

static const bool registered = UiTestEnv::Register<FrameAPCfgTest>();

#include "frame_ap_cfg_test.moc"
