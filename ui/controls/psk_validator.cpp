#include "ui/controls/psk_validator.h"

#include "model/wpa_phrase_rules.h"

QValidator::State TPSKValidator::validate(QString& input, int&) const {
  return WPAPhraseRules::MayHold(input.toStdU16String()) ? Acceptable : Invalid;
}
