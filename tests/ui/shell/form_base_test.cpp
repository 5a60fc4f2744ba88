#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "tests/ui/shell/shell_test_env.h"
#include "ui/shell/control_pos.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/form_base.h"
#include "ui/shell/image.h"
#include "ui/shell/property_page_frame.h"

namespace {

template <typename Widget>
Widget* Make(QWidget* parent, const char* name, const QRect& bounds) {
  auto* widget = new Widget(parent);
  widget->setObjectName(QString::fromLatin1(name));
  widget->setGeometry(bounds);
  return widget;
}

QImage Picture(QSize size) {
  QImage picture(size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::darkCyan);
  return picture;
}

// A window with a label on a panel, a button, a check box, a picture and a
// page holding a label of its own.
struct TestWindow {
  TestWindow() {
    form.setObjectName(QStringLiteral("FormTest"));
    auto* panel = Make<QFrame>(&form, "PlBox", QRect(0, 0, 300, 200));
    lbA = Make<QLabel>(panel, "LbA", QRect(1, 2, 50, 16));
    lbA->setText(QStringLiteral("Design A"));
    btnB = Make<QPushButton>(&form, "BtnB", QRect(5, 6, 70, 24));
    chk = Make<QCheckBox>(&form, "ChkC", QRect(5, 40, 70, 20));
    chk->setText(QStringLiteral("Design check"));
    img = Make<TImage>(&form, "ImgBG", QRect(0, 0, 10, 10));
    img->SetPicture(Picture(QSize(10, 10)));
    page = Make<TPropertyPageFrame>(&form, "FrameP1", QRect(0, 100, 300, 100));
    lbC = Make<QLabel>(page, "LbC", QRect(3, 4, 40, 16));
    lbC->setText(QStringLiteral("Design C"));
  }

  TFormBase form;
  QLabel* lbA;
  QPushButton* btnB;
  QCheckBox* chk;
  TImage* img;
  TPropertyPageFrame* page;
  QLabel* lbC;
};

}  // namespace

class FormBaseTest : public QObject {
  Q_OBJECT

 private slots:
  void positionOverrideTakesWholeNumbersInOrder() {
    const ControlPos mixed = ControlPos::Parse("10, word, 20");
    QCOMPARE(mixed.left, 10);
    QCOMPARE(mixed.top, 20);
    QVERIFY(!mixed.width && !mixed.height);

    const ControlPos five = ControlPos::Parse("1,2,3,4,5");
    QCOMPARE(five.left, 1);
    QCOMPARE(five.top, 2);
    QCOMPARE(five.width, 3);
    QCOMPARE(five.height, 4);

    const ControlPos words = ControlPos::Parse("left,top");
    QVERIFY(!words.left && !words.top && !words.width && !words.height);
    QVERIFY(!ControlPos::Parse("").left);
  }

  void positionOverrideChangesOnlyWhatItNames() {
    QWidget control;
    control.setGeometry(5, 6, 70, 24);
    ControlPos::Parse("10, x, 20").ApplyTo(control);
    QCOMPARE(control.geometry(), QRect(10, 20, 70, 24));
    ControlPos::Parse("-3,-4,30,40,99").ApplyTo(control);
    QCOMPARE(control.geometry(), QRect(-3, -4, 30, 40));
    ControlPos::Parse("width").ApplyTo(control);
    QCOMPARE(control.geometry(), QRect(-3, -4, 30, 40));
  }

  void applyLayoutReachesControlsOnPanelsAndRecursesIntoPages() {
    ShellTestEnv::WriteSettings(
        "[Setting]\r\n"
        "[FormTest_CtrlPos]\r\nLbA=10,word,20\r\nBtnB=1,2,3,4,5\r\nFrameP1=7,8\r\n"
        "LbC=99,99\r\nChkC=nonsense\r\n"
        "[FormTest_Visible]\r\nBtnB=0\r\nLbA=1\r\n"
        "[FormTest_FrameP1_CtrlPos]\r\nLbC=30,40,50,60\r\n"
        "[FormTest_FrameP1_Visible]\r\nLbC=0\r\n");
    TestWindow window;
    window.form.ApplyLayout(&window.form, QStringLiteral("FormTest"));

    QCOMPARE(window.lbA->geometry(), QRect(10, 20, 50, 16));
    QCOMPARE(window.btnB->geometry(), QRect(1, 2, 3, 4));
    QVERIFY(window.btnB->isHidden());
    QVERIFY(!window.lbA->isHidden());
    QCOMPARE(window.chk->geometry(), QRect(5, 40, 70, 20));
    QCOMPARE(window.page->pos(), QPoint(7, 8));
    // The page's label answers to the page's own sections only.
    QCOMPARE(window.lbC->geometry(), QRect(30, 40, 50, 60));
    QVERIFY(window.lbC->isHidden());
  }

