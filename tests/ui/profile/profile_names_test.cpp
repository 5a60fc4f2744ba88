// Profile names: the free name a new profile starts with, and names between
// the record's bytes and the screen.

#include <QTest>
#include <set>

#include "tests/ui/support/ui_test_env.h"
#include "ui/profile/free_profile_name.h"
#include "ui/profile/profile_name_text.h"

namespace {

// Names are taken without regard to ASCII case, as the adapter manager compares them.
struct Taken {
  bool operator()(const std::string& name) const {
    std::string lower = name;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return names.count(lower) > 0;
  }
  std::set<std::string> names;
};

}  // namespace

class ProfileNamesTest : public QObject {
  Q_OBJECT

 private slots:
  void aTakenNameGetsTheFirstFreeNumber() {
    const Taken taken{{"default", "default_1", "default_3"}};
    QCOMPARE(FreeProfileName("Default", taken), std::string("Default_2"));
    QCOMPARE(FreeProfileName("Fresh", taken), std::string("Fresh"));
    QCOMPARE(FreeProfileName("", taken), std::string());
    // All taken: the last number all the same.
    const auto everything = [](const std::string&) { return true; };
    QCOMPARE(FreeProfileName("Busy", everything), std::string("Busy_9998"));
  }

  void theNumberAlwaysFitsTheSixtyFourBytes() {
    const std::string longName(64, 'n');
    const Taken taken{{longName, std::string(62, 'n') + "_1"}};
    QCOMPARE(FreeProfileName(longName, taken), std::string(62, 'n') + "_2");
    const auto everything = [](const std::string&) { return true; };
    QCOMPARE(FreeProfileName(longName, everything), std::string(59, 'n') + "_9998");
    // Two-byte letters are never cut in half.
    std::string accents;
    for (int i = 0; i < 32; ++i) accents += "\u00e9";
    const std::string numbered = FreeProfileName(accents, Taken{{accents}});
    QCOMPARE(numbered.size(), std::size_t{62 + 2});
    QCOMPARE(QString::fromUtf8(numbered), QString(31, QChar(0xe9)) + QStringLiteral("_1"));
  }

  void namesAreShownAsTheyWereTypedAndStoredAsUtf8() {
    QCOMPARE(ProfileNameText("Caf\u00e9 \"Z\u00fcrich\" 1/2."),
             QStringLiteral("Caf\u00e9 \"Z\u00fcrich\" 1/2."));
    // Bytes of another code page are shown one by one; controls as blanks.
    QCOMPARE(ProfileNameText("Caf\xe9\tBar"), QStringLiteral("Caf\u00e9 Bar"));
    const char buffer[65] = "Home\0ignored";
    QCOMPARE(ProfileNameText(buffer, sizeof buffer), QStringLiteral("Home"));
    QCOMPARE(ProfileNameBytes(QStringLiteral("\u03a9mega")), std::string("\u03a9mega"));
    const std::string stored = ProfileNameBytes(QString(40, QChar(0x03a9)));
    QCOMPARE(stored.size(), std::size_t{64});
    QCOMPARE(ProfileNameText(stored), QString(32, QChar(0x03a9)));
  }
};

static const bool registered = UiTestEnv::Register<ProfileNamesTest>();

#include "profile_names_test.moc"
