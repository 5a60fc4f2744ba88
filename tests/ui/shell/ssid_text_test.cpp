// Network names are bytes; these are the rules by which they reach the screen.

#include <QPushButton>
#include <QTest>

#include "tests/ui/shell/shell_test_env.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/ssid_text.h"

using namespace std::string_view_literals;

class SsidTextTest : public QObject {
  Q_OBJECT

 private slots:
  void validUtf8IsShownAsUtf8ElseLatin1() {
    QCOMPARE(SsidDisplayText("OrvHome"sv), QStringLiteral("OrvHome"));
    QCOMPARE(SsidDisplayText("Caf\xC3\xA9"sv), QString::fromUtf8("Caf\xC3\xA9"));
    QCOMPARE(SsidDisplayText("\xE9t\xE9"sv), QString::fromLatin1("\xE9t\xE9"));
    // A leading byte-order mark is part of the name.
    QCOMPARE(SsidDisplayText("\xEF\xBB\xBFx"sv).size(), 2);
  }

  void controlCharactersBecomeBlanks() {
    QCOMPARE(SsidDisplayText("x\r\nEncryptionMethod=0"sv), QStringLiteral("x  EncryptionMethod=0"));
    QCOMPARE(SsidDisplayText("a\tb\x7F"sv), QStringLiteral("a b "));
    // C1 controls of a Latin-1 name too.
    QCOMPARE(SsidDisplayText("\xE9\x85"sv), QString::fromLatin1("\xE9 "));
    QCOMPARE(SsidDisplayText(std::string_view("a\0b", 3)), QStringLiteral("a b"));
  }

  void atMostThirtyTwoBytesAreAName() {
    const std::string forty(40, 'n');
    QCOMPARE(SsidDisplayText(forty), QString(32, u'n'));
    // A character cut by the limit leaves no valid UTF-8: the bytes are shown one by one.
    const std::string cut = std::string(31, 'n') + "\xC3\xA9";
    QCOMPARE(SsidDisplayText(cut), QString(31, u'n') + QChar(0xC3));
  }

  void bufferEndsAtItsFirstNulOrItsSize() {
    const char buffer[8] = {'a', 'b', '\0', 'c', 'd', 'e', 'f', 'g'};
    QCOMPARE(SsidDisplayText(buffer, sizeof buffer), QStringLiteral("ab"));
    const char full[3] = {'x', 'y', 'z'};
    QCOMPARE(SsidDisplayText(full, sizeof full), QStringLiteral("xyz"));
  }

  void pictureButtonNamesComeFromTheStringFile() {
    ShellTestEnv::WriteStrings("[FrameSurvey]\r\nBtnSearch=Suchen\r\n");
    QPushButton search;
    search.setObjectName(QStringLiteral("BtnSearch"));
    QPushButton connect;
    connect.setObjectName(QStringLiteral("BtnConnect"));
    SetAccessibleNameFromStrings(search, QStringLiteral("FrameSurvey"), QStringLiteral("Search"));
    SetAccessibleNameFromStrings(connect, QStringLiteral("FrameSurvey"), QStringLiteral("Connect"));
    QCOMPARE(search.accessibleName(), QStringLiteral("Suchen"));
    QCOMPARE(search.toolTip(), QStringLiteral("Suchen"));
    QCOMPARE(connect.accessibleName(), QStringLiteral("Connect"));
    ShellTestEnv::WriteStrings("");
  }
};

static const bool registered = ShellTestEnv::Register<SsidTextTest>();

#include "ssid_text_test.moc"
