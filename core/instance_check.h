#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "core/notifier.h"
#include "platform/named_mutex.h"

// Sends a notification code to the running instance, if any, and waits until
// it has been handled.
void BroadcastNotify(const std::string& channel, int code);

// Takes the instance mutex. Returns it when this is the only instance; returns
// none after telling the running instance to show itself, or when the mutex
// cannot be made even after asking whoever holds things up to close.
std::unique_ptr<NamedMutex> CheckSingleInstance(
    const std::string& mutexName, const std::string& channel,
    std::chrono::milliseconds retryDelay = std::chrono::milliseconds(3000));
