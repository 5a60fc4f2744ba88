// The terminal command's pieces: what travels over the channel, how it prints,
// and who may talk to the instance at all.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>

#include "core/ctl_command_line.h"
#include "core/ctl_format.h"
#include "core/ctl_message.h"
#include "platform/notify_channel.h"
#include "platform/peer_credentials.h"
#include "tests/support/temp_dir.h"

namespace {

TEST(CtlMessage, RequestsAndRepliesSurviveAnyBytesAndRejectCorruption) {
  const std::vector<std::string> words = {"connect", std::string("a\0b\n\xff", 5), "20000"};
  std::vector<std::string> back;
  ASSERT_TRUE(ctl::DecodeRequest(ctl::EncodeRequest(words), back));
  EXPECT_EQ(back, words);

  ctl::Reply reply;
  reply.result = ctl::kNoProfile;
  reply.message = "none";
  reply.fields = {ctl::Text("ssid", std::string("\0x", 2)), ctl::Number("signal", 80)};
  reply.listName = "networks";
  reply.items = {{ctl::Bool("applied", true)}, {}};
  const std::string bytes = ctl::EncodeReply(reply);
  ctl::Reply decoded;
  ASSERT_TRUE(ctl::DecodeReply(bytes, decoded));
  EXPECT_EQ(decoded.result, ctl::kNoProfile);
  EXPECT_EQ(decoded.fields[0].text, std::string("\0x", 2));
  EXPECT_EQ(decoded.items.size(), 2u);
  EXPECT_EQ(decoded.items[0][0].type, ctl::Value::kBool);

  // Every truncation, a trailing byte and a huge count are refused, never read past.
  for (std::size_t n = 0; n < bytes.size(); ++n) {
    EXPECT_FALSE(ctl::DecodeReply(std::string_view(bytes).substr(0, n), decoded)) << n;
  }
  EXPECT_FALSE(ctl::DecodeReply(bytes + "x", decoded));
  EXPECT_FALSE(ctl::DecodeRequest(ctl::EncodeRequest({}), back));
  EXPECT_FALSE(ctl::DecodeRequest(std::string("\x0a\0\0\0"
                                              "999999999",
                                              13),
                                  back));
}

TEST(CtlFormat, NetworkNamesNeverReachTheTerminalAsControlsAndJsonStaysValid) {
  EXPECT_EQ(ctl::TerminalText("Home"), "Home");
  EXPECT_EQ(ctl::TerminalText("caf\xc3\xa9"), "caf\xc3\xa9");
  EXPECT_EQ(ctl::TerminalText("a\x1b[2Jb\\\t"), "a\\x1B[2Jb\\\\\\x09");
  // Not UTF-8 as a whole: every high byte escaped, as the window reads it byte by byte.
  EXPECT_EQ(ctl::TerminalText("\xe9t\xc3\xa9"), "\\xE9t\\xC3\\xA9");
  // C1 controls in valid UTF-8 are controls too.
  EXPECT_EQ(ctl::TerminalText("\xc2\x9b"), "\\x9B");

  EXPECT_EQ(ctl::JsonString("a\"b\\c\n"), "\"a\\\"b\\\\c\\u000A\"");
  EXPECT_EQ(ctl::JsonString("caf\xc3\xa9"), "\"caf\xc3\xa9\"");
  EXPECT_EQ(ctl::JsonString("\xe9"), "\"\xc3\xa9\"");
  EXPECT_EQ(ctl::JsonString(std::string("\0", 1)), "\"\\u0000\"");
  // Overlong and surrogate forms are not UTF-8.
  EXPECT_EQ(ctl::JsonString("\xc0\xaf"), "\"\xc3\x80\xc2\xaf\"");
  EXPECT_EQ(ctl::JsonString("\xed\xa0\x80"), "\"\xc3\xad\xc2\xa0\\u0080\"");
}

TEST(CtlFormat, FieldsAndItemsPrintAsTextAndAsOneJsonObject) {
  ctl::Reply reply;
  reply.fields = {ctl::Text("mode", "station"), ctl::Number("signal", 72)};
  EXPECT_EQ(ctl::FormatPlain(reply), "mode: station\nsignal: 72\n");
  EXPECT_EQ(ctl::FormatJson(reply), "{\"mode\":\"station\",\"signal\":72}\n");

  ctl::Reply list;
  list.listName = "profiles";
  EXPECT_EQ(ctl::FormatJson(list), "{\"profiles\":[]}\n");
  list.items = {{ctl::Text("name", "Home\tA"), ctl::Bool("applied", true)},
                {ctl::Text("name", "Office"), ctl::Bool("applied", false)}};
  EXPECT_EQ(ctl::FormatPlain(list), "name\tapplied\nHome\\x09A\ttrue\nOffice\tfalse\n");
  EXPECT_EQ(ctl::FormatJson(list),
            "{\"profiles\":[{\"name\":\"Home\\u0009A\",\"applied\":true},"
            "{\"name\":\"Office\",\"applied\":false}]}\n");
}

TEST(CtlCommandLine, CommandsOptionsAndUsageErrors) {
  ctl::CommandLine line = ctl::ParseCommandLine({"--json", "connect", "--timeout", "5", "Home"});
  EXPECT_TRUE(line.error.empty()) << line.error;
  EXPECT_TRUE(line.json);
  EXPECT_EQ(line.request, (std::vector<std::string>{"connect", "Home", "5000"}));
  EXPECT_EQ(ctl::AnswerTimeout(line), std::chrono::seconds(20));

  // A profile name that starts with a dash follows "--".
  line = ctl::ParseCommandLine({"connect", "--", "-x"});
  EXPECT_EQ(line.request, (std::vector<std::string>{"connect", "-x", "20000"}));
  EXPECT_EQ(ctl::ParseCommandLine({"ap", "status"}).request,
            (std::vector<std::string>{"ap", "status"}));
  EXPECT_TRUE(ctl::ParseCommandLine({"bogus", "--help"}).help);

  for (const std::vector<std::string>& bad :
       std::vector<std::vector<std::string>>{{},
                                             {"bogus"},
                                             {"status", "x"},
                                             {"connect"},
                                             {"connect", "a", "b"},
                                             {"ap"},
                                             {"ap", "stations"},
                                             {"--verbose", "status"},
                                             {"connect", "Home", "--timeout"},
                                             {"connect", "Home", "--timeout=0"},
                                             {"connect", "Home", "--timeout", "5s"}}) {
    EXPECT_FALSE(ctl::ParseCommandLine(bad).error.empty()) << (bad.empty() ? "" : bad[0]);
  }
}

// A listener that answers every request with its text reversed.
class EchoListener {
 public:
  explicit EchoListener(const std::string& path)
      : listener_(
            path, [](const ChannelMessage&, Event&) {},
            [this](const std::string& request, Event&) {
              ++answered_;
              return std::string(request.rbegin(), request.rend());
            }) {}
  int Answered() const { return answered_; }

