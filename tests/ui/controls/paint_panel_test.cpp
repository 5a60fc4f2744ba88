// The paint panel hands its painting to the owner.

#include <QPainter>
#include <QTest>

#include "tests/ui/controls/test_faces.h"
#include "tests/ui/controls/test_registry.h"
#include "ui/controls/paint_panel.h"

namespace {

class PaintPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void onPaintReplacesThePanelsPainting() {
    TPaintPanel panel;
    panel.resize(60, 40);
    const QImage own = panel.grab().toImage();
    QVERIFY(own.pixelColor(0, 0) != own.pixelColor(30, 20));

    TPaintPanel* sender = nullptr;
    panel.SetOnPaint([&sender](TPaintPanel& from, QPainter& canvas) {
      sender = &from;
      canvas.fillRect(from.rect(), Qt::yellow);
    });
    QCOMPARE(CountPixels(panel.grab().toImage(), Qt::yellow), 60 * 40);
    QCOMPARE(sender, &panel);

    panel.SetOnPaint({});
    QCOMPARE(panel.grab().toImage(), own);
  }
};

const bool registered = RegisterControlTest<PaintPanelTest>();

}  // namespace

#include "paint_panel_test.moc"
