// The masked secret edit: a stored secret is only ever replaced, never read back.

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>

#include "tests/ui/controls/test_registry.h"
#include "ui/controls/secret_edit.h"

namespace {

class SecretEditTest : public QObject {
  Q_OBJECT

 private slots:
  void storedSecretIsMaskedWithStars() {
    TSecretEdit edit;
    edit.SetStoredText(QStringLiteral("secret"));
    QVERIFY(edit.IsMasked());
    QCOMPARE(edit.echoMode(), QLineEdit::Password);
    QCOMPARE(edit.displayText(), QStringLiteral("******"));
    QCOMPARE(edit.contextMenuPolicy(), Qt::NoContextMenu);
    QVERIFY(!edit.acceptDrops());
    QVERIFY(edit.inputMethodQuery(Qt::ImSurroundingText).toString().isEmpty());
  }

  void emptyOrPlainTextIsNotMasked() {
    TSecretEdit edit;
    edit.SetStoredText(QString());
    QVERIFY(!edit.IsMasked());
    edit.SetStoredText(QStringLiteral("secret"));
    edit.SetPlainText(QStringLiteral("1234567890"));
    QVERIFY(!edit.IsMasked());
    QCOMPARE(edit.displayText(), QStringLiteral("1234567890"));
    QVERIFY(edit.acceptDrops());
  }

  void keysThatChangeNothingLeaveTheSecret() {
    TSecretEdit edit;
    edit.SetStoredText(QStringLiteral("secret"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    QSignalSpy cleared(&edit, &TSecretEdit::StoredSecretCleared);
    for (const int key : {int(Qt::Key_Left), int(Qt::Key_Home), int(Qt::Key_End),
                          int(Qt::Key_Shift), int(Qt::Key_F5)}) {
      QTest::keyClick(&edit, Qt::Key(key));
    }
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(edit.text(), QStringLiteral("secret"));
    QVERIFY(edit.IsMasked());
    QCOMPARE(cleared.count(), 0);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("before"));
  }

  void editingKeysEmptyAndUnmaskFirst_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("after");
    QTest::newRow("letter") << int(Qt::Key_X) << int(Qt::NoModifier) << QStringLiteral("x");
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << QString();
    QTest::newRow("delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << QString();
    QTest::newRow("paste") << int(Qt::Key_V) << int(Qt::ControlModifier)
                           << QStringLiteral("pasted");
    QTest::newRow("cut") << int(Qt::Key_X) << int(Qt::ControlModifier) << QString();
    QTest::newRow("undo") << int(Qt::Key_Z) << int(Qt::ControlModifier) << QString();
  }

  void editingKeysEmptyAndUnmaskFirst() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, after);
    QApplication::clipboard()->setText(QStringLiteral("pasted"));
    TSecretEdit edit;
    edit.SetStoredText(QStringLiteral("secret"));
    edit.selectAll();
    QSignalSpy cleared(&edit, &TSecretEdit::StoredSecretCleared);
    QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(edit.text(), after);
    QVERIFY(!edit.IsMasked());
    QCOMPARE(cleared.count(), 1);
    // The secret never reaches the clipboard, nor comes back by Undo.
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("pasted"));
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(!edit.text().contains(QStringLiteral("secret")));
    // Only the first key replaces the secret; later ones edit what was typed.
    QTest::keyClicks(&edit, QStringLiteral("ab"));
    QCOMPARE(cleared.count(), 1);
    QVERIFY(edit.text().endsWith(QStringLiteral("ab")));
  }

  void inputMethodCommitReplacesTheSecret() {
    TSecretEdit edit;
    edit.SetStoredText(QStringLiteral("secret"));
    QSignalSpy cleared(&edit, &TSecretEdit::StoredSecretCleared);
    QInputMethodEvent preedit(QStringLiteral("k"), {});
    QApplication::sendEvent(&edit, &preedit);
    QVERIFY(edit.IsMasked());
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("\u304b"));
    QApplication::sendEvent(&edit, &commit);
    QCOMPARE(edit.text(), QStringLiteral("\u304b"));
    QVERIFY(!edit.IsMasked());
    QCOMPARE(cleared.count(), 1);
  }

  void middleClickPasteReplacesTheSecret() {
    TSecretEdit edit;
    edit.SetStoredText(QStringLiteral("secret"));
    QTest::mouseClick(&edit, Qt::LeftButton);
    QVERIFY(edit.IsMasked());
    QTest::mouseClick(&edit, Qt::MiddleButton);
    QVERIFY(!edit.IsMasked());
    QVERIFY(!edit.text().contains(QStringLiteral("secret")));
  }
};

const bool registered = RegisterControlTest<SecretEditTest>();

}  // namespace

#include "secret_edit_test.moc"
