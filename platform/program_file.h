#pragma once

#include <string>

// Full path of the running program's file, as the system reports it.
std::string RunningProgramPath();
