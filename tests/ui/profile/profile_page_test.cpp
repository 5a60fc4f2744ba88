// The profile list page in the main window, against the simulated adapter and
// its profile store: the list, the information panel, the four buttons, the
// applied-profile highlight, SaveProfile, ConnectLast and the wizard host.

#include <QHeaderView>
#include <QTest>
#include <QTreeWidget>

#include "adapter/nic_adapter.h"
#include "adapter/wl_library.h"
#include "core/fa_global_var.h"
#include "core/notifier.h"
#include "model/profile_ini.h"
#include "platform/text.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/sort_lv.h"
#include "ui/profile/frame_prof_set.h"
#include "ui/profile/frame_profile.h"
#include "ui/profile/profile_row.h"
#include "ui/shell/form_main.h"
#include "ui/shell/show_message.h"

namespace {

using std::chrono::milliseconds;
constexpr int kWait = 10000;

std::string Settings(const std::string& adapterLines = {}) {
  return "[Setting]\r\nHWID0=SIM\\ORVWL_0001\r\n[SIM\\ORVWL_0001]\r\n" + adapterLines;
}

TFormMain::Timing FastTiming() {
  TFormMain::Timing timing;
  timing.detect.detectDelay = milliseconds(30);
  timing.adapter.firstCollect = milliseconds(10);
  timing.adapter.collect = milliseconds(40);
  timing.adapter.afterConnect = milliseconds(10);
  timing.adapter.detectRetry = milliseconds(10);
  timing.adapter.afterRelease = milliseconds(10);
  return timing;
}

WLProfile Station(const std::string& name, const char* ssid = "OrvOpen") {
  WLProfile p{};
  ResetSecurity(p);
  p.TxRate = 15;
  p.NetworkMode = 1;
  p.ABGMode = 34;
  p.FragThreshold = 2346;
  p.RTSThreshold = 2347;
  p.PreambleMode = 2;
  CopyText(p.ProfileName, name);
  CopyText(p.Ssid1, ssid);
  return p;
}

// The library's store holds exactly these profiles, in this order.
void StoreOnly(const std::vector<WLProfile>& profiles) {
  const auto& api = WLLib().Api();
  char name[kProfileNameBufferSize] = {};
  for (int guard = 0; guard < 1000 && api.ORVWL_EnumWLProfiles(0, name) == 1; ++guard) {
    api.ORVWL_DeleteWLProfile(name);
  }
  for (const WLProfile& p : profiles) api.ORVWL_SetWLProfile(p.ProfileName, &p);
}

std::vector<std::string> StoredNames() {
  std::vector<std::string> names;
  char name[kProfileNameBufferSize] = {};
  for (int i = 0; WLLib().Api().ORVWL_EnumWLProfiles(i, name) == 1; ++i) names.emplace_back(name);
  return names;
}

bool Stored(const std::string& name) {
  WLProfile p{};
  return WLLib().Api().ORVWL_GetWLProfile(name.c_str(), &p) == 1;
}

QString Q(const std::string& bytes) { return QString::fromUtf8(bytes); }

QStringList L(std::initializer_list<const char*> texts) {
  QStringList list;
  for (const char* text : texts) list.append(QString::fromUtf8(text));
  return list;
}

// The utility's window bound to the simulated adapter, on its profile page.
struct Running {
  Running() {
    window.Start(0);
    attached = QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait);
    page = UiTest::FindChild<TFrameProfile>(window, "FrameProfile1");
    list = UiTest::FindChild<TSortLv>(*page, "LvProf");
  }

