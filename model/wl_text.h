#pragma once

#include <cstdint>
#include <string>

#include "model/display_strings.h"
#include "model/wl_enums.h"

// Conversions from record values to shown texts, in the words of the given
// display-string table. Those texts come from a string file, so they are only
// ever concatenated, never used as a format.

// The EncryptionMethod text; empty for values outside 0..7.
std::string EncryptionText(int32_t value, const DisplayStringTable& texts);
// The text of a site-survey SecurityCode; "Unknow" for codes outside the table.
std::string SecurityCodeText(int32_t code, const DisplayStringTable& texts);

// BandMask of a wireless mode code; every code outside the table gives 0x307.
int32_t ModeToBandMask(int32_t code);
// Wireless mode code of a BandMask.
int32_t BandMaskToMode(int32_t mask);

// The frequency bands of a wireless mode code: "2.4 GHz", "5 GHz" or
// "2.4 GHz + 5 GHz" with the English unit.
std::string BandText(int32_t code, const DisplayStringTable& texts);
// One name for a wireless mode code: a radio name ("802.11a" wins over
// "802.11g" over "802.11b") when standard is true, else a frequency band
// (5 GHz wins).
std::string BandName(int32_t code, bool standard, const DisplayStringTable& texts);

// Signal quality in per cent (0..100) of a signal in dBm; 0 counts as -95.
int SignalToPercent(int32_t signal);

// A rate in 500 kbit/s steps as a number and a blank: half the value when it
// is even ("54 "), the value times 0.5 with one decimal when odd ("5.5 ").
// Always with a decimal point, whatever the process locale.
std::string RateNumberText(int32_t rate);
// RateNumberText followed by the "Mbps" text ("5.5 Mbps"). The automatic rate
// 15 is not special here; the callers that show "Auto" for it test it first.
std::string RateText(int32_t rate, const DisplayStringTable& texts);

// The radio text of a Radio value (802.11b/a/g); empty for other values.
std::string RadioText(int32_t radio, const DisplayStringTable& texts);
// "Infrastructure" for 1, "AdHoc" for every other NetworkMode value.
std::string NetworkModeText(int32_t mode, const DisplayStringTable& texts);
