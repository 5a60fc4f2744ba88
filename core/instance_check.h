#pragma once

#include <chrono>
#include <memory>
#include <string>

#include "core/notifier.h"
#include "platform/named_mutex.h"

// Sends a notification code to the running instance, if any, and waits until
// it has been handled.
void BroadcastNotify(const std::string& channel, int code);

// The same for a message the instance holding the mutex must not miss. That
// instance takes the mutex before it opens its channel, so a message sent in
// between finds nobody listening: it is sent again until the channel answers,
// the mutex is free (nobody runs) or the patience is spent. Returns whether
// the instance took it.
bool NotifyInstance(const std::string& mutexName, const std::string& channel, int code,
                    std::chrono::milliseconds patience = std::chrono::milliseconds(10000));

// Takes the instance mutex. Returns it when this is the only instance; returns
// none after telling the running instance to show itself, or when the mutex
// cannot be made even after asking whoever holds things up to close.
std::unique_ptr<NamedMutex> CheckSingleInstance(
    const std::string& mutexName, const std::string& channel,
    std::chrono::milliseconds retryDelay = std::chrono::milliseconds(3000));
