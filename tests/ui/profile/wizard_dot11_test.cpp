// The 802.1X page in the running utility over the simulated adapter: the
// methods the settings allow, the rows each method shows, the certificate
// lists from the simulated stores, the checks on Next and what is stored for
// WPA, WPA2 and RADIUS, and joining the simulated 802.1X network with it.
// With ORV_SCREENSHOT_DIR set, every method's layout is saved there.

#include <QComboBox>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <algorithm>
#include <cstring>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "platform/text.h"
#include "tests/ui/profile/wizard_test_support.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/frame_profile.h"
#include "ui/shell/mark_image.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"
#include "ui/station/site_list.h"

using namespace WizardTest;

namespace {

QString Q(const char* text) { return QString::fromUtf8(text); }

constexpr int kTLS = 1;
constexpr int kTTLS = 2;
constexpr int kPEAP = 3;
constexpr int kLEAP = 4;

const char* const kRowFields[] = {"EdtPasswd", "CmbMyCert", "CmbServerCA", "CmbInner", "CmbEncryp"};
const char* const kRowCaptions[] = {"LbPasswd", "LbMyCert", "LbServerCA", "LbInner", "LbEncry"};

// The working profile as the survey leaves it for an 802.1X network of that type.
WLProfile& Editing(Running& r, int32_t type) {
  WLProfile& working = FAGlobal().StationProfile();
  working = r.Adapter().DefaultProfile();
  CopyText(working.ProfileName, kEditingProfileName);
  CopyText(working.NetworkInfo.NI_sz_CurProfile, kEditingProfileName);
  CopyText(working.Ssid1, "OrvCorp");
  working.EncryptionMethod = type;
  return working;
}

void Open(Running& r) {
  // As the survey asks for it: the profile page shows the wizard at the 802.1X page.
  r.window.HandleNotify(PM_NEWPROFILE, TFrameProfSet::kRequestSecurityOnly);
  QCOMPARE(r.WindowPage(), Q("FrameProfile1"));
  QCOMPARE(r.Current(), Q("FrameDot111"));
}

template <typename T = QComboBox>
T* Dot11(Running& r, const char* name) {
  return r.On<T>("FrameDot111", name);
}

QList<int> Values(const QComboBox& list) {
  QList<int> values;
  for (int i = 0; i < list.count(); ++i) values.append(list.itemData(i).toInt());
  return values;
}

QStringList Texts(const QComboBox& list) {
  QStringList texts;
  for (int i = 0; i < list.count(); ++i) texts.append(list.itemText(i));
  return texts;
}

// As the user picks an item: the page hears of it.
void Choose(QComboBox& list, int index) {
  QVERIFY2(index >= 0 && index < list.count(), qPrintable(list.objectName()));
  list.setCurrentIndex(index);
  emit list.activated(index);
}

void ChooseValue(QComboBox& list, int value) { Choose(list, list.findData(value)); }

// The row of each shown field under the login name (row 0); hidden fields are
// left out. Each row must stand at a whole step and have its caption with it.
QMap<QString, int> ShownRows(Running& r) {
  QWidget& page = *r.Page("FrameDot111");
  const QWidget* authen = Dot11<QWidget>(r, "LbAuthen");
  const QWidget* user = Dot11<QWidget>(r, "LbUser");
  const int step = user->y() - authen->y();
  QMap<QString, int> rows;
  if (step <= 0) return rows;
  for (std::size_t i = 0; i < std::size(kRowFields); ++i) {
    QWidget* field = Dot11<QWidget>(r, kRowFields[i]);
    QWidget* caption = Dot11<QWidget>(r, kRowCaptions[i]);
    if (caption->isVisibleTo(&page) != field->isVisibleTo(&page)) rows[Q("caption apart")] = -1;
    if (!field->isVisibleTo(&page)) continue;
    const int offset = field->y() - user->y();
    rows[Q(kRowFields[i])] = offset % step == 0 ? offset / step : -1;
    if (caption->geometry().center().y() != field->geometry().center().y()) {
      rows[Q(kRowCaptions[i])] = -1;
    }
  }
  return rows;
}

// Every shown caption has its mark just before it, centred on it; no mark
// stands alone; no two shown controls overlap and all stay inside the card.
void CheckMarksAndOverlaps(Running& r) {
  QWidget& page = *r.Page("FrameDot111");
  QList<QWidget*> captions;
  QList<QWidget*> shown;
  for (QWidget* child : page.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!child->isVisibleTo(&page) || qobject_cast<TMarkImage*>(child) != nullptr) continue;
    if (child->objectName() == u"ImgBG") continue;
    shown.append(child);
    if (child->objectName().startsWith(u"Lb") && child->objectName() != u"LbDot11Set") {
      captions.append(child);
    }
  }
  QList<TMarkImage*> marks;
  for (TMarkImage* mark : page.findChildren<TMarkImage*>(Qt::FindDirectChildrenOnly)) {
    if (mark->isVisibleTo(&page)) marks.append(mark);
  }
  QCOMPARE(marks.size(), captions.size());
  for (QWidget* caption : captions) {
    bool marked = false;
    for (TMarkImage* mark : marks) {
      marked |= mark->geometry().right() + 1 + TMarkImage::kGap == caption->x() &&
                qAbs(mark->geometry().center().y() - caption->geometry().center().y()) <= 1;
    }
    QVERIFY2(marked, qPrintable(caption->objectName()));
  }
  for (qsizetype i = 0; i < shown.size(); ++i) {
    QVERIFY2(ShellGeometry::kCardFull.contains(shown[i]->geometry()),
             qPrintable(shown[i]->objectName()));
    for (qsizetype j = i + 1; j < shown.size(); ++j) {
      QVERIFY2(!shown[i]->geometry().intersects(shown[j]->geometry()),
               qPrintable(shown[i]->objectName() + Q(" / ") + shown[j]->objectName()));
    }
  }
}

