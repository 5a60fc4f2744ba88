#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the terminal command and the running instance exchange over the
// per-user channel: a request is a list of words (command, then arguments), an
// answer a result code, a message and records of named values. Texts are bytes
// (a network name may hold any), so every piece is length-prefixed.
namespace ctl {

// The command's exit codes; the instance answers with the same numbers.
enum Result : int {
  kOk = 0,
  kFailed = 1,         // no answer, refused, or the instance could not do it
  kUsage = 2,          // bad command line
  kNoInstance = 3,     // no utility runs for this user
  kNoAdapter = 4,      // the utility has no adapter bound
  kNoProfile = 5,      // connect: no profile of that name
  kConnectFailed = 6,  // connect: not associated within the time-out
  kWrongMode = 7,      // the adapter is not in the mode the command needs
};

struct Value {
  enum Type { kText, kNumber, kBool };
  std::string key;
  Type type = kText;
  std::string text;  // a number or bool in its plain form ("12", "true")
};
using Record = std::vector<Value>;

Value Text(std::string key, std::string text);
Value Number(std::string key, long long number);
Value Bool(std::string key, bool flag);

struct Reply {
  int result = kOk;
  std::string message;  // what went wrong, for the user
  Record fields;
  std::string listName;  // names items when there are any
  std::vector<Record> items;
};

std::string EncodeRequest(const std::vector<std::string>& words);
// False for anything that is not a well-formed request.
bool DecodeRequest(std::string_view bytes, std::vector<std::string>& words);

std::string EncodeReply(const Reply& reply);
bool DecodeReply(std::string_view bytes, Reply& reply);

}  // namespace ctl