 private:
  std::atomic<int> answered_{0};
  ChannelListener listener_;
};

TEST(CtlChannel, RequestsAreAnsweredOnlyForTheSameUser) {
  TempDir dir;
  const std::string path = dir.File("channel.sock");
  std::string answer;
  EXPECT_EQ(SendChannelRequest(path, "abc", answer, 1000), ChannelAnswer::kNoListener);

  EchoListener echo(path);
  struct stat st {};
  ASSERT_EQ(::lstat(path.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  ASSERT_EQ(SendChannelRequest(path, "abc", answer, 1000), ChannelAnswer::kAnswered);
  EXPECT_EQ(answer, "cba");

  int pair[2];
  ASSERT_EQ(::socketpair(AF_UNIX, SOCK_STREAM, 0, pair), 0);
  EXPECT_TRUE(PeerIsThisUser(pair[0]));
  ::close(pair[0]);
  ::close(pair[1]);

  if (::geteuid() != 0) GTEST_SKIP() << "another user needs root to play";
  // Another user that gets past the folder and the socket's mode is still refused.
  ::chmod(dir.Path().c_str(), 0755);
  ::chmod(path.c_str(), 0666);
  const pid_t child = ::fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(10);
    std::string reply;
    // The socket is now someone else's: the command sends nothing to it...
    if (SendChannelRequest(path, "abc", reply, 1000) != ChannelAnswer::kNotThisUser) ::_exit(11);
    // ...and a raw request without that check is closed unanswered.
    ChannelMessage message{ChannelMessage::kRequest, 0, 3};
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path.c_str());
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) ::_exit(12);
    // The listener may already have hung up; that is a refusal too.
    ::send(fd, &message, sizeof message, MSG_NOSIGNAL);
    ::send(fd, "abc", 3, MSG_NOSIGNAL);
    char byte = 0;
    ::_exit(::recv(fd, &byte, 1, 0) <= 0 ? 0 : 14);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(echo.Answered(), 1);
}

}  // namespace
