// Hover labels and ellipsis labels.

#include <QAccessible>
#include <QApplication>
#include <QEnterEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTextDocument>

#include "tests/ui/controls/test_faces.h"
#include "tests/ui/controls/test_registry.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/controls/text_ellipsis.h"
#include "ui/controls/triface_label.h"

namespace {

const QColor kNormal(80, 100, 121);
const QColor kOver(0, 0, 230);
const QColor kDown(230, 0, 0);
const QChar kEllipsis(0x2026);

void Enter(QWidget& widget) {
  QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
  QApplication::sendEvent(&widget, &enter);
}

void Leave(QWidget& widget) {
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&widget, &leave);
}

// The first row, from the top, that holds a pixel of the colour.
int FirstRowWith(const QImage& image, const QColor& color) {
  for (int y = 0; y < image.height(); ++y) {
    if (CountPixels(image.copy(0, y, image.width(), 1), color, 40) > 0) return y;
  }
  return -1;
}

class NavigationLabel : public TTrifaceLabel {
 public:
  NavigationLabel() : TTrifaceLabel(QStringLiteral("Profile")) {
    QFont bold = font();
    bold.setBold(true);
    bold.setPixelSize(20);
    setFont(bold);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    resize(120, 40);
    SetFontCr(kFontCrNormal, kNormal);
    SetFontCr(kFontCrOver, kOver);
    SetFontCr(kFontCrDown, kDown);
  }
};

class LabelTest : public QObject {
  Q_OBJECT

 private slots:
  void hoverLabelFollowsTheMouse() {
    NavigationLabel label;
    QSignalSpy clicked(&label, &TTrifaceLabel::clicked);
    QCOMPARE(label.State(), TTrifaceLabel::kStateNormal);
    Enter(label);
    QCOMPARE(label.State(), TTrifaceLabel::kStateHover);
    QVERIFY(CountPixels(label.grab().toImage(), kOver, 20) > 0);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(label.State(), TTrifaceLabel::kStatePressed);
    const QImage pressed = label.grab().toImage();
    QVERIFY(CountPixels(pressed, kDown, 20) > 0);
    QCOMPARE(CountPixels(pressed, kOver, 20), 0);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QCOMPARE(label.State(), TTrifaceLabel::kStateHover);
    QCOMPARE(clicked.count(), 1);
    Leave(label);
    QCOMPARE(label.State(), TTrifaceLabel::kStateNormal);
    QVERIFY(CountPixels(label.grab().toImage(), kNormal, 20) > 0);
  }

