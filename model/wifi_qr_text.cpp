#include "model/wifi_qr_text.h"

#include "model/wl_enums.h"
#include "model/wl_profile.h"
#include "platform/text.h"

namespace {

std::string_view TransmitKey(const WLProfile& profile) {
  switch (profile.DefaultKey) {
    case 1:
      return TextOf(profile.WEPKey2);
    case 2:
      return TextOf(profile.WEPKey3);
    case 3:
      return TextOf(profile.WEPKey4);
    default:
      return TextOf(profile.WEPKey1);
  }
}

}  // namespace

std::string WifiQrEscaped(std::string_view text) {
  std::string escaped;
  escaped.reserve(text.size());
  for (char c : text) {
    if (c == '\\' || c == ';' || c == ',' || c == '"' || c == ':') escaped += '\\';
    escaped += c;
  }
  return escaped;
}

std::string WifiQrText(const WLProfile& profile) {
  std::string type;
  std::string_view key;
  switch (profile.EncryptionMethod) {
    case kEncryptNone:
      type = "nopass";
      break;
    case kEncryptWEP:
      type = "WEP";
      key = TransmitKey(profile);
      break;
    case kEncryptWPA_PSK:
    case kEncryptWPA2_PSK:
      type = "WPA";
      key = TextOf(profile.WPAPassphrase);
      break;
    default:
      return {};
  }
  std::string text = "WIFI:T:" + type + ";S:" + WifiQrEscaped(TextOf(profile.Ssid1)) + ";";
  if (type != "nopass") text += "P:" + WifiQrEscaped(key) + ";";
  if (profile.ApSSIDHide == 1) text += "H:true;";
  return text + ";";
}