void Save(QWidget& window, const QString& name) {
  const QByteArray dir = qgetenv("ORV_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  window.grab().save(QString::fromLocal8Bit(dir) + QLatin1Char('/') + name + Q(".png"));
}

// The simulated library reports its link as equipment does, in reserved status
// bytes: "OLNK", the state (4 connected), attempts made and rejections. It is
// read from the library itself: the manager keeps no status while the link is down.
struct LinkReport {
  uint32_t magic = 0;
  int32_t state = 0;
  int32_t attempts = 0;
  int32_t rejections = 0;
};
constexpr int32_t kLinkConnected = 4;

LinkReport Report() {
  WLANStatus status{};
  int32_t more = 0;
  if (WLLib().Api().ORVWL_GetWLANStatus(&more, &status) != 1) return {};
  LinkReport report;
  std::memcpy(&report, status.reserved2788, sizeof report);
  return report.magic == 0x4B4E4C4F ? report : LinkReport{};
}

}  // namespace

class WizardDot11Test : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void cleanup() {
    SetMessageAnswerer({});
    UiTestEnv::Simulator({"fault", "clear"});
  }

  void methodsByTheSettingsOfTheType_data() {
    QTest::addColumn<int>("type");
    QTest::addColumn<std::string>("lines");
    QTest::addColumn<QList<int>>("methods");
    const QList<int> usual{kTLS, kPEAP, kTTLS};
    QTest::newRow("WPA2, LEAP off by default") << 7 << std::string() << usual;
    QTest::newRow("WPA with LEAP")
        << 3 << std::string("EnWPA_LEAP=1\r\n") << QList<int>{kTLS, kPEAP, kTTLS, kLEAP};
    QTest::newRow("RADIUS ignores the WPA key")
        << 4 << std::string("EnWPA_LEAP=1\r\nEnRADIUS_TLS=0\r\n") << QList<int>{kPEAP, kTTLS};
    QTest::newRow("RADIUS with LEAP")
        << 4 << std::string("EnRADIUS_LEAP=1\r\n") << QList<int>{kTLS, kPEAP, kTTLS, kLEAP};
    QTest::newRow("WPA2 ignores the RADIUS keys")
        << 7 << std::string("EnRADIUS_LEAP=1\r\nEnWPA_TTLS=0\r\n") << QList<int>{kTLS, kPEAP};
  }

  void methodsByTheSettingsOfTheType() {
    QFETCH(int, type);
    QFETCH(std::string, lines);
    QFETCH(QList<int>, methods);
    UiTestEnv::WriteSettings(Settings(lines));
    Running r;
    QVERIFY(r.attached);
    Editing(r, type);
    Open(r);
    QCOMPARE(Values(*Dot11(r, "CmbAuthen")), methods);
    QCOMPARE(Dot11(r, "CmbAuthen")->currentIndex(), 0);
  }

  void rowsOfEveryMethodFollowEachOtherWithTheirMarks() {
    UiTestEnv::WriteSettings(Settings("EnWPA_LEAP=1\r\nEnRADIUS_LEAP=1\r\n"));
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&r.window));
    using Rows = QMap<QString, int>;
    const QList<std::pair<int, Rows>> wpa{
        {kTLS, {{Q("CmbMyCert"), 1}, {Q("CmbServerCA"), 2}, {Q("CmbEncryp"), 3}}},
        {kPEAP,
         {{Q("EdtPasswd"), 1}, {Q("CmbServerCA"), 2}, {Q("CmbInner"), 3}, {Q("CmbEncryp"), 4}}},
        {kTTLS,
         {{Q("EdtPasswd"), 1}, {Q("CmbServerCA"), 2}, {Q("CmbInner"), 3}, {Q("CmbEncryp"), 4}}},
        {kLEAP, {{Q("EdtPasswd"), 1}, {Q("CmbEncryp"), 2}}},
    };
    for (const int type : {7, 4}) {
      Editing(r, type);
      Open(r);
      for (const auto& [method, expected] : wpa) {
        Rows rows = expected;
        // RADIUS has no cipher to choose.
        if (type == 4) rows.remove(Q("CmbEncryp"));
        ChooseValue(*Dot11(r, "CmbAuthen"), method);
        const QString name =
            Q(type == 4 ? "RADIUS " : "WPA2 ") + Dot11(r, "CmbAuthen")->currentText();
        QVERIFY2(ShownRows(r) == rows, qPrintable(name));
        CheckMarksAndOverlaps(r);
        if (QTest::currentTestFailed()) return;
        Save(r.window, Q("FrameDot111 ") + name);
      }
    }
  }

  void noMethodHidesEveryRowButTheLoginAndChecksAsTLS() {
    UiTestEnv::WriteSettings(
        Settings("EnWPA_TLS=0\r\nEnWPA_PEAP=0\r\nEnWPA_TTLS=0\r\nEnWPA_LEAP=0\r\n"));
    Running r;
    QVERIFY(r.attached);
    Editing(r, 7);
    Open(r);
    QCOMPARE(Dot11(r, "CmbAuthen")->count(), 0);
    QVERIFY(ShownRows(r).isEmpty());
    Answering answers;
    Dot11<QLineEdit>(r, "EdtUser")->setText(Q("alice"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QVERIFY(answers.asked.isEmpty());
    const WLProfile& working = FAGlobal().StationProfile();
    QCOMPARE(working.MS8021xAuthMode, kTLS);
    // Hidden is hidden: the personal certificate row was not shown, so none is stored.
    QCOMPARE(Q(working.sCertificate), QString());
  }

  void radiusWithTlsStoresModeTwoAndTkip() {
    Running r;
    QVERIFY(r.attached);
    WLProfile& working = Editing(r, 4);
    working.MS8021xAuthMode = kTLS;
    working.WPAEncryptionType = 2;
    working.AuthenticationMode = 6;
    CopyText(working.LoginName, "alice");
    CopyText(working.LoginPassword, "left over");
    Open(r);
    QCOMPARE(ShownRows(r), (QMap<QString, int>{{Q("CmbMyCert"), 1}, {Q("CmbServerCA"), 2}}));
    QCOMPARE(Dot11(r, "CmbMyCert")->currentText(), Q("alice@orvane.example [Or-Vane Issuing CA]"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(working.AuthenticationMode, 2);
    QCOMPARE(working.WPAEncryptionType, 1);
    QCOMPARE(working.MS8021xAuthMode, kTLS);
    QCOMPARE(Q(working.LoginName), Q("alice"));
    QCOMPARE(Q(working.LoginPassword), QString());
    QCOMPARE(Q(working.sCertificate), Q("alice@orvane.example"));
    QCOMPARE(Q(working.sCertificate_Issuer), Q("Or-Vane Issuing CA"));
    QCOMPARE(Q(working.sCertAuthority), QString());
    QCOMPARE(working.ValidateServerCert, 0);
  }

  void wpa2PeapNeedsAPasswordThenStoresModeSix_data() {
    QTest::addColumn<std::string>("lines");
    QTest::addColumn<int>("inner");
    QTest::addColumn<QList<int>>("offered");
    QTest::newRow("MS-CHAP v2 only") << std::string() << 2 << QList<int>{2};
    QTest::newRow("GTC enabled and chosen")
        << std::string("EnPEAP_GTC=1\r\n") << 1 << QList<int>{2, 1};
  }

  void wpa2PeapNeedsAPasswordThenStoresModeSix() {
    QFETCH(std::string, lines);
    QFETCH(int, inner);
    QFETCH(QList<int>, offered);
    UiTestEnv::WriteSettings(Settings(lines));
    Running r;
    QVERIFY(r.attached);
    WLProfile& working = Editing(r, 7);
    working.TTLSEap = 1;
    Open(r);
    ChooseValue(*Dot11(r, "CmbAuthen"), kPEAP);
    QCOMPARE(Dot11<QWidget>(r, "LbInner")->property("text").toString(), Q("PEAP Inner EAP:"));
    QCOMPARE(Values(*Dot11(r, "CmbInner")), offered);
    QCOMPARE(Dot11(r, "CmbInner")->currentIndex(), 0);
    Dot11<QLineEdit>(r, "EdtUser")->setText(Q("alice"));
    Answering answers;
    QCOMPARE(r.Next(), Q("FrameDot111"));
    QCOMPARE(answers.asked, QStringList{Q("The password is empty.\nPlease enter a password.")});
    QCOMPARE(answers.flags, QList<int>{0x30});
    // Nothing is written before every check has passed.
    QCOMPARE(working.MS8021xAuthMode, 0);
    QCOMPARE(Q(working.LoginName), QString());

    Dot11<QLineEdit>(r, "EdtPasswd")->setText(Q("wonderland"));
    ChooseValue(*Dot11(r, "CmbInner"), inner);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(answers.asked.size(), 1);
    QCOMPARE(working.AuthenticationMode, 6);
    QCOMPARE(working.MS8021xAuthMode, kPEAP);
    QCOMPARE(working.PeapEap, inner);
    QCOMPARE(working.TTLSEap, 1);
    QCOMPARE(Q(working.LoginPassword), Q("wonderland"));

    // Back on the page: the stored password is shown masked, the choices as stored.
    r.Press("BtnBack");
    QCOMPARE(r.Current(), Q("FrameDot111"));
    QCOMPARE(Dot11(r, "CmbAuthen")->currentData().toInt(), kPEAP);
    QCOMPARE(Dot11(r, "CmbInner")->currentData().toInt(), inner);
    auto* secret = Dot11<QLineEdit>(r, "EdtPasswd");
    QCOMPARE(secret->echoMode(), QLineEdit::Password);
    // The first key press replaces it; the new one is what is stored.
    QTest::keyClicks(secret, Q("x"));
    QCOMPARE(secret->echoMode(), QLineEdit::Normal);
    QCOMPARE(secret->text(), Q("x"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(Q(working.LoginPassword), Q("x"));
    // Nothing of the longer password before lingers behind the new one.
    QVERIFY(std::all_of(std::begin(working.LoginPassword) + 1, std::end(working.LoginPassword),
                        [](char c) { return c == 0; }));
  }

  void wpaStoresModeThreeAndTheChosenCipher() {
    UiTestEnv::WriteSettings(Settings("EnableTKIP=0\r\n"));
    Running r;
    QVERIFY(r.attached);
    WLProfile& working = Editing(r, 3);
    working.WPAEncryptionType = 1;
    working.MS8021xAuthMode = kTTLS;
    CopyText(working.LoginName, "alice");
    CopyText(working.LoginPassword, "wonderland");
    Open(r);
    QCOMPARE(Values(*Dot11(r, "CmbEncryp")), QList<int>{2});
    QCOMPARE(Dot11<QWidget>(r, "LbInner")->property("text").toString(), Q("TTLS Protocol:"));
    QCOMPARE(Values(*Dot11(r, "CmbInner")), (QList<int>{0, 1, 2, 3}));
    QCOMPARE(Dot11(r, "CmbInner")->currentData().toInt(), 3);
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QCOMPARE(working.AuthenticationMode, 3);
    QCOMPARE(working.WPAEncryptionType, 2);
    QCOMPARE(working.TTLSEap, 3);
  }

  void tlsWithoutCertificatesAsksForOneAfterTheLoginName() {
    Running r;
    QVERIFY(r.attached);
    Editing(r, 7);
    // The personal store answers first, and here answers nothing.
    QVERIFY(UiTestEnv::Simulator({"fault", "EnumCertificates", "fail"}));
    Open(r);
    QCOMPARE(Dot11(r, "CmbAuthen")->currentData().toInt(), kTLS);
    QCOMPARE(Dot11(r, "CmbMyCert")->count(), 0);
    QCOMPARE(Texts(*Dot11(r, "CmbServerCA")),
             (QStringList{Q("Trust Any"), Q("Or-Vane Root CA"), Q("Example Global Root R2")}));
    Answering answers;
    QCOMPARE(r.Next(), Q("FrameDot111"));
    Dot11<QLineEdit>(r, "EdtUser")->setText(Q("alice"));
    QCOMPARE(r.Next(), Q("FrameDot111"));
    QCOMPARE(answers.asked, (QStringList{Q("The login name is empty.\nPlease enter a login name."),
                                         Q("You must specify a certificate.")}));
  }

  void leapAcceptsAnEmptyLoginAndKeepsTheAuthorityChosenUnderTtls() {
    UiTestEnv::WriteSettings(Settings("EnWPA_LEAP=1\r\n"));
    Running r;
    QVERIFY(r.attached);
    WLProfile& working = Editing(r, 7);
    CopyText(working.sCertificate, "alice@orvane.example");
    CopyText(working.sCertificate_Issuer, "Or-Vane Issuing CA");
    Open(r);
    ChooseValue(*Dot11(r, "CmbAuthen"), kTTLS);
    Choose(*Dot11(r, "CmbServerCA"), Dot11(r, "CmbServerCA")->findText(Q("Or-Vane Root CA")));
    ChooseValue(*Dot11(r, "CmbAuthen"), kLEAP);
    QVERIFY(!Dot11(r, "CmbServerCA")->isVisibleTo(r.Page("FrameDot111")));
    Answering answers;
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QVERIFY(answers.asked.isEmpty());
    QCOMPARE(working.MS8021xAuthMode, kLEAP);
    QCOMPARE(Q(working.LoginName), QString());
    QCOMPARE(Q(working.sCertAuthority), Q("Or-Vane Root CA"));
    QCOMPARE(Q(working.sCertAuthority_Issuer), Q("Or-Vane Root CA"));
    // The personal certificate was not shown for LEAP.
    QCOMPARE(Q(working.sCertificate), QString());
    QCOMPARE(Q(working.sCertificate_Issuer), QString());
  }

  void certificatesAreReadAgainOnEveryEntry() {
    Running r;
    QVERIFY(r.attached);
    WLProfile& working = Editing(r, 7);
    working.MS8021xAuthMode = kTLS;
    CopyText(working.LoginName, "bob");
    CopyText(working.sCertificate, "bob@orvane.example");
    CopyText(working.sCertificate_Issuer, "Or-Vane Issuing CA");
    CopyText(working.sCertAuthority, "Or-Vane Root CA");
    CopyText(working.sCertAuthority_Issuer, "Or-Vane Root CA");
    Open(r);
    QCOMPARE(Texts(*Dot11(r, "CmbMyCert")),
             (QStringList{Q("alice@orvane.example [Or-Vane Issuing CA]"),
                          Q("bob@orvane.example [Or-Vane Issuing CA]")}));
    QCOMPARE(Dot11(r, "CmbMyCert")->currentIndex(), 1);
    QCOMPARE(Dot11(r, "CmbServerCA")->currentText(), Q("Or-Vane Root CA"));

    // A certificate no longer in the store: the first one, and no complaint.
    // The same issuer under another name is not the same certificate.
    CopyText(working.sCertificate, "carol@orvane.example");
    CopyText(working.sCertAuthority_Issuer, "Someone Else");
    Open(r);
    QCOMPARE(Dot11(r, "CmbMyCert")->count(), 2);
    QCOMPARE(Dot11(r, "CmbServerCA")->count(), 3);
    QCOMPARE(Dot11(r, "CmbMyCert")->currentIndex(), 0);
    QCOMPARE(Dot11(r, "CmbServerCA")->currentIndex(), 0);
    Answering answers;
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    QVERIFY(answers.asked.isEmpty());
    QCOMPARE(Q(working.sCertificate), Q("alice@orvane.example"));
    QCOMPARE(Q(working.sCertAuthority), QString());
    QCOMPARE(Q(working.sCertAuthority_Issuer), QString());
  }

  void joinsTheCorporateNetworkFromItsScanEntry_data() {
    QTest::addColumn<QString>("password");
    QTest::addColumn<bool>("joins");
    QTest::newRow("right password") << Q("wonderland") << true;
    QTest::newRow("wrong password") << Q("looking-glass") << false;
  }

  void joinsTheCorporateNetworkFromItsScanEntry() {
    QFETCH(QString, password);
    QFETCH(bool, joins);
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    auto* survey = UiTest::FindChild<QWidget>(r.window, "FrameSurvey1");
    UiTest::FindChild<QTimer>(*survey, "TimerSurvey")->setInterval(20);
    QTest::mouseClick(UiTest::FindChild<QWidget>(r.window, "LbSiteSurvey"), Qt::LeftButton);
    QCOMPARE(r.WindowPage(), Q("FrameSurvey1"));
    auto* list = UiTest::FindChild<QTreeWidget>(*survey, "LvSite");
    QTRY_VERIFY_WITH_TIMEOUT(
        !list->findItems(Q("OrvCorp"), Qt::MatchExactly, SiteList::kColSsid).isEmpty(), kWait);
    list->setCurrentItem(list->findItems(Q("OrvCorp"), Qt::MatchExactly, SiteList::kColSsid)[0]);
    auto* connectButton = UiTest::FindChild<QWidget>(*survey, "BtnConnect");
    QTRY_VERIFY_WITH_TIMEOUT(connectButton->isEnabled(), kWait);
    QTest::mouseClick(connectButton, Qt::LeftButton);
    QCOMPARE(r.WindowPage(), Q("FrameProfile1"));
    QCOMPARE(r.Current(), Q("FrameDot111"));
    ChooseValue(*Dot11(r, "CmbAuthen"), kPEAP);
    Dot11<QLineEdit>(r, "EdtUser")->setText(Q("alice"));
    QTest::keyClicks(Dot11<QLineEdit>(r, "EdtPasswd"), password);
    Save(r.window, Q("FrameDot111 OrvCorp"));
    QCOMPARE(r.Next(), Q("FrameConfirm1"));
    r.Press("BtnSave");
    QTRY_COMPARE_WITH_TIMEOUT(r.WindowPage(), Q("FrameLinkInfo1"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string(kEditingProfileName), kWait);
    if (joins) {
      QTRY_COMPARE_WITH_TIMEOUT(Report().state, kLinkConnected, kWait);
      // The manager reports the link at its next collection.
      const auto joined = [&] {
        WLANStatus status{};
        r.Adapter().GetStatus(status);
        return QByteArray(reinterpret_cast<const char*>(status.Ssid), status.SsidLength);
      };
      QTRY_COMPARE_WITH_TIMEOUT(joined(), QByteArray("OrvCorp"), kWait);
    } else {
      QTRY_VERIFY_WITH_TIMEOUT(Report().rejections > 0, kWait);
      QVERIFY(Report().state != kLinkConnected);
    }
  }
};

static const bool registered = UiTestEnv::Register<WizardDot11Test>();

#include "wizard_dot11_test.moc"
