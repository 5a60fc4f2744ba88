// The access-point MAC filter page on the main window, against the simulated
// adapter: what it loads, how addresses are typed and pasted, what Save stores
// and applies, and that the running access point then obeys the filter.

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QTest>
#include <cstring>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "platform/text.h"
#include "tests/ui/ap/ap_test_support.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/ap/frame_ap_filter.h"
#include "ui/ap/mac_edit.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/sort_lv.h"
#include "ui/controls/triface_label.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_main.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

using ApTest::kWait;

const uint8_t kStationA[6] = {0x02, 0x4F, 0x52, 0x56, 0x0A, 0x01};
const uint8_t kStationB[6] = {0x02, 0x4F, 0x52, 0x56, 0x0B, 0x02};
const QString kShownA = QStringLiteral("02:4F:52:56:0A:01");
const QString kShownB = QStringLiteral("02:4F:52:56:0B:02");

WLProfile& Working() { return FAGlobal().APProfile(); }

// The window attached to the simulated adapter in access-point mode, the
// filter page shown, and the messages the page would show.
struct Page {
  Page() {
    UiTestEnv::WriteSettings(ApTest::Settings("OperateMode=1\r\n"));
    SetMessageAnswerer([this](QWidget*, const QString& text, int flags) {
      messages.append(text + QStringLiteral(" #") + QString::number(flags));
      return int{kIdOk};
    });
    window.Start(0);
    window.show();
  }
  ~Page() { SetMessageAnswerer({}); }

  bool Attached() {
    if (!QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, kWait)) return false;
    Show();
    return window.CurrentPage() == page;
  }
  void Show() { window.ShowPage(UiTest::FindChild<TTrifaceLabel>(window, "LbAPFilter"), 0); }
  TMacEdit* Edit(int number) {
    return UiTest::FindChild<TMacEdit>(*page, QStringLiteral("Edt%1").arg(number));
  }
  QComboBox* Type() { return UiTest::FindChild<QComboBox>(*page, "CmbType"); }
  void Choose(int value) {
    const int index = Type()->findData(value);
    Type()->setCurrentIndex(index);
    emit Type()->activated(index);
  }
  void Save() { UiTest::FindChild<TFABitmapBtn>(*page, "BtnSave")->click(); }

  TFormMain window{ApTest::FastTiming()};
  TFrameAPFilter* page = UiTest::FindChild<TFrameAPFilter>(window, "FrameAPFilter1");
  QStringList messages;
};

void Type(QWidget* edit, const QString& text) {
  edit->setFocus();
  QTest::keyClicks(edit, text);
}

void Paste(TMacEdit* edit, const QString& text) {
  QApplication::clipboard()->setText(text);
  edit->setFocus();
  edit->setCursorPosition(0);
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

bool Same(const uint8_t (&entry)[6], const uint8_t (&mac)[6]) {
  return std::memcmp(entry, mac, 6) == 0;
}

bool AllZero(const uint8_t (&entry)[6]) {
  const uint8_t zero[6] = {};
  return Same(entry, zero);
}

QTreeWidgetItem* InfoRow(TFormMain& window, const QString& mac) {
  auto* list = UiTest::FindChild<TSortLv>(window, "LvMAC");
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    if (list->topLevelItem(i)->text(1) == mac) return list->topLevelItem(i);
  }
  return nullptr;
}

}  // namespace

class FrameAPFilterTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ApTest::ForgetProfiles();
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    FAGlobal().SetOSLevel(7);
    UiTestEnv::WriteStrings("");
  }

  void loadShowsTheTypeAndTheSixteenAddresses() {
    UiTestEnv::WriteStrings("[FrameAPFilter]\r\nReject=Keep out\r\n");
    Page p;
    QVERIFY(p.Attached());
    QCOMPARE(p.Type()->count(), 3);
    QCOMPARE(p.Type()->itemText(2), QStringLiteral("Keep out"));
    QCOMPARE(p.Type()->itemData(2).toInt(), 2);
    QCOMPARE(p.Type()->currentData().toInt(), 0);
    for (int i = 1; i <= TFrameAPFilter::kAddressCount; ++i) QVERIFY(!p.Edit(i)->isEnabled());

    Working().APMacFilterMode = 2;
    std::memcpy(Working().APMacFilter[0], kStationA, 6);
    std::memcpy(Working().APMacFilter[15], kStationB, 6);
    UiTest::FindChild<TFABitmapBtn>(*p.page, "BtnCancel")->click();
    QCOMPARE(p.Type()->currentData().toInt(), 2);
    QCOMPARE(p.Edit(1)->displayText(), kShownA);
    QCOMPARE(p.Edit(16)->displayText(), kShownB);
    QCOMPARE(p.Edit(2)->displayText(), QStringLiteral("00:00:00:00:00:00"));
    for (int i = 1; i <= TFrameAPFilter::kAddressCount; ++i) QVERIFY(p.Edit(i)->isEnabled());
    // A mode the page does not know shows the first type.
    Working().APMacFilterMode = 9;
    p.Show();
    QCOMPARE(p.Type()->currentIndex(), 0);
  }

  void aDisabledFilterStillSavesItsAddressesAndBlanksSaveZero() {
    Page p;
    QVERIFY(p.Attached());
    p.Choose(1);
    p.Edit(1)->clear();
    Type(p.Edit(1), QStringLiteral("024f52560a01"));
    p.Edit(2)->clear();
    Type(p.Edit(2), QStringLiteral("12345"));
    p.Edit(3)->clear();
    p.Choose(0);
    QVERIFY(!p.Edit(1)->isEnabled());
    p.Save();
    QVERIFY(p.messages.isEmpty());
    QCOMPARE(Working().APMacFilterMode, 0);
    QVERIFY(Same(Working().APMacFilter[0], kStationA));
    // A partly typed address is filled up with zeros.
    const uint8_t partial[6] = {0x12, 0x34, 0x50, 0, 0, 0};
    QVERIFY(Same(Working().APMacFilter[1], partial));
    QVERIFY(AllZero(Working().APMacFilter[2]));
    // Stored in the access-point list, and the window moves to the information page.
    std::vector<WLProfile> list;
    p.window.Adapter()->GetProfileList(1, list);
    QCOMPARE(list.size(), std::size_t{1});
    QCOMPARE(std::memcmp(&list.front(), &Working(), sizeof(WLProfile)), 0);
    QTRY_COMPARE(p.window.CurrentPage()->objectName(), QStringLiteral("FrameAPInfo1"));
  }

  void lettersBeyondFShowAsZero() {
    Page p;
    QVERIFY(p.Attached());
    p.Choose(1);
    for (int number : {1, 2}) {
      TMacEdit* edit = p.Edit(number);
      edit->clear();
      Type(edit, QStringLiteral("aGz9"));
      QCOMPARE(edit->displayText(), QStringLiteral("A0:09:  :  :  :  "));
      // Typing goes on where it was.
      Type(edit, QStringLiteral("b"));
      QCOMPARE(edit->Digits().left(5), QStringLiteral("A009B"));
    }
  }

  void pastedAddressesInOtherFormsAreTakenAndOthersRefused() {
    UiTestEnv::WriteStrings("[Message]\r\nErMACAddr=no address\r\n");
    Page p;
    QVERIFY(p.Attached());
    p.Choose(2);
    const struct {
      const char* pasted;
      const char* shown;
    } accepted[] = {{"02-4f-52-56-0a-01", "02:4F:52:56:0A:01"},
                    {" 024F52560A01 ", "02:4F:52:56:0A:01"},
                    {"2:4f:52:56:a:1", "02:4F:52:56:0A:01"},
                    {"024f.5256.0a01", "02:4F:52:56:0A:01"}};
    for (const auto& a : accepted) {
      p.Edit(4)->clear();
      Paste(p.Edit(4), QString::fromLatin1(a.pasted));
      QCOMPARE(p.Edit(4)->displayText(), QString::fromLatin1(a.shown));
    }
    QVERIFY(p.messages.isEmpty());
    for (const char* refused : {"not an address", "02:4F:52:56:0A:01:02", "02:4F:52:56:0A:G1"}) {
      Paste(p.Edit(4), QString::fromLatin1(refused));
      QCOMPARE(p.Edit(4)->displayText(), kShownA);
    }
    QCOMPARE(p.messages, QStringList(3, QStringLiteral("no address #48")));
    // Without a text in the string file the English one is shown.
    UiTestEnv::WriteStrings("");
    Paste(p.Edit(4), QStringLiteral("x"));
    QVERIFY(p.messages.last().startsWith(QStringLiteral("That is not a MAC address.")));
  }

  void cancelDiscardsTheEdits() {
    Page p;
    QVERIFY(p.Attached());
    p.Choose(1);
    Type(p.Edit(5), QStringLiteral("ab"));
    UiTest::FindChild<TFABitmapBtn>(*p.page, "BtnCancel")->click();
    QCOMPARE(p.Type()->currentData().toInt(), 0);
    QCOMPARE(p.Edit(5)->displayText(), QStringLiteral("00:00:00:00:00:00"));
  }

  void zeroConfigurationTakesThePageAway() {
    Page p;
    QVERIFY(p.Attached());
    p.window.Adapter()->WriteUseWZC(true);
    QVERIFY(!p.Type()->isEnabled());
    QCOMPARE(p.Type()->currentIndex(), -1);
    QVERIFY(!UiTest::FindChild<QWidget>(*p.page, "BtnSave")->isEnabled());
    QVERIFY(p.Edit(1)->text().remove(u':').trimmed().isEmpty());
    p.window.Adapter()->WriteUseWZC(false);
    QVERIFY(p.Type()->isEnabled());
    QCOMPARE(p.Type()->currentData().toInt(), 0);
    QCOMPARE(p.Edit(1)->displayText(), QStringLiteral("00:00:00:00:00:00"));
  }

  void theAccessPointAdmitsOnlyWhatTheFilterAllows() {
    QVERIFY(UiTestEnv::Simulator({"add-station", kShownA.toStdString()}));
    QVERIFY(UiTestEnv::Simulator({"add-station", kShownB.toStdString()}));
    Page p;
    QVERIFY(p.Attached());
    p.Choose(1);
    Paste(p.Edit(1), kShownA);
    p.Save();
    QTRY_COMPARE_WITH_TIMEOUT(p.window.CurrentPage()->objectName(), QStringLiteral("FrameAPInfo1"),
                              kWait);
    // The scenario's visitors are not listed either: A is the only row.
    auto* list = UiTest::FindChild<TSortLv>(p.window, "LvMAC");
    QTRY_VERIFY_WITH_TIMEOUT(InfoRow(p.window, kShownA) != nullptr &&
                                 InfoRow(p.window, kShownB) == nullptr &&
                                 list->topLevelItemCount() == 1,
                             kWait);

    p.Show();
    p.Choose(2);
    p.Save();
    QTRY_VERIFY_WITH_TIMEOUT(
        InfoRow(p.window, kShownB) != nullptr && InfoRow(p.window, kShownA) == nullptr, kWait);
  }

  void pictureButtonsHaveNamesAndTips() {
    UiTestEnv::WriteStrings("[FrameAPFilter]\r\nBtnSave=Save filter\r\n");
    Page p;
    QVERIFY(p.Attached());
    const struct {
      const char* name;
      const char* text;
    } buttons[] = {{"BtnSave", "Save filter"}, {"BtnCancel", "Cancel"}};
    for (const auto& b : buttons) {
      auto* button = UiTest::FindChild<QWidget>(*p.page, b.name);
      QCOMPARE(button->accessibleName(), QString::fromLatin1(b.text));
      QCOMPARE(button->toolTip(), QString::fromLatin1(b.text));
    }
    QCOMPARE(p.Edit(16)->accessibleName(), QStringLiteral("Filter MAC Address 16"));
  }

  void controlsStayClearOfEachOtherInsideTheCard() {
    Page p;
    QVERIFY(p.Attached());
    QList<QWidget*> controls;
    for (QWidget* child : p.page->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
      const QString name = child->objectName();
      if (!child->isHidden() && name.startsWith(u"Lb") && name != u"LbFilter") {
        auto* label = qobject_cast<QLabel*>(child);
        QVERIFY2(LabelTextWidth(*label) <= label->width(), qPrintable(name));
        controls.append(child);
      } else if (name.startsWith(u"Edt") || name.startsWith(u"Cmb") || name.startsWith(u"Btn")) {
        controls.append(child);
      }
    }
    QCOMPARE(controls.size(), 2 + 16 + 16 + 1 + 2);
    for (QWidget* control : controls) {
      const QRect at = control->geometry();
      QVERIFY2(ShellGeometry::kCardFull.contains(at), qPrintable(control->objectName()));
      for (QWidget* other : controls) {
        if (other != control) {
          QVERIFY2(
              !at.intersects(other->geometry()),
              qPrintable(control->objectName() + QStringLiteral(" on ") + other->objectName()));
        }
      }
    }
    // An address shows whole in its edit.
    TMacEdit* edit = p.Edit(1);
    edit->setText(QStringLiteral("DDDDDDDDDDDD"));
    QVERIFY(edit->fontMetrics().horizontalAdvance(edit->displayText()) + 8 <= edit->width());
  }
};

static const bool registered = UiTestEnv::Register<FrameAPFilterTest>();

#include "frame_ap_filter_test.moc"
