#pragma once

#include <QByteArray>
#include <QImage>
#include <optional>
#include <string>

#include "ui/shell/form_main.h"

// What the access-point page tests share: the installation, short timings,
// the simulated access point's state and a QR code reader.
namespace ApTest {

inline constexpr int kWait = 10000;

// The installation's settings with the simulated adapter; more lines go to
// the adapter's hardware-ID section.
std::string Settings(const std::string& moreAdapterSettings = {});
TFormMain::Timing FastTiming();

// Removes the profiles the simulated adapter keeps, so that each test starts
// from the default access-point profile.
void ForgetProfiles();

// True when the adapter's access point runs with that SSID.
bool RunningAs(CNICAdapter& adapter, const std::string& ssid);

// The text of the QR code in the picture, read by zbarimg; nothing when
// zbarimg is not installed. A picture it cannot read gives an empty text.
std::optional<QByteArray> ReadQrCode(const QImage& picture);

}  // namespace ApTest
