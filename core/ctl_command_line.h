#pragma once

#include <chrono>
#include <string>
#include <vector>

// The terminal command's arguments: one command with its words, and options
// anywhere among them.
namespace ctl {

struct CommandLine {
  std::vector<std::string> request;  // the words sent to the instance
  bool json = false;
  bool help = false;
  std::chrono::seconds timeout{20};  // connect: how long to wait for the link
  std::string error;                 // non-empty: a usage error
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

// How long the command waits for the instance's answer to this request.
std::chrono::milliseconds AnswerTimeout(const CommandLine& line);

const char* UsageText();

}  // namespace ctl
