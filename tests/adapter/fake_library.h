#pragma once

#include <map>
#include <mutex>
#include <string>

#include "adapter/orvwl.h"

// An in-process library the test controls: every entry point counts its calls
// and answers 0 until the test puts its own function into the table.
OrvwlApi MakeCountingTable();
int CallCount(const std::string& entryPoint);
void ResetCallCounts();
// For replacements that want to be counted too.
void CountCall(const char* entryPoint);
