// Sharing the access point's network as a QR code: the code reads back as
// the network's text, and the page's Share button shows the saved network.

#include <QLabel>
#include <QTest>
#include <QTimer>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "model/wifi_qr_text.h"
#include "model/wl_enums.h"
#include "platform/text.h"
#include "tests/ui/ap/ap_test_support.h"
#include "tests/ui/support/find_child.h"
#include "tests/ui/support/ui_test_env.h"
#include "ui/ap/form_ap_share.h"
#include "ui/ap/qr_code_image.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/triface_label.h"
#include "ui/shell/form_main.h"
#include "ui/shell/image.h"

namespace {

WLProfile Network(const char* ssid, int32_t encryption, const char* key = "") {
  WLProfile p{};
  CopyText(p.Ssid1, ssid);
  p.EncryptionMethod = encryption;
  CopyText(p.WEPKey1, key);
  return p;
}

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

class APShareTest : public QObject {
  Q_OBJECT

 private slots:
  void codesReadBackAsTheNetworksText_data() {
    QTest::addColumn<QByteArray>("ssid");
    QTest::addColumn<int>("encryption");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("open") << QByteArray("OrvAP") << int{kEncryptNone} << QByteArray()
                          << QByteArray("WIFI:T:nopass;S:OrvAP;;");
    QTest::newRow("WEP ASCII") << QByteArray("OrvAP") << int{kEncryptWEP} << QByteArray("Ab3$z")
                               << QByteArray("WIFI:T:WEP;S:OrvAP;P:Ab3$z;;");
    QTest::newRow("WEP hex") << QByteArray("OrvAP") << int{kEncryptWEP}
                             << QByteArray("49D68437B1FFB0DB3FDF2D4A93")
                             << QByteArray("WIFI:T:WEP;S:OrvAP;P:49D68437B1FFB0DB3FDF2D4A93;;");
    QTest::newRow("special SSID") << QByteArray("a;b,c:d\\e") << int{kEncryptWEP}
                                  << QByteArray("k:;,\\")
                                  << QByteArray(
                                         "WIFI:T:WEP;S:a\\;b\\,c\\:d\\\\e;P:k\\:\\;\\,\\\\;;");
  }

  void codesReadBackAsTheNetworksText() {
    QFETCH(QByteArray, ssid);
    QFETCH(int, encryption);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    const std::string text = WifiQrText(Network(ssid.constData(), encryption, key.constData()));
    QCOMPARE(Bytes(text), expected);
    const QImage code = QrCodeImage(text, TFormAPShare::kModuleSize);
    QVERIFY(!code.isNull());
    const auto read = ApTest::ReadQrCode(code);
    if (!read) QSKIP("zbarimg is not installed");
    QCOMPARE(*read, expected);
  }

  void bytesBeyondASCIIReadBackUnchanged() {
    const std::string text = WifiQrText(Network("Caf\xC3\xA9 \xE9t\xE9", kEncryptNone));
    const auto read = ApTest::ReadQrCode(QrCodeImage(text, TFormAPShare::kModuleSize));
    if (!read) QSKIP("zbarimg is not installed");
    QCOMPARE(*read, Bytes(text));
  }

  void nothingToEncodeGivesNoPicture() {
    QVERIFY(QrCodeImage("", 4).isNull());
    QVERIFY(QrCodeImage("x", 0).isNull());
    // More than any code holds.
    QVERIFY(QrCodeImage(std::string(8000, 'x'), 1).isNull());
  }

  void windowShowsTheNameAndTheCode() {
    WLProfile hidden = Network(
        "Orv\x01"
        "AP",
        kEncryptWEP, "abcde");
    hidden.ApSSIDHide = 1;
    TFormAPShare share(nullptr, hidden);
    QCOMPARE(share.CodeText(), std::string("WIFI:T:WEP;S:Orv\x01"
                                           "AP;P:abcde;H:true;;"));
    // The name as the screen shows names; never the key.
    QCOMPARE(UiTest::FindChild<QLabel>(share, "LblSSID")->text(), QStringLiteral("Orv AP"));
    for (QLabel* label : share.findChildren<QLabel*>()) {
      QVERIFY2(!label->text().contains(u"abcde"), qPrintable(label->objectName()));
    }
    auto* image = UiTest::FindChild<TImage>(share, "ImgQRCode");
    QCOMPARE(image->accessibleName(), QStringLiteral("QR code"));
    QVERIFY(share.rect().contains(image->geometry()));
    const auto read = ApTest::ReadQrCode(image->Picture());
    if (!read) QSKIP("zbarimg is not installed");
    QCOMPARE(*read, Bytes(share.CodeText()));
  }

  void shareButtonShowsTheSavedNetwork() {
    ApTest::ForgetProfiles();
    QVERIFY(UiTestEnv::Simulator({"reset"}));
    UiTestEnv::WriteSettings(ApTest::Settings("OperateMode=1\r\n"));
    TFormMain window(ApTest::FastTiming());
    window.Start(0);
    QVERIFY(QTest::qWaitFor([&] { return window.Adapter() != nullptr; }, ApTest::kWait));
    window.show();
    window.ShowPage(UiTest::FindChild<TTrifaceLabel>(window, "LbAPCfg"), 0);
    CopyText(FAGlobal().APProfile().Ssid1, "Shop;AP");
    std::string shown;
    QImage picture;
    // The window runs modally: it is read and closed from inside its loop.
    QTimer::singleShot(0, this, [&] {
      TFormBase* top = TFormBase::TopModalForm();
      if (auto* share = qobject_cast<TFormAPShare*>(top)) {
        shown = share->CodeText();
        picture = UiTest::FindChild<TImage>(*share, "ImgQRCode")->Picture();
      }
      if (top != nullptr) top->reject();
    });
    UiTest::FindChild<TFABitmapBtn>(window, "BtnShare")->click();
    QCOMPARE(shown, std::string("WIFI:T:nopass;S:Shop\\;AP;;"));
    const auto read = ApTest::ReadQrCode(picture);
    if (!read) QSKIP("zbarimg is not installed");
    QCOMPARE(*read, Bytes(shown));
  }
};

static const bool registered = UiTestEnv::Register<APShareTest>();

#include "ap_share_test.moc"
