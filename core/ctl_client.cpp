#include "core/ctl_client.h"

#include <filesystem>

#include "core/ctl_format.h"
#include "core/ctl_message.h"
#include "core/ini_file.h"
#include "platform/notify_channel.h"

namespace {

// The utility's own program name: its settings and string files are named after it.
constexpr char kUtilityName[] = "orvane-wlan";

}  // namespace

CtlClient::CtlClient(const std::string& programPath) {
  const std::string dir = std::filesystem::path(programPath).parent_path().string() + "/";
  settings_ = std::make_unique<IniFile>(dir + kUtilityName + ".bin");
  const std::string stringFile =
      settings_->ReadString("Setting", "StringFile", std::string(kUtilityName) + ".ini");
  strings_ = std::make_unique<IniFile>(dir + stringFile);
  const std::string profRoot = settings_->ReadString("Setting", "ProfRoot", "Or-Vane");
  channel_ = RegisterNotifyChannel(profRoot + "_NotifyMsg");
}

CtlClient::~CtlClient() = default;

std::string CtlClient::Text(const char* key, const char* english) const {
  const std::string text = strings_->ReadString("Ctl", key, "");
  return text.empty() ? english : text;
}

int CtlClient::Run(const ctl::CommandLine& line, std::string& out, std::string& err) const {
  std::string answer;
  const auto timeoutMs = static_cast<int>(ctl::AnswerTimeout(line).count());
  switch (SendChannelRequest(channel_, ctl::EncodeRequest(line.request), answer, timeoutMs)) {
    case ChannelAnswer::kAnswered:
      break;
    case ChannelAnswer::kNoListener:
      err = Text("NoInstance", "The utility is not running for this user.") + "\n";
      return ctl::kNoInstance;
    case ChannelAnswer::kNotThisUser:
      err = Text("NotThisUser", "The channel belongs to another user; nothing was sent.") + "\n";
      return ctl::kFailed;
    case ChannelAnswer::kNoAnswer:
      err = Text("NoAnswer", "The utility did not answer.") + "\n";
      return ctl::kFailed;
  }
  ctl::Reply reply;
  if (!ctl::DecodeReply(answer, reply)) {
    err = Text("BadAnswer", "The utility's answer could not be read.") + "\n";
    return ctl::kFailed;
  }
  if (reply.result != ctl::kOk) {
    err = ctl::TerminalText(reply.message) + "\n";
    return reply.result;
  }
  out = line.json ? ctl::FormatJson(reply) : ctl::FormatPlain(reply);
  return ctl::kOk;
}