  template <typename T = QWidget>
  T* Control(const char* name) {
    return UiTest::FindChild<T>(*page, name);
  }
  CNICAdapter& Adapter() { return *window.Adapter(); }
  std::string Applied() {
    WLProfile applied{};
    if (window.Adapter() == nullptr || !window.Adapter()->GetAppliedProfile(applied)) return {};
    return std::string(TextOf(applied.ProfileName));
  }
  // The connection at start is done when its name is recorded as the last one,
  // so that what a test writes there afterwards stays.
  bool Settled(const std::string& name) {
    return QTest::qWaitFor(
        [&] { return Applied() == name && Adapter().Settings().ReadSet("LastProf", "") == name; },
        kWait);
  }
  QStringList Names() const {
    QStringList names;
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
      names.append(list->topLevelItem(i)->text(ProfileRow::kColName));
    }
    return names;
  }
  ProfileRow* Row(int index) const { return static_cast<ProfileRow*>(list->topLevelItem(index)); }
  ProfileRow* Row(const QString& name) const {
    const QList<QTreeWidgetItem*> found =
        list->findItems(name, Qt::MatchExactly, ProfileRow::kColName);
    return found.isEmpty() ? nullptr : static_cast<ProfileRow*>(found.front());
  }
  ProfileRow* Row(const char* name) const { return Row(QString::fromUtf8(name)); }
  void Select(const char* name) {
    ProfileRow* row = Row(name);
    QVERIFY2(row != nullptr, name);
    list->setCurrentItem(row);
  }
  // The information panel's value; the wizard's summary has labels of the same names.
  QString Value(const char* name) {
    return UiTest::FindChild<TEllipsisLabel>(*Control("PlProfile"), name)->text();
  }
  void Click(const char* button) { QTest::mouseClick(Control(button), Qt::LeftButton); }
  bool Enabled(const char* button) { return Control(button)->isEnabled(); }
  bool WizardShown() {
    return !Control("FrameProfSet1")->isHidden() && Control("PlProfile")->isHidden();
  }

  TFormMain window{FastTiming()};
  bool attached = false;
  TFrameProfile* page = nullptr;
  TSortLv* list = nullptr;
};

// Answers every message with the given button and keeps what was asked.
struct Answering {
  explicit Answering(int answer) {
    SetMessageAnswerer([this, answer](QWidget*, const QString& text, int flags) {
      asked.append(text);
      this->flags.append(flags);
      return answer;
    });
  }
  ~Answering() { SetMessageAnswerer({}); }
  QStringList asked;
  QList<int> flags;
};

}  // namespace

class ProfilePageTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    UiTestEnv::WriteSettings(Settings());
    UiTestEnv::WriteStrings("");
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
  }

  void cleanup() { SetMessageAnswerer({}); }

  void listsTheStoredProfilesSortedByNameWithTheirPictures() {
    WLProfile adHoc = Station("beach", "PartyNet");
    adHoc.NetworkMode = 2;
    adHoc.EncryptionMethod = 1;
    WLProfile wpa = Station("Attic", "OrvHome");
    wpa.EncryptionMethod = 6;
    StoreOnly({Station("Cellar"), adHoc, wpa, Station("dorm")});
    Running r;
    QVERIFY(r.attached);
    QCOMPARE(r.Names(), (L({"Attic", "beach", "Cellar", "dorm"})));
    QCOMPARE(r.Row(0)->ImageIndex(), 2);
    QCOMPARE(r.Row(1)->ImageIndex(), 3);
    QCOMPARE(r.Row(2)->ImageIndex(), 0);
    QCOMPARE(r.Row(1)->text(ProfileRow::kColSsid), QStringLiteral("PartyNet"));
    QVERIFY(!r.Row(0)->icon(ProfileRow::kColImage).isNull());
    // The first row is selected and shown.
    QCOMPARE(r.list->selectedItems(), (QList<QTreeWidgetItem*>{r.Row(0)}));
    QCOMPARE(r.Value("LblSecurity"), QStringLiteral("WPA2-PSK"));
    for (const char* button : {"BtnActivate", "BtnAdd", "BtnDelete", "BtnEdit"}) {
      QVERIFY2(r.Enabled(button), button);
    }

    // Column 0 never sorts; the SSID column sorts, a second click reverses.
    QTest::mouseClick(r.list->header()->viewport(), Qt::LeftButton, {},
                      QPoint(r.list->header()->sectionViewportPosition(0) + 5, 5));
    QCOMPARE(r.Names(), (L({"Attic", "beach", "Cellar", "dorm"})));
    emit r.list->header()->sectionClicked(ProfileRow::kColSsid);
    QCOMPARE(r.list->SortColunm(), int{ProfileRow::kColSsid});
    QCOMPARE(r.Names(), (L({"Attic", "Cellar", "dorm", "beach"})));
    emit r.list->header()->sectionClicked(ProfileRow::kColSsid);
    QCOMPARE(r.Names(), (L({"beach", "Cellar", "dorm", "Attic"})));
    // Another column keeps the direction.
    emit r.list->header()->sectionClicked(ProfileRow::kColName);
    QCOMPARE(r.Names(), (L({"dorm", "Cellar", "beach", "Attic"})));
    // The selection stays with its row.
    QCOMPARE(r.list->selectedItems().front()->text(ProfileRow::kColName), QStringLiteral("Attic"));
  }

  void informationPanelShowsTheSelectedProfile() {
    UiTestEnv::WriteSettings(Settings("EnableAdHocG=0\r\n"));
    WLProfile slow = Station("Slow");
    slow.TxRate = 11;
    slow.Channel = 11;
    slow.ABGMode = 11;
    WLProfile fast = Station("Fast");
    fast.TxRate = 108;
    fast.ABGMode = 2;
    fast.EncryptionMethod = 2;
    WLProfile adHoc = Station("Peer", "OrvPeer");
    adHoc.NetworkMode = 2;
    adHoc.AdHocBand = 3;
    adHoc.Channel = 6;
    adHoc.TxRate = 22;
    WLProfile autoChannel = adHoc;
    CopyText(autoChannel.ProfileName, "PeerAuto");
    autoChannel.Channel = 0;
    autoChannel.TxRate = 0;
    StoreOnly({slow, fast, adHoc, autoChannel});
    Running r;
    QVERIFY(r.attached);

    r.Select("Slow");
    QCOMPARE(r.Value("LblNetType"), QStringLiteral("Infrastructure"));
    QCOMPARE(r.Value("LblWlMode"), QStringLiteral("2.4 GHz"));
    QCOMPARE(r.Value("LblChannel"), QStringLiteral("Auto"));
    QCOMPARE(r.Value("LblSecurity"), QStringLiteral("Disabled"));
    QCOMPARE(r.Value("LblTxRate"), QStringLiteral("5.5 Mbps"));
    r.Select("Fast");
    QCOMPARE(r.Value("LblWlMode"), QStringLiteral("5 GHz"));
    QCOMPARE(r.Value("LblSecurity"), QStringLiteral("WPA-PSK"));
    QCOMPARE(r.Value("LblTxRate"), QStringLiteral("54 Mbps"));
    r.Select("Peer");
    QCOMPARE(r.Value("LblNetType"), QStringLiteral("Ad-Hoc"));
    // Without "EnableAdHocG" the ad hoc radio is named by its band.
    QCOMPARE(r.Value("LblWlMode"), QStringLiteral("2.4 GHz"));
    QCOMPARE(r.Value("LblChannel"), QStringLiteral("6"));
    QCOMPARE(r.Value("LblTxRate"), QStringLiteral("11 Mbps"));
    r.Select("PeerAuto");
    QCOMPARE(r.Value("LblChannel"), QStringLiteral("Auto"));
    QCOMPARE(r.Value("LblTxRate"), QStringLiteral("Auto"));

    r.list->clearSelection();
    for (const char* value :
         {"LblNetType", "LblWlMode", "LblChannel", "LblSecurity", "LblTxRate"}) {
      QVERIFY2(r.Value(value).isEmpty(), value);
    }
    QVERIFY(!r.Enabled("BtnActivate"));
    QVERIFY(!r.Enabled("BtnDelete"));
    QVERIFY(!r.Enabled("BtnEdit"));
    QVERIFY(r.Enabled("BtnAdd"));
  }

  void captionsValuesAndButtonsStandWhereTheyBelong() {
    UiTestEnv::WriteStrings(
        "[FrameProfile]\r\nLbTxRate=Vitesse de transmission:\r\n"
        "BtnDelete=Supprimer\r\nLvProf_Col1=Nom\r\n");
    Running r;
    QVERIFY(r.attached);
    // The wizard's pages have captions of these names too.
    const QWidget& panel = *r.Control("PlProfile");
    for (auto [caption, value] :
         {std::pair{"LbNetType", "LblNetType"}, {"LbTxRate", "LblTxRate"}}) {
      const QWidget* c = UiTest::FindChild<QWidget>(panel, caption);
      const QWidget* v = UiTest::FindChild<QWidget>(panel, value);
      QCOMPARE(v->x(), c->geometry().right() + 1 + 6);
      QCOMPARE(v->geometry().right() + 1, 577);
    }
    QCOMPARE(r.list->headerItem()->text(ProfileRow::kColName), QStringLiteral("Nom"));
    // One row ending at 317: Activate, Add, Delete, Edit, none overlapping.
    int right = 318;
    for (const char* name : {"BtnEdit", "BtnDelete", "BtnAdd", "BtnActivate"}) {
      const QRect button = r.Control(name)->geometry();
      QVERIFY2(button.right() < right, name);
      QVERIFY2(button.left() > 4, name);
      right = button.left();
    }
    QCOMPARE(r.Control("BtnEdit")->geometry().right() + 1, 317);
    QCOMPARE(r.Control("BtnDelete")->accessibleName(), QStringLiteral("Supprimer"));
    QCOMPARE(r.Control("BtnDelete")->toolTip(), QStringLiteral("Supprimer"));
    QCOMPARE(r.Control("BtnActivate")->accessibleName(), QStringLiteral("Activate"));
  }

  void addStartsTheWizardWithTheFirstFreeName() {
    StoreOnly({Station("Default"), Station("Default_1")});
    Running r;
    QVERIFY(r.attached);
    r.Click("BtnAdd");
    const WLProfile& working = FAGlobal().StationProfile();
    QCOMPARE(Q(working.ProfileName), QStringLiteral("Default_2"));
    QCOMPARE(Q(working.NetworkInfo.NI_sz_CurProfile), QStringLiteral("Default_2"));
    QCOMPARE(Q(working.Ssid1), QStringLiteral("ANY"));
    QVERIFY(r.WizardShown());
    auto* host = r.Control<TFrameProfSet>("FrameProfSet1");
    QCOMPARE(host->ReturnPage(), 2);
    QCOMPARE(host->Request(), 0);
    // Entering the page normally brings the list back.
    QVERIFY(r.page->EnterPage(nullptr, 0, 0));
    QVERIFY(!r.WizardShown());
  }

  void addKeepsTheNumberOfALongDefaultName() {
    const std::string longName(64, 'L');
    UiTestEnv::WriteSettings(Settings("ProfName=" + longName + "\r\n"));
    StoreOnly({Station(longName)});
    Running r;
    QVERIFY(r.attached);
    r.Click("BtnAdd");
    QCOMPARE(Q(FAGlobal().StationProfile().ProfileName), Q(std::string(62, 'L') + "_1"));
  }

  void deleteAsksFirstAndCancelChangesNothing() {
    StoreOnly({Station("One"), Station("Two"), Station("Three")});
    Running r;
    QVERIFY(r.attached);
    r.Select("Two");
    {
      Answering cancel(kIdCancel);
      r.Click("BtnDelete");
      QCOMPARE(cancel.asked, QStringList{QStringLiteral("Really remove 'Two'?")});
      QCOMPARE(cancel.flags, QList<int>{kMbOkCancel | kMbIconInformation});
    }
    QCOMPARE(r.Names(), (L({"One", "Three", "Two"})));
    QVERIFY(Stored("Two"));
    QCOMPARE(r.list->selectedItems().front()->text(ProfileRow::kColName), QStringLiteral("Two"));

    // The translated question is data, not a format: only its %s is filled.
    UiTestEnv::WriteStrings("[Message]\r\nRemoveProf=%d%% '%s' entfernen?\r\n");
    Answering cancelAgain(kIdCancel);
    r.Click("BtnDelete");
    QCOMPARE(cancelAgain.asked, QStringList{QStringLiteral("%d% 'Two' entfernen?")});
  }

  void deletingTheLastRowSelectsTheNewLastAndTheOnlyRowEmptiesTheList() {
    StoreOnly({Station("A"), Station("B"), Station("C")});
    Running r;
    QVERIFY(r.attached);
    Answering ok(kIdOk);
    r.Select("C");
    r.Click("BtnDelete");
    QCOMPARE(r.Names(), (L({"A", "B"})));
    QVERIFY(!Stored("C"));
    QCOMPARE(r.list->selectedItems(), (QList<QTreeWidgetItem*>{r.Row(1)}));
    QCOMPARE(r.Adapter().Settings().ReadSet("ProfCount", int32_t{-1}), 2);

    r.Select("A");
    r.Click("BtnDelete");
    QCOMPARE(r.list->selectedItems(), (QList<QTreeWidgetItem*>{r.Row(0)}));
    r.Click("BtnDelete");
    QVERIFY(r.Names().isEmpty());
    QVERIFY(StoredNames() == std::vector<std::string>{"Default_SoftAP"});
    QVERIFY(!r.Enabled("BtnActivate"));
    QVERIFY(!r.Enabled("BtnDelete"));
    QVERIFY(!r.Enabled("BtnEdit"));
    QVERIFY(r.Enabled("BtnAdd"));
    QVERIFY(r.Value("LblNetType").isEmpty());
    QCOMPARE(ok.asked.size(), 3);
  }

  void editRenamesTheRowFoundByTheNameBeforeEditing() {
    StoreOnly({Station("Home", "OrvHome"), Station("Work")});
    Running r;
    QVERIFY(r.attached);
    r.Select("Home");
    r.Click("BtnEdit");
    QVERIFY(r.WizardShown());
    QCOMPARE(r.Control<TFrameProfSet>("FrameProfSet1")->Request(), 0x100);
    WLProfile& working = FAGlobal().StationProfile();
    QCOMPARE(Q(working.ProfileName), QStringLiteral("Home"));
    CopyText(working.ProfileName, "Office");
    working.EncryptionMethod = 6;
    CopyText(working.WPAPassphrase, "correct horse battery");

    QCOMPARE(r.window.HandleNotify(PM_SAVEPROFILE, TFrameProfile::kSaveUpdate), intptr_t{1});
    QCOMPARE(r.Names(), (L({"Office", "Work"})));
    QVERIFY(!Stored("Home"));
    QVERIFY(Stored("Office"));
    QCOMPARE(r.Row(0)->ImageIndex(), 2);
    QCOMPARE(r.list->selectedItems(), (QList<QTreeWidgetItem*>{r.Row(0)}));
    QCOMPARE(r.Value("LblSecurity"), QStringLiteral("WPA2-PSK"));
    QCOMPARE(r.Adapter().Settings().ReadSet("Prof0", ""), "Office");
    std::vector<WLProfile> listed;
    r.Adapter().GetProfileList(0, listed);
    QCOMPARE(Q(listed.front().WPAPassphrase), QStringLiteral("correct horse battery"));

    // Neither the new name nor the one before editing is listed any more.
    CopyText(working.ProfileName, "Nowhere");
    QCOMPARE(r.window.HandleNotify(PM_SAVEPROFILE, TFrameProfile::kSaveUpdate), intptr_t{0});
    QVERIFY(!Stored("Nowhere"));
    QCOMPARE(r.Names(), (L({"Office", "Work"})));
  }

  void saveAddsANewProfileAtTheTopAndUpdatesAKnownOne() {
    StoreOnly({Station("Alpha"), Station("Beta")});
    Running r;
    QVERIFY(r.attached);
    WLProfile& working = FAGlobal().StationProfile();
    working = Station("Zulu", "OrvWPA");
    QVERIFY(r.page->SaveProfile(0));
    QCOMPARE(r.Names(), (L({"Zulu", "Alpha", "Beta"})));
    QCOMPARE(r.list->selectedItems(), (QList<QTreeWidgetItem*>{r.Row(0)}));
    QVERIFY(Stored("Zulu"));

    // The manager matches names without case: the row it updated is the one shown.
    working = Station("ALPHA", "OrvCorp");
    QVERIFY(r.page->SaveProfile(0));
    QCOMPARE(r.Names(), (L({"Zulu", "ALPHA", "Beta"})));
    QCOMPARE(r.Row(1)->text(ProfileRow::kColSsid), QStringLiteral("OrvCorp"));
    QCOMPARE(r.page->Profiles().size(), std::size_t{3});
  }

  void zeroConfigurationEmptiesTheListAndConnectLastWaits() {
    StoreOnly({Station("First"), Station("Second")});
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Settled("First"));
    r.Adapter().WriteUseWZC(true);
    QVERIFY(r.Names().isEmpty());
    for (const char* button : {"BtnActivate", "BtnAdd", "BtnDelete", "BtnEdit"}) {
      QVERIFY2(!r.Enabled(button), button);
    }
    r.Adapter().Settings().WriteSet("LastProf", "Second");
    r.page->ConnectLast();
    QVERIFY(!QTest::qWaitFor([&] { return r.Applied() == "Second"; }, 300));

    // Handing the adapter back loads the list again and connects the last profile.
    r.Adapter().WriteUseWZC(false);
    QCOMPARE(r.Names(), (L({"First", "Second"})));
    QVERIFY(r.Enabled("BtnAdd"));
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Second"), kWait);
  }

  void connectLastTakesTheLastProfileElseTheFirstInTheListsOrder() {
    StoreOnly({Station("Bravo", "OrvOpen"), Station("Alpha", "OrvWPA"), Station("Charlie", "Zed")});
    UiTestEnv::WriteSettings(Settings("LastProf=Charlie\r\n"));
    Running r;
    QVERIFY(r.attached);
    QVERIFY(r.Settled("Charlie"));

    // "LastProf" names a profile that was deleted: the first row as sorted now.
    emit r.list->header()->sectionClicked(ProfileRow::kColSsid);
    emit r.list->header()->sectionClicked(ProfileRow::kColSsid);
    QCOMPARE(r.Names(), (L({"Charlie", "Alpha", "Bravo"})));
    Answering ok(kIdOk);
    r.Select("Charlie");
    r.Click("BtnDelete");
    QCOMPARE(r.Names(), (L({"Alpha", "Bravo"})));
    r.page->ConnectLast();
    QVERIFY(r.Settled("Alpha"));

    r.Adapter().Settings().WriteSet("InitConnect", false);
    r.Adapter().Settings().WriteSet("LastProf", "Bravo");
    r.page->ConnectLast();
    QVERIFY(!QTest::qWaitFor([&] { return r.Applied() == "Bravo"; }, 300));
  }

  void activateConnectsShowsTheLinkPageAndMovesTheHighlight() {
    StoreOnly({Station("Cafe"), Station("Home", "OrvHome")});
    Running r;
    QVERIFY(r.attached);
    r.window.show();
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Cafe"), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(r.Row(QStringLiteral("Cafe"))->Applied(), kWait);
    QVERIFY(!r.Row(QStringLiteral("Home"))->Applied());
    QCOMPARE(r.Row(QStringLiteral("Cafe"))->background(ProfileRow::kColName).color(),
             QColor(234, 245, 247));

    r.window.HandleNotify(PM_SHOWPAGE, 2);
    QCOMPARE(r.window.CurrentPage(), r.page);
    r.Select("Home");
    r.Click("BtnActivate");
    QTRY_COMPARE_WITH_TIMEOUT(r.window.CurrentPage()->objectName(),
                              QStringLiteral("FrameLinkInfo1"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Home"), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(r.Row(QStringLiteral("Home"))->Applied(), kWait);
    QVERIFY(!r.Row(QStringLiteral("Cafe"))->Applied());
    QCOMPARE(r.Row(QStringLiteral("Cafe"))->background(ProfileRow::kColName).style(), Qt::NoBrush);

    // A double click on a row does the same.
    r.window.HandleNotify(PM_SHOWPAGE, 2);
    QVERIFY(QTest::qWaitForWindowExposed(&r.window));
    ProfileRow* cafe = r.Row(QStringLiteral("Cafe"));
    const QRect cell = r.list->visualItemRect(cafe);
    QVERIFY(!cell.isEmpty());
    // The first click of a double click selects the row.
    QTest::mouseClick(r.list->viewport(), Qt::LeftButton, {}, cell.center());
    QTest::mouseDClick(r.list->viewport(), Qt::LeftButton, {}, cell.center());
    QTRY_COMPARE_WITH_TIMEOUT(r.Applied(), std::string("Cafe"), kWait);
    QTRY_COMPARE_WITH_TIMEOUT(r.window.CurrentPage()->objectName(),
                              QStringLiteral("FrameLinkInfo1"), kWait);
  }

  void theSurveysRequestOpensTheWizardForTheNetworksSecurity() {
    Running r;
    QVERIFY(r.attached);
    r.window.HandleNotify(PM_NEWPROFILE, 512);
    QCOMPARE(r.window.CurrentPage(), r.page);
    QVERIFY(r.WizardShown());
    auto* host = r.Control<TFrameProfSet>("FrameProfSet1");
    QCOMPARE(host->ReturnPage(), 3);
    QCOMPARE(host->Request(), 512);
    QCOMPARE(host->Adapter(), r.window.Adapter());
    // Coming back by the navigation shows the list again.
    r.window.HandleNotify(PM_SHOWPAGE, 1);
    r.window.HandleNotify(PM_SHOWPAGE, 2);
    QVERIFY(!r.WizardShown());
  }

  void detachingTheAdapterEmptiesThePage() {
    StoreOnly({Station("Only")});
    Running r;
    QVERIFY(r.attached);
    QVERIFY(UiTestEnv::Simulator({"unplug"}));
    QTRY_VERIFY_WITH_TIMEOUT(r.window.Adapter() == nullptr, kWait);
    QVERIFY(r.Names().isEmpty());
    QVERIFY(!r.Enabled("BtnAdd"));
    QVERIFY(!r.page->SaveProfile(0));
    QVERIFY(!r.page->OpenWizard(2, 0));
    QVERIFY(UiTestEnv::Simulator({"plug"}));
    QTRY_COMPARE_WITH_TIMEOUT(r.Names(), QStringList{QStringLiteral("Only")}, kWait);
  }

  void typedNamesRoundTripThroughListStoreAndSettings() {
    const std::vector<std::string> names = {"My Home Net",     "\"Quoted\"",
                                            "'single'",        " leading blank",
                                            "trailing blank ", "a/b\\c",
                                            "v1.2.",           "Caf\u00e9 Z\u00fcrich",
                                            "\u03a9mega",      std::string(64, 'x'),
                                            "50% off %s"};
    std::vector<WLProfile> profiles;
    for (const std::string& name : names) profiles.push_back(Station(name));
    StoreOnly(profiles);
    const auto namesOf = [](const std::vector<WLProfile>& list) {
      std::vector<std::string> out;
      for (const WLProfile& p : list) out.emplace_back(TextOf(p.ProfileName));
      return out;
    };
    std::vector<std::string> saved;
    {
      Running r;
      QVERIFY(r.attached);
      QVERIFY(r.Settled(std::string(TextOf(r.Row(0)->Profile().ProfileName))));
      QCOMPARE(r.Names().size(), qsizetype(names.size()));
      for (const std::string& name : names) {
        ProfileRow* row = r.Row(Q(name));
        QVERIFY2(row != nullptr, name.c_str());
        QVERIFY(TextOf(row->Profile().ProfileName) == name);
      }
      // Stored again by the page, last first: the library now enumerates them
      // backwards, and only the order in the settings file keeps them as they were.
      for (auto name = names.rbegin(); name != names.rend(); ++name) {
        FAGlobal().StationProfile() = r.Row(Q(*name))->Profile();
        QVERIFY2(r.page->SaveProfile(0), name->c_str());
      }
      std::vector<std::string> enumerated = StoredNames();
      std::erase(enumerated, std::string("Default_SoftAP"));
      QVERIFY(enumerated == std::vector<std::string>(names.rbegin(), names.rend()));
      std::vector<WLProfile> order;
      r.Adapter().GetProfileList(0, order);
      saved = namesOf(order);
      QVERIFY(saved == names);
      r.Adapter().Settings().WriteSet("LastProf", "\"Quoted\"");
    }
    Running again;
    QVERIFY(again.attached);
    std::vector<WLProfile> order;
    again.Adapter().GetProfileList(0, order);
    QVERIFY(namesOf(order) == saved);
    QTRY_COMPARE_WITH_TIMEOUT(again.Applied(), std::string("\"Quoted\""), kWait);
    QTRY_VERIFY_WITH_TIMEOUT(again.Row(QStringLiteral("\"Quoted\""))->Applied(), kWait);
    // The applied profile, stored whole in the settings file, keeps its name too.
    const auto lastApplied = [] {
      WLProfile last{};
      ProfFromIniFile(*FAGlobal().SettingsFile(), last, "LastApplyProf");
      return std::string(TextOf(last.ProfileName));
    };
    QTRY_COMPARE_WITH_TIMEOUT(lastApplied(), std::string("\"Quoted\""), kWait);
  }
};

static const bool registered = UiTestEnv::Register<ProfilePageTest>();

#include "profile_page_test.moc"
