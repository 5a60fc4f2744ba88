#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "core/fa_global_var.h"
#include "orv_version.h"
#include "tests/ui/shell/shell_test_env.h"
#include "tests/ui/support/find_child.h"
#include "ui/controls/triface_btn.h"
#include "ui/shell/form_about.h"
#include "ui/shell/form_res.h"
#include "ui/shell/image.h"

namespace {

QString Text(const QWidget& box, const char* name) {
  return UiTest::FindChild<QLabel>(box, name)->text();
}

void SendMouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButtons held) {
  const QPointF global = target->mapToGlobal(QPointF(local));
  const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, QPointF(local), global, button, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

}  // namespace

class AboutTest : public QObject {
  Q_OBJECT

 private slots:
  void init() {
    ShellTestEnv::WriteSettings("[Setting]\r\n");
    ShellTestEnv::WriteStrings("");
  }

  void withoutAdapterShowsOwnVersionAndNoDriver() {
    const TFormRes res(1.0);
    TFormAbout about;
    const QString own = QStringLiteral("%1.%2.%3")
                            .arg(ORV_VERSION_MAJOR)
                            .arg(ORV_VERSION_MINOR)
                            .arg(ORV_VERSION_PATCH);
    bool onStack = false;
    QString driver = QStringLiteral("unset");
    QTimer::singleShot(0, [&] {
      onStack = TFormBase::TopModalForm() == &about;
      driver = Text(about, "LblDriverVer");
      UiTest::FindChild<TTrifaceBtn>(about, "BtnClose")->click();
    });
    QCOMPARE(about.Show(nullptr, nullptr), TFormBase::kMrOk);
    QVERIFY(onStack);
    QCOMPARE(driver, QString());
    QCOMPARE(Text(about, "LblUtilityVer"), own);
    const QString title = QString::fromLocal8Bit(FAGlobal().AppTitle());
    QCOMPARE(Text(about, "LbProduct"), title);
    QCOMPARE(about.windowTitle(), title);
    QCOMPARE(about.size(), res.Picture(u"ImgAboutBG").deviceIndependentSize().toSize());
  }

  void stringFileNamesProductCopyrightAndVersion() {
    ShellTestEnv::WriteStrings(
        "[Utility]\r\nProductName=Funk Utility\r\nCopyright1=(C) Someone\r\nCopyright2=\r\n"
        "UtilityVer=9.8.7\r\n[FormAbout]\r\nLbDriverVer=Treiber\r\n");
    TFormAbout about;
    QCOMPARE(Text(about, "LbProduct"), QStringLiteral("Funk Utility"));
    QCOMPARE(Text(about, "LbCopyright"), QStringLiteral("(C) Someone"));
    QVERIFY(!Text(about, "LbRight").isEmpty());
    QCOMPARE(Text(about, "LblUtilityVer"), QStringLiteral("9.8.7"));
    QCOMPARE(Text(about, "LbDriverVer"), QStringLiteral("Treiber"));
  }

  void layoutOverridesApply() {
    ShellTestEnv::WriteSettings(
        "[Setting]\r\n[FormAbout_CtrlPos]\r\nLbRight=30,130\r\n"
        "[FormAbout_Visible]\r\nLbDriverVer=0\r\nLblDriverVer=0\r\n");
    TFormAbout about;
    QCOMPARE(UiTest::FindChild<QLabel>(about, "LbRight")->pos(), QPoint(30, 130));
    QVERIFY(UiTest::FindChild<QLabel>(about, "LbDriverVer")->isHidden());
    QVERIFY(UiTest::FindChild<QLabel>(about, "LblDriverVer")->isHidden());
  }

  void draggingTheBackgroundMovesTheBox() {
    const TFormRes res(1.0);
    TFormAbout about;
    about.move(100, 100);
    about.show();
    QVERIFY(QTest::qWaitForWindowExposed(&about));
    TImage* background = UiTest::FindChild<TImage>(about, "ImgBG");
    const QPoint start = about.pos();
    SendMouse(background, QEvent::MouseButtonPress, QPoint(200, 120), Qt::LeftButton);
    SendMouse(background, QEvent::MouseMove, QPoint(220, 135), Qt::LeftButton);
    SendMouse(background, QEvent::MouseButtonRelease, QPoint(220, 135), Qt::NoButton);
    QCOMPARE(about.pos(), start + QPoint(20, 15));
    // Without the button held the pointer only passes over.
    SendMouse(background, QEvent::MouseMove, QPoint(10, 10), Qt::NoButton);
    QCOMPARE(about.pos(), start + QPoint(20, 15));
  }
};

static const bool registered = ShellTestEnv::Register<AboutTest>();

#include "about_test.moc"