  void pressedAndReleasedOutsideReturnsToNormal() {
    NavigationLabel label;
    QSignalSpy clicked(&label, &TTrifaceLabel::clicked);
    Enter(label);
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(-20, 60));
    QCOMPARE(label.State(), TTrifaceLabel::kStateNormal);
    QCOMPARE(label.StateColor(), kNormal);
    QCOMPARE(clicked.count(), 0);
    const QImage shown = label.grab().toImage();
    QVERIFY(CountPixels(shown, kNormal, 20) > 0);
    QCOMPARE(CountPixels(shown, kDown, 20), 0);
  }

  void mouseMoveFromNormalTakesButtonIntoAccount() {
    NavigationLabel label;
    QMouseEvent plain(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&label, &plain);
    QCOMPARE(label.State(), TTrifaceLabel::kStateHover);
    Leave(label);
    QMouseEvent held(QEvent::MouseMove, QPointF(5, 5), QPointF(5, 5), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&label, &held);
    QCOMPARE(label.State(), TTrifaceLabel::kStatePressed);
  }

  void fontColoursAndOffset() {
    NavigationLabel label;
    label.SetFontCr(0, Qt::green);
    label.SetFontCr(4, Qt::green);
    QCOMPARE(label.FontCrNormal(), kNormal);
    QCOMPARE(label.FontCrOver(), kOver);
    QCOMPARE(label.FontCrDown(), kDown);
    TTrifaceLabel plain;
    QCOMPARE(plain.FontCrOver(), plain.palette().color(plain.foregroundRole()));

    const int top = FirstRowWith(label.grab().toImage(), kNormal);
    QVERIFY(top >= 0);
    label.SetOffsetTop(10);
    QCOMPARE(FirstRowWith(label.grab().toImage(), kNormal), top + 10);
    // Text pushed below the label is clipped, not drawn over its neighbours.
    label.SetOffsetTop(label.height());
    QCOMPARE(FirstRowWith(label.grab().toImage(), kNormal), -1);
  }

  void hoverLabelActsAsAButtonForKeyboardAndScreenReaders() {
    NavigationLabel label;
    QSignalSpy clicked(&label, &TTrifaceLabel::clicked);
    QSignalSpy pressed(&label, &TTrifaceLabel::pressed);
    QVERIFY(label.focusPolicy() & Qt::TabFocus);
    QTest::keyClick(&label, Qt::Key_Space);
    QTest::keyClick(&label, Qt::Key_Return);
    QCOMPARE(clicked.count(), 2);

    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&label);
    QVERIFY(accessible != nullptr);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Profile"));
    label.setText(QStringLiteral("Site Survey"));
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("Site Survey"));
    QAccessibleActionInterface* actions = accessible->actionInterface();
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.count(), 3);
    // The page tabs act on the press, so a screen reader's press must give it too.
    QCOMPARE(pressed.count(), 3);
  }

  void focusableLabelKeepsNoTextEditorOfQLabels() {
    QWidget window;
    auto* label = new NavigationLabel;
    label->setParent(&window);
    // A text that differs from the first gives a focusable QLabel its editor at once.
    label->setText(QStringLiteral("Site Survey"));
    auto* next = new QPushButton(QStringLiteral("Next"), &window);
    next->move(0, 40);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(label->findChild<QTextDocument*>(), nullptr);
    QCOMPARE(label->text(), QStringLiteral("Site Survey"));
    QCOMPARE(label->focusPolicy(), Qt::TabFocus);
    next->setFocus();
    QTest::keyClick(next, Qt::Key_Tab);
    QVERIFY(label->hasFocus());
  }

  void ellipsisShortensToTheLabelWidth() {
    const QString sentence = QStringLiteral("Wireless network connected to the access point");
    TEllipsisLabel label(sentence);
    label.resize(label.fontMetrics().horizontalAdvance(sentence) / 2, 30);
    const int width = label.contentsRect().width();
    QCOMPARE(label.ShownText(), sentence);
    QVERIFY(label.minimumSizeHint().width() > width);

    label.SetEllipsisEnd(true);
    QString shown = label.ShownText();
    QVERIFY(shown.endsWith(kEllipsis));
    QVERIFY(sentence.startsWith(shown.chopped(1)));
    QVERIFY(label.fontMetrics().horizontalAdvance(shown) <= width);
    QVERIFY(label.minimumSizeHint().width() < width);

    label.SetEllipsisEnd(false);
    label.SetEllipsisWord(true);
    shown = label.ShownText();
    QVERIFY(shown.endsWith(kEllipsis));
    const QString kept = shown.chopped(1);
    QVERIFY(sentence.startsWith(kept));
    QCOMPARE(sentence.at(kept.size()), QLatin1Char(' '));
    QVERIFY(label.fontMetrics().horizontalAdvance(shown) <= width);

    label.resize(1000, 30);
    QCOMPARE(label.ShownText(), sentence);
  }

  void pathEllipsisKeepsTheFileName() {
    const QString path = QStringLiteral("C:\\Program Files\\Or-Vane\\Certificates\\client.pem");
    const QFontMetrics metrics = QFontMetrics(QApplication::font());
    const QString shown =
        ElidePath(path, metrics, metrics.horizontalAdvance(QStringLiteral("C:\\Pro\\client.pem")));
    QVERIFY(shown.startsWith(QStringLiteral("C:\\")));
    QVERIFY(shown.endsWith(QString(kEllipsis) + QStringLiteral("\\client.pem")));
    QCOMPARE(ElidePath(path, metrics, 10000), path);
    const QString name = QStringLiteral("averyveryverylongcertificatename.pem");
    const QString middle = ElidePath(name, metrics, metrics.horizontalAdvance(name) / 2);
    QVERIFY(middle.startsWith(QLatin1Char('a')) && middle.endsWith(QStringLiteral(".pem")));
    QVERIFY(middle.contains(kEllipsis));
  }

  void wordEllipsisCutsAnOverlongFirstWord() {
    const QFontMetrics metrics = QFontMetrics(QApplication::font());
    const QString word = QStringLiteral("Supercalifragilistic expialidocious");
    const QString shown = ElideWord(word, metrics, metrics.horizontalAdvance(word) / 3);
    QVERIFY(shown.endsWith(kEllipsis));
    QVERIFY(!shown.contains(QLatin1Char(' ')));
  }

  void wrappedTextShortensItsLastLine() {
    TEllipsisLabel label(QStringLiteral(
        "one two three four five six seven eight nine ten eleven twelve thirteen fourteen"));
    label.setWordWrap(true);
    label.SetEllipsisEnd(true);
    const QFontMetrics metrics = label.fontMetrics();
    label.resize(metrics.horizontalAdvance(QStringLiteral("one two three four")),
                 metrics.lineSpacing() * 2 + metrics.lineSpacing() / 2);
    const QStringList lines = label.ShownText().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(0).startsWith(QStringLiteral("one")));
    QVERIFY(lines.at(1).endsWith(kEllipsis));
    QVERIFY(metrics.horizontalAdvance(lines.at(1)) <= label.contentsRect().width());
  }
};

const bool registered = RegisterControlTest<LabelTest>();

}  // namespace

#include "label_test.moc"
