// Picture buttons: which face each state shows, the corner focus marks, the
// hover overlay, and the shape cut out of the face.

#include <QApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/controls/test_faces.h"
#include "tests/ui/controls/test_registry.h"
#include "ui/controls/fa_bitmap_btn.h"
#include "ui/controls/face_shape.h"
#include "ui/controls/triface_btn.h"

namespace {

const QColor kMagenta(255, 0, 255);
const QColor kGreen(0, 160, 0);
const QColor kBlue(0, 0, 200);
const QColor kRed(200, 0, 0);
const QColor kGrey(128, 128, 128);

QColor PixelAt(QWidget& widget, int x, int y) { return widget.grab().toImage().pixelColor(x, y); }

void Enter(QWidget& widget) {
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&widget, &leave);
}

// A parent that shows red and counts the presses that reach it.
class PressCounter : public QWidget {
 public:
  PressCounter() {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kRed);
    setPalette(colours);
    resize(100, 60);
  }
  int presses = 0;

 protected:
  void mousePressEvent(QMouseEvent*) override { ++presses; }
};

class PictureButtonTest : public QObject {
  Q_OBJECT

 private slots:
  void onlyFacesShowsFacesInEveryState() {
    TTrifaceBtn triface;
    TFABitmapBtn bitmap;
    for (TTrifaceBtn* button : std::initializer_list<TTrifaceBtn*>{&triface, &bitmap}) {
      button->resize(30, 20);
      button->SetFaces(SolidFace({30, 20}, kGreen));
      QCOMPARE(PixelAt(*button, 15, 10), kGreen);
      Enter(*button);
      QVERIFY(button->Hover());
      QCOMPARE(PixelAt(*button, 15, 10), kGreen);
      button->setDown(true);
      QCOMPARE(PixelAt(*button, 15, 10), kGreen);
      button->setEnabled(false);
      QCOMPARE(PixelAt(*button, 15, 10), kGreen);
    }
  }

  void eachStateShowsItsOwnFace() {
    TTrifaceBtn button;
    button.resize(30, 20);
    button.SetFaces(SolidFace({30, 20}, kGreen));
    button.SetFacesOver(SolidFace({30, 20}, kBlue));
    button.SetFacesDown(SolidFace({30, 20}, kRed));
    button.SetFacesDisable(SolidFace({30, 20}, kGrey));
    QCOMPARE(PixelAt(button, 15, 10), kGreen);
    Enter(button);
    QCOMPARE(PixelAt(button, 15, 10), kBlue);
    button.setDown(true);
    QCOMPARE(PixelAt(button, 15, 10), kRed);
    button.setEnabled(false);
    QCOMPARE(PixelAt(button, 15, 10), kGrey);
    button.setEnabled(true);
    button.setDown(false);
    Leave(button);
    QVERIFY(!button.Hover());
    QCOMPARE(PixelAt(button, 15, 10), kGreen);
  }

  void withoutFacesTheButtonDrawsItsOwnFace() {
    TTrifaceBtn button;
    button.resize(40, 24);
    button.SetColorHi(Qt::yellow);
    button.SetColorLo(Qt::cyan);
    const QImage raised = button.grab().toImage();
    QCOMPARE(raised.pixel(20, 12), button.palette().color(QPalette::Button).rgb());
    QCOMPARE(raised.pixelColor(0, 0), QColor(Qt::yellow));
    QCOMPARE(raised.pixel(39, 23), button.palette().color(QPalette::Shadow).rgb());
    QCOMPARE(raised.pixelColor(38, 12), QColor(Qt::cyan));
    button.setDown(true);
    const QImage pressed = button.grab().toImage();
    QCOMPARE(pressed.pixelColor(0, 0), QColor(Qt::cyan));
    QCOMPARE(pressed.pixelColor(39, 23), QColor(Qt::cyan));
  }

  void faceIsStretchedOverTheButton() {
    QImage quarters(4, 4, QImage::Format_RGB32);
    for (int y = 0; y < 4; ++y) {
      for (int x = 0; x < 4; ++x) {
        quarters.setPixelColor(x, y, y < 2 ? (x < 2 ? kRed : kGreen) : (x < 2 ? kBlue : kGrey));
      }
    }
    TTrifaceBtn button;
    button.resize(40, 20);
    button.SetFaces(quarters);
    const QImage shown = button.grab().toImage();
    QCOMPARE(shown.pixelColor(5, 5), kRed);
    QCOMPARE(shown.pixelColor(35, 5), kGreen);
    QCOMPARE(shown.pixelColor(5, 15), kBlue);
    QCOMPARE(shown.pixelColor(35, 15), kGrey);
  }

