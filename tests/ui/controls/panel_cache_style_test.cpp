// An edit drawn through the panel cache looks exactly as one drawn by the
// application's style, also after its look changes.

#include <QLineEdit>
#include <QTest>

#include "tests/ui/controls/test_registry.h"
#include "ui/controls/panel_cache_style.h"

namespace {

class PanelCacheStyleTest : public QObject {
  Q_OBJECT

 private slots:
  void cachedPanelsMatchTheStyleWhateverTheLook() {
    QWidget window;
    window.resize(200, 40);
    QLineEdit plain(&window);
    QLineEdit cached(&window);
    for (QLineEdit* edit : {&plain, &cached}) {
      edit->resize(64, 22);
      edit->setReadOnly(true);
      edit->setText(QStringLiteral("1234"));
    }
    cached.move(100, 0);
    auto* style = new TPanelCacheStyle;
    style->setParent(&cached);
    cached.setStyle(style);
    const auto same = [&] { return plain.grab().toImage() == cached.grab().toImage(); };
    QVERIFY(same());

    // A panel drawn for one look must not stand in for another.
    QPalette red = plain.palette();
    red.setColor(QPalette::Base, Qt::red);
    red.setColor(QPalette::Window, Qt::red);
    plain.setPalette(red);
    cached.setPalette(red);
    QVERIFY(same());
    plain.resize(80, 30);
    cached.resize(80, 30);
    QVERIFY(same());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    plain.setFocus();
    const QImage focused = plain.grab().toImage();
    QVERIFY(focused != cached.grab().toImage());
    cached.setFocus();
    QCOMPARE(cached.grab().toImage(), focused);
  }
};

const bool registered = RegisterControlTest<PanelCacheStyleTest>();

}  // namespace

#include "panel_cache_style_test.moc"
