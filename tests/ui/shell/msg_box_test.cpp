#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/fa_global_var.h"
#include "tests/ui/shell/shell_test_env.h"
#include "tests/ui/support/find_child.h"
#include "ui/shell/form_msg_box.h"
#include "ui/shell/image.h"
#include "ui/shell/show_message.h"

namespace {

struct Parts {
  explicit Parts(const QWidget& box)
      : label(UiTest::FindChild<QLabel>(box, "LbMsg")),
        icon(UiTest::FindChild<TImage>(box, "ImgIcon")),
        ok(UiTest::FindChild<QPushButton>(box, "BtnOk")),
        cancel(UiTest::FindChild<QPushButton>(box, "BtnCancel")) {}
  QLabel* label;
  TImage* icon;
  QPushButton* ok;
  QPushButton* cancel;
};

int LineHeight(const TFormMsgBox& box) { return Parts(box).label->fontMetrics().height(); }

// Answers the box that ShowMessage opens, from inside its modal loop.
void PressWhenShown(const QString& button) {
  QTimer::singleShot(0, [button] {
    TFormBase* box = TFormBase::TopModalForm();
    QVERIFY(box != nullptr);
    UiTest::FindChild<QPushButton>(*box, button)->click();
  });
}

}  // namespace

class MsgBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void init() { ShellTestEnv::WriteStrings(""); }

  void oneLineTakesTwoLineHeights() {
    TFormMsgBox box(nullptr, QStringLiteral("Saved"), kMbOk);
    QCOMPARE(Parts(box).label->height(), std::max(2 * LineHeight(box), 33));
    QCOMPARE(Parts(box).label->width(), 160);
    QCOMPARE(Parts(box).label->text(), QStringLiteral("Saved"));
  }

  void backslashNSplitsIntoLinesOfThreeLineHeights() {
    TFormMsgBox box(nullptr, QStringLiteral("Invalid\\nkey"), kMbOk);
    QCOMPARE(Parts(box).label->text(), QStringLiteral("Invalid\nkey"));
    QCOMPARE(Parts(box).label->height(), std::max(3 * LineHeight(box), 33));
  }

  void breakAtTheEndStartsNoLine() {
    TFormMsgBox box(nullptr, QStringLiteral("Invalid key\\n"), kMbOk);
    QCOMPARE(Parts(box).label->height(), std::max(2 * LineHeight(box), 33));
  }

  void widthFollowsTheLongestLinePlusFourSpaces() {
    const QString longest = QStringLiteral("The pass phrase must be 8 to 63 characters long.");
    TFormMsgBox box(nullptr, QStringLiteral("Short\\n") + longest + QStringLiteral("\\nEnd"),
                    kMbOk);
    const QFontMetrics metrics = Parts(box).label->fontMetrics();
    QCOMPARE(Parts(box).label->width(),
             metrics.horizontalAdvance(longest + QStringLiteral("    ")));
  }

  void oneButtonIsCentredWithExclamationIcon() {
    TFormMsgBox box(nullptr, QStringLiteral("Invalid key"), kMbIconExclamation);
    const Parts parts(box);
    const QRect label = parts.label->geometry();
    QVERIFY(parts.cancel->isHidden());
    QVERIFY(!parts.icon->isHidden());
    QCOMPARE(parts.ok->text(), QStringLiteral("Ok"));
    QCOMPARE(parts.ok->y(), label.y() + label.height() + 8);
    QCOMPARE(box.width(), label.x() + label.width() + 16);
    QCOMPARE(box.height(), parts.ok->y() + parts.ok->height() + 16);
    QCOMPARE(parts.ok->x(), (box.width() - parts.ok->width()) / 2);
    // The icon is vertically centred on the text.
    QCOMPARE(parts.icon->y() + parts.icon->height() / 2, label.y() + label.height() / 2);
  }

  void twoButtonsStandSixteenEitherSideOfTheCentre() {
    TFormMsgBox box(nullptr, QStringLiteral("Use this utility?"), kMbOkCancel | kMbIconInformation);
    const Parts parts(box);
    const int centre = box.width() / 2;
    QCOMPARE(parts.ok->x() + parts.ok->width(), centre - 16);
    QCOMPARE(parts.cancel->x(), centre + 16);
    QCOMPARE(parts.ok->text(), QStringLiteral("Ok"));
    QCOMPARE(parts.cancel->text(), QStringLiteral("Cancel"));
    QVERIFY(!parts.cancel->isHidden());
  }

  void withoutIconThePictureIsHidden() {
    TFormMsgBox box(nullptr, QStringLiteral("Text"), kMbYesNo);
    QVERIFY(Parts(box).icon->isHidden());
    QCOMPARE(Parts(box).ok->text(), QStringLiteral("Yes"));
    QCOMPARE(Parts(box).cancel->text(), QStringLiteral("No"));
  }

  void captionsComeFromTheStringFile() {
    ShellTestEnv::WriteStrings("[BtnCaption]\r\nBtnYes=Ja\r\nBtnNo=\r\nBtnOk=Gut\r\n");
    TFormMsgBox question(nullptr, QStringLiteral("Text"), kMbYesNo);
    QCOMPARE(Parts(question).ok->text(), QStringLiteral("Ja"));
    QCOMPARE(Parts(question).cancel->text(), QStringLiteral("No"));
    TFormMsgBox note(nullptr, QStringLiteral("Text"), kMbOk);
    QCOMPARE(Parts(note).ok->text(), QStringLiteral("Gut"));
    QCOMPARE(note.windowTitle(), QString::fromLocal8Bit(FAGlobal().MsgTitle()));
  }

  void resultsFollowTheButtonPressed() {
    PressWhenShown(QStringLiteral("BtnOk"));
    QCOMPARE(ShowMessage(nullptr, QStringLiteral("a"), kMbIconExclamation), 1);
    PressWhenShown(QStringLiteral("BtnCancel"));
    QCOMPARE(ShowMessage(nullptr, QStringLiteral("a"), kMbOkCancel), 2);
    PressWhenShown(QStringLiteral("BtnOk"));
    QCOMPARE(ShowMessage(nullptr, QStringLiteral("a"), kMbYesNo), 6);
    PressWhenShown(QStringLiteral("BtnCancel"));
    QCOMPARE(ShowMessage(nullptr, QStringLiteral("a"), kMbYesNo), 7);
    QCOMPARE(TFormBase::TopModalForm(), nullptr);
  }

  void closingTheBoxAnswersCancel() {
    QTimer::singleShot(0, [] { TFormBase::TopModalForm()->close(); });
    QCOMPARE(ShowMessage(nullptr, QStringLiteral("a"), kMbOkCancel), 2);
  }

  void boxIsCentredOverAShowingOwner() {
    QWidget owner;
    owner.setGeometry(200, 150, 500, 400);
    owner.show();
    auto* child = new QWidget(&owner);
    QPoint centre;
    QTimer::singleShot(0, [&] {
      TFormBase* box = TFormBase::TopModalForm();
      centre = box->frameGeometry().center();
      QCOMPARE(box->parentWidget(), &owner);
      box->reject();
    });
    ShowMessage(child, QStringLiteral("a"), kMbOk);
    // The box's frame is unknown until it shows: allow for its width.
    QVERIFY((centre - owner.frameGeometry().center()).manhattanLength() <= 8);
  }

  void answererTakesTheRequestWithoutAModalLoop() {
    QWidget owner;
    QWidget* asked = nullptr;
    QString text;
    int flags = -1;
    SetMessageAnswerer([&](QWidget* o, const QString& t, int f) {
      asked = o;
      text = t;
      flags = f;
      return static_cast<int>(kIdNo);
    });
    QCOMPARE(ShowMessage(&owner, QStringLiteral("Delete?"), kMbYesNo | kMbIconQuestion), 7);
    SetMessageAnswerer({});
    QCOMPARE(asked, &owner);
    QCOMPARE(text, QStringLiteral("Delete?"));
    QCOMPARE(flags, 0x24);
  }

  void boxDestroyedWithItsOwnerEndsTheCallSafely() {
    auto* owner = new QWidget;
    owner->show();
    QTimer::singleShot(0, [owner] { delete owner; });
    ShowMessage(owner, QStringLiteral("a"), kMbOk);
    QCOMPARE(TFormBase::TopModalForm(), nullptr);
  }
};

static const bool registered = ShellTestEnv::Register<MsgBoxTest>();

#include "msg_box_test.moc"