  void focusedOrDefaultButtonGetsCornerMarks() {
    QWidget window;
    TTrifaceBtn button(&window);
    TTrifaceBtn other(&window);
    button.setGeometry(0, 0, 40, 20);
    other.setGeometry(0, 30, 40, 20);
    button.SetFaces(SolidFace({40, 20}, kGreen));
    const QColor mark = button.palette().color(QPalette::ButtonText).toRgb();
    const auto marked = [&] {
      const QImage shown = button.grab().toImage();
      for (const QPoint corner : {QPoint(0, 0), QPoint(6, 0), QPoint(0, 6), QPoint(39, 0),
                                  QPoint(33, 0), QPoint(39, 6), QPoint(0, 19), QPoint(0, 13),
                                  QPoint(6, 19), QPoint(39, 19), QPoint(33, 19), QPoint(39, 13)}) {
        if (shown.pixelColor(corner) != mark) return false;
      }
      return shown.pixelColor(7, 0) == kGreen && shown.pixelColor(0, 7) == kGreen &&
             shown.pixelColor(1, 1) == kGreen && shown.pixelColor(20, 0) == kGreen;
    };
    QVERIFY(!marked());
    button.setDefault(true);
    QVERIFY(marked());
    button.setDefault(false);

    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    button.setFocus();
    QTRY_VERIFY(button.hasFocus());
    QVERIFY(marked());
    button.SetNoFocusRect(true);
    QCOMPARE(PixelAt(button, 0, 0), kGreen);
  }

  void captionIsDrawnOverTheFace() {
    TTrifaceBtn button;
    button.resize(80, 24);
    button.SetFaces(SolidFace({80, 24}, Qt::white));
    QPalette colours = button.palette();
    colours.setColor(QPalette::ButtonText, Qt::black);
    button.setPalette(colours);
    QCOMPARE(CountPixels(button.grab().toImage(), Qt::black, 60), 0);
    button.setText(QStringLiteral("MMMM"));
    QVERIFY(CountPixels(button.grab().toImage(), Qt::black, 60) > 10);
  }

  void hoverOverlayIsShiftedUpAndLeft() {
    TFABitmapBtn button;
    button.resize(20, 20);
    button.SetFaces(SolidFace({20, 20}, kGreen));
    button.SetFacesOver(FramedFace({20, 20}, kMagenta, 2, kRed));
    Enter(button);
    QImage shown = button.grab().toImage();
    QCOMPARE(shown.pixelColor(0, 0), kGreen);
    QCOMPARE(shown.pixelColor(1, 1), kRed);
    QCOMPARE(shown.pixelColor(16, 16), kRed);
    QCOMPARE(shown.pixelColor(17, 17), kGreen);
    QCOMPARE(CountPixels(shown, kMagenta), 0);
    button.SetFaces(QImage());
    QCOMPARE(PixelAt(button, 17, 17), kRed);
    QCOMPARE(PixelAt(button, 19, 19), kMagenta);
    Leave(button);
    QCOMPARE(button.grab().toImage().pixel(19, 19), button.palette().color(QPalette::Shadow).rgb());
  }

