#pragma once

#include <string>

// The operating-system version level the rest of the program compares against.
int DetectOSLevel();

// Whether a user can see a message now: a graphical session is running.
bool TaskBarPresent();

// The system's message text for an error code.
std::string SystemErrorText(int code);
