#include "model/wl_text.h"

namespace {

const std::string& Text(const DisplayStringTable& texts, DisplayStringIndex index) {
  return texts.DisplayString(index);
}

}  // namespace

std::string EncryptionText(int32_t value, const DisplayStringTable& texts) {
  switch (value) {
    case kEncryptNone:
      return Text(texts, kStrEncrypt_None);
    case kEncryptWEP:
      return Text(texts, kStrEncrypt_WEP);
    case kEncryptWPA_PSK:
      return Text(texts, kStrEncrypt_WPA_PSK);
    case kEncryptWPA:
      return Text(texts, kStrEncrypt_WPA);
    case kEncryptRadius:
      return Text(texts, kStrEncrypt_Radius);
    case kEncryptLEAP:
      return Text(texts, kStrEncrypt_LEAP);
    case kEncryptWPA2_PSK:
      return Text(texts, kStrEncrypt_WPA2_PSK);
    case kEncryptWPA2:
      return Text(texts, kStrEncrypt_WPA2);
    default:
      return {};
  }
}

std::string SecurityCodeText(int32_t code, const DisplayStringTable& texts) {
  switch (SecurityClassOf(code)) {
    case SecurityClass::kOpen:
      return Text(texts, kStrEncrypt_None);
    case SecurityClass::kWEP:
      return Text(texts, kStrEncrypt_WEP);
    case SecurityClass::kWPA:
      return Text(texts, kStrEncrypt_WPA);
    case SecurityClass::kWPA_PSK:
      return Text(texts, kStrEncrypt_WPA_PSK);
    case SecurityClass::kWPA2:
      return Text(texts, kStrEncrypt_WPA2);
    case SecurityClass::kWPA2_PSK:
      return Text(texts, kStrEncrypt_WPA2_PSK);
    case SecurityClass::kWPA_WPA2:
      return Text(texts, kStrEncrypt_WPA_WPA2);
    case SecurityClass::kWPA_WPA2_PSK:
      return Text(texts, kStrEncrypt_WPA_WPA2_PSK);
    case SecurityClass::kUnknown:
      break;
  }
  return Text(texts, kStrUnknow);
}

int32_t ModeToBandMask(int32_t code) {
  switch (code) {
    case kModeB:
      return kBand80211b;
    case kModeA:
      return kBand80211a;
    case kModeG:
      return kBand80211g;
    case kModeBG:
      return kBand80211b | kBand80211g;
    case kModeAG:
      return kBand80211a | kBand80211g;
    case kModeBA:
      return kBand80211b | kBand80211a;
    case kModeBAG:
      return kBand80211b | kBand80211a | kBand80211g;
    case kModeB2:
      return kBand80211b;
    case kModeAExt:
      return kBand80211a | kBandExtA;
    case kModeGExt:
      return kBand80211g | kBandExtG;
    case kModeBGExt:
      return kBand80211b | kBand80211g | kBandExtG;
    case kModeAGExt:
      return kBand80211a | kBand80211g | kBandExtA | kBandExtG;
    case kModeBAExt:
      return kBand80211b | kBand80211a | kBandExtA;
    default:
      return kBand80211b | kBand80211a | kBand80211g | kBandExtA | kBandExtG;
  }
}

int32_t BandMaskToMode(int32_t mask) {
  const bool extA = (mask & kBandExtA) != 0;
  const bool extG = (mask & kBandExtG) != 0;
  switch (mask & 0xFF) {
    case 1:
      return kModeB;
    case 2:
      return extA ? kModeAExt : kModeA;
    case 3:
      return extA ? kModeBAExt : kModeBA;
    case 4:
      return extG ? kModeGExt : kModeG;
    case 5:
      return extG ? kModeBGExt : kModeBG;
    case 6:
      return (extA || extG) ? kModeAGExt : kModeAG;
    case 7:
      return (extA || extG) ? kModeBAGExt : kModeBAG;
    default:
      return kModeBAGExt;
  }
}

std::string BandText(int32_t code, const DisplayStringTable& texts) {
  const int32_t mask = ModeToBandMask(code);
  const std::string& ghz = Text(texts, kStrGHz);
  std::string text;
  if (mask & kBand24GHz) text += "2.4 " + ghz + " + ";
  if (mask & kBand5GHz) text += "5 " + ghz + " + ";
  if (!text.empty()) text.resize(text.size() - 3);
  return text;
}

std::string BandName(int32_t code, bool standard, const DisplayStringTable& texts) {
  const int32_t mask = ModeToBandMask(code);
  std::string name = Text(texts, kStrAuto);
  if (standard) {
    if (mask & kBand80211b) name = Text(texts, kStr802B);
    if (mask & kBand80211g) name = Text(texts, kStr802G);
    if (mask & kBand80211a) name = Text(texts, kStr802A);
  } else {
    if (mask & kBand24GHz) name = "2.4 " + Text(texts, kStrGHz);
    if (mask & kBand5GHz) name = "5 " + Text(texts, kStrGHz);
  }
  return name;
}

int SignalToPercent(int32_t signal) {
  // 64-bit: the library's value may be anything, and signal * 100 must not overflow.
  const int64_t dbm = signal == 0 ? -95 : signal;
  const int64_t percent = (dbm * 100 + 9500) / 50;
  if (percent > 100) return 100;
  if (percent < 0) return 0;
  return static_cast<int>(percent);
}

std::string RateNumberText(int32_t rate) {
  // "%d " of rate / 2 when even, "%.1f " of rate * 0.5 when odd; an odd value
  // times 0.5 always ends in ".5", so no floating point (and no locale) is needed.
  const int64_t value = rate;
  const int64_t magnitude = value < 0 ? -value : value;
  std::string text = value < 0 ? "-" : "";
  text += std::to_string(magnitude / 2);
  if (magnitude % 2 != 0) text += ".5";
  return text + " ";
}

std::string RateText(int32_t rate, const DisplayStringTable& texts) {
  return RateNumberText(rate) + Text(texts, kStrMbps);
}

std::string RadioText(int32_t radio, const DisplayStringTable& texts) {
  switch (radio) {
    case kRadio80211b:
      return Text(texts, kStr802B);
    case kRadio80211a:
      return Text(texts, kStr802A);
    case kRadio80211g:
      return Text(texts, kStr802G);
    default:
      return {};
  }
}

std::string NetworkModeText(int32_t mode, const DisplayStringTable& texts) {
  return Text(texts, mode == kNetworkModeInfrastructure ? kStrInfrastructure : kStrAdHoc);
}