  void aPageBuiltLaterGetsTheOverridesOfItsPlace() {
    ShellTestEnv::WriteSettings(
        "[Setting]\r\n"
        "[FormTest_FrameP1_CtrlPos]\r\nFrameLate=11,12\r\n"
        "[FormTest_FrameP1_FrameLate_CtrlPos]\r\nLbD=5,6,70,8\r\n"
        "[FormTest_FrameP1_FrameLate_Visible]\r\nLbE=0\r\n");
    TestWindow window;
    window.form.ApplyLayout(&window.form, QStringLiteral("FormTest"));
    auto* late = Make<TPropertyPageFrame>(window.page, "FrameLate", QRect(0, 0, 200, 50));
    auto* lbD = Make<QLabel>(late, "LbD", QRect(1, 1, 20, 16));
    auto* lbE = Make<QLabel>(late, "LbE", QRect(1, 20, 20, 16));
    window.form.ApplyLateLayout(late);
    QCOMPARE(late->pos(), QPoint(11, 12));
    QCOMPARE(lbD->geometry(), QRect(5, 6, 70, 8));
    QVERIFY(lbE->isHidden());

    QWidget stranger;
    stranger.setObjectName(QStringLiteral("LbD"));
    stranger.setGeometry(1, 1, 20, 16);
    window.form.ApplyLateLayout(&stranger);
    QCOMPARE(stranger.geometry(), QRect(1, 1, 20, 16));
  }

  void applyLayoutWithoutKeysChangesNothing() {
    ShellTestEnv::WriteSettings("[Setting]\r\n");
    TestWindow window;
    window.btnB->hide();
    window.form.ApplyLayout(&window.form, QStringLiteral("FormTest"));
    QCOMPARE(window.lbA->geometry(), QRect(1, 2, 50, 16));
    QCOMPARE(window.btnB->geometry(), QRect(5, 6, 70, 24));
    QVERIFY(window.btnB->isHidden());
    QVERIFY(!window.chk->isHidden());
  }

  void windowTextsAreForLabelsOnly() {
    ShellTestEnv::WriteStrings(
        "[FormTest]\r\nLbA=%s%n text\r\nChkC=Not for windows\r\nImgBG=Not a label\r\n"
        "LbC=Belongs to the page\r\n");
    TestWindow window;
    window.form.LoadStrings(QStringLiteral("FormTest"));
    // Shown as written: a string-file text is never a format.
    QCOMPARE(window.lbA->text(), QStringLiteral("%s%n text"));
    QCOMPARE(window.chk->text(), QStringLiteral("Design check"));
    QVERIFY(window.img->text().isEmpty());
    QVERIFY(!window.img->Picture().isNull());
    QCOMPARE(window.lbC->text(), QStringLiteral("Design C"));
  }

  // Message texts take one value in place of %s; nothing else is a format,
  // so %n, %d or more %s than values never read an argument.
  void messageTextsFillInOnlyTheirOneValue() {
    ShellTestEnv::WriteStrings("[Message]\r\nRemoveProf=%s%n %d %s %% %x%s\r\n");
    const QString text = FillInText(
        StringText(QStringLiteral("Message"), QStringLiteral("RemoveProf"), QStringLiteral("%s")),
        QStringLiteral("Home"));
    QCOMPARE(text, QStringLiteral("Home%n %d Home % %xHome"));
  }

  void emptyOrMissingKeyKeepsTheDesignText() {
    ShellTestEnv::WriteStrings("[FormTest]\r\nLbA=\r\n");
    TestWindow window;
    window.form.LoadStrings(QStringLiteral("FormTest"));
    QCOMPARE(window.lbA->text(), QStringLiteral("Design A"));
    window.form.LoadStrings(QStringLiteral("NoSuchSection"));
    QCOMPARE(window.lbA->text(), QStringLiteral("Design A"));
  }

  void fitLabelAddsSixToTheTextWidth() {
    TestWindow window;
    window.lbA->setText(QStringLiteral("Transmission Rate:"));
    const int text = window.lbA->fontMetrics().horizontalAdvance(window.lbA->text());
    const int width = window.form.FitLabel(window.lbA);
    QVERIFY(qAbs(width - (text + 6)) <= 1);
    QCOMPARE(window.lbA->width(), width);
    QCOMPARE(window.form.FitLabel(nullptr), 0);
  }

  void markStandsSixLeftAndCentredOnTheControl() {
    TestWindow window;
    window.lbA->setGeometry(100, 50, 80, 20);
    QLabel* mark = window.form.AddMarkImage(window.lbA, Picture(QSize(8, 8)));
    QVERIFY(mark != nullptr);
    QCOMPARE(mark->parentWidget(), window.lbA->parentWidget());
    QCOMPARE(mark->geometry(), QRect(86, 56, 8, 8));

    // Half of a negative difference is rounded toward zero.
    window.lbA->setGeometry(100, 50, 80, 5);
    QCOMPARE(window.form.AddMarkImage(window.lbA, Picture(QSize(8, 8)))->pos(), QPoint(86, 49));
  }

  void markFollowsTheControlsVisibility() {
    TestWindow window;
    window.lbA->hide();
    QLabel* mark = window.form.AddMarkImage(window.lbA, Picture(QSize(8, 8)));
    QVERIFY(mark->isHidden());
    window.lbA->show();
    QVERIFY(!mark->isHidden());
    window.lbA->hide();
    QVERIFY(mark->isHidden());
  }

  void markNeedsControlAndTemplate() {
    TestWindow window;
    QCOMPARE(window.form.AddMarkImage(nullptr, Picture(QSize(8, 8))), nullptr);
    QCOMPARE(window.form.AddMarkImage(window.lbA, QImage()), nullptr);
  }

  void markIsSizedToAHighResolutionPictureInLogicalPixels() {
    TestWindow window;
    window.lbA->setGeometry(100, 50, 80, 20);
    QImage sharp = Picture(QSize(16, 16));
    sharp.setDevicePixelRatio(2);
    QCOMPARE(window.form.AddMarkImage(window.lbA, sharp)->geometry(), QRect(86, 56, 8, 8));
  }
};

static const bool registered = ShellTestEnv::Register<FormBaseTest>();

#include "form_base_test.moc"