  void magentaBorderIsOutsideTheShape() {
    PressCounter parent;
    TTrifaceBtn button(&parent);
    button.move(20, 20);
    button.SetFaces(FramedFace({40, 20}, kMagenta, 4, kGreen));
    button.SetAutoShape(true);
    QCOMPARE(button.size(), QSize(40, 20));
    QVERIFY(!button.mask().contains(QPoint(1, 1)));
    QVERIFY(button.mask().contains(QPoint(4, 4)));
    QVERIFY(!button.mask().contains(QPoint(36, 16)));

    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    const QImage shown = parent.grab().toImage();
    QCOMPARE(shown.pixelColor(21, 21), kRed);
    QCOMPARE(shown.pixelColor(40, 30), kGreen);

    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QWindow* window = parent.windowHandle();
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(21, 21));
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(parent.presses, 1);
    QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(40, 30));
    QCOMPARE(clicked.count(), 1);

    QTest::mouseMove(window, QPoint(90, 50));
    QTRY_VERIFY(!button.Hover());
    QTest::mouseMove(window, QPoint(21, 21));
    QVERIFY(!button.Hover());
    QTest::mouseMove(window, QPoint(40, 30));
    QTRY_VERIFY(button.Hover());
    QTest::mouseMove(window, QPoint(90, 50));
    QTRY_VERIFY(!button.Hover());
  }

  void faceTransparentEverywhereLeavesNothingToClick() {
    PressCounter parent;
    TTrifaceBtn button(&parent);
    button.move(20, 20);
    button.SetFaces(SolidFace({40, 20}, kMagenta));
    button.SetAutoShape(true);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::mouseClick(parent.windowHandle(), Qt::LeftButton, {}, QPoint(40, 30));
    QCOMPARE(clicked.count(), 0);
    QCOMPARE(parent.presses, 1);
    QCOMPARE(parent.grab().toImage().pixelColor(40, 30), kRed);
  }

  void toleranceIsTheColourDistance() {
    // (250, 5, 250) lies 8.66 from magenta: inside 9, outside 8, though
    // each component alone differs by only 5.
    TTrifaceBtn button;
    button.SetFaces(FramedFace({40, 20}, QColor(250, 5, 250), 4, kGreen));
    button.SetAutoShape(true);
    QVERIFY(button.mask().contains(QPoint(1, 1)));
    button.SetTransTolerance(8);
    QVERIFY(button.mask().contains(QPoint(1, 1)));
    button.SetTransTolerance(9);
    QVERIFY(!button.mask().contains(QPoint(1, 1)));
    QVERIFY(button.mask().contains(QPoint(20, 10)));
    button.SetTransTolerance(1000);
    QCOMPARE(button.TransTolerance(), 255);

    button.SetTransTolerance(0);
    button.SetTransColor(kGreen);
    QVERIFY(button.mask().contains(QPoint(1, 1)));
    QVERIFY(!button.mask().contains(QPoint(20, 10)));
  }

  void shapeHoldsEveryRunOfARaggedFace() {
    // One-pixel stripes give 3200 runs, several batches of rectangles.
    QImage face(64, 100, QImage::Format_RGB888);
    for (int y = 0; y < face.height(); ++y) {
      for (int x = 0; x < face.width(); ++x) {
        face.setPixelColor(x, y, (x + y) % 2 == 0 ? kGreen : kMagenta);
      }
    }
    const QRegion shape = FaceRegion(face, kMagenta, 0);
    for (int y = 0; y < face.height(); ++y) {
      for (int x = 0; x < face.width(); ++x) {
        if (shape.contains(QPoint(x, y)) != ((x + y) % 2 == 0)) {
          QFAIL(qPrintable(QStringLiteral("pixel %1,%2").arg(x).arg(y)));
        }
      }
    }
  }

  void autoShapeAndFocusMarksSwitchEachOther() {
    TTrifaceBtn button;
    button.SetAutoShape(true);
    QVERIFY(!button.AutoShape());

    button.SetFaces(FramedFace({40, 20}, kMagenta, 4, kGreen));
    QVERIFY(!button.NoFocusRect());
    button.SetAutoShape(true);
    QVERIFY(button.AutoShape());
    QVERIFY(button.NoFocusRect());
    button.SetBounds(5, 5, 100, 100);
    QCOMPARE(button.geometry(), QRect(5, 5, 40, 20));

    button.SetNoFocusRect(false);
    QVERIFY(!button.AutoShape());
    QVERIFY(button.mask().isEmpty());
    button.SetBounds(5, 5, 100, 50);
    QCOMPARE(button.size(), QSize(100, 50));

    button.SetAutoShape(true);
    QCOMPARE(button.size(), QSize(40, 20));
    button.SetFaces(FramedFace({50, 30}, kMagenta, 4, kGreen));
    QCOMPARE(button.size(), QSize(50, 30));
    QVERIFY(button.mask().contains(QPoint(45, 25)));
    button.SetFaces(QImage());
    QVERIFY(!button.AutoShape());
    QVERIFY(button.mask().isEmpty());
  }

  void keyboardPressesTheButton() {
    TFABitmapBtn button;
    QCOMPARE(button.focusPolicy(), Qt::StrongFocus);
    QSignalSpy clicked(&button, &QAbstractButton::clicked);
    QTest::keyClick(&button, Qt::Key_Space);
    QTest::keyClick(&button, Qt::Key_Return);
    QTest::keyClick(&button, Qt::Key_Enter);
    QCOMPARE(clicked.count(), 3);
  }
};

const bool registered = RegisterControlTest<PictureButtonTest>();

}  // namespace

#include "picture_button_test.moc"
