#pragma once

#include <QValidator>

// Lets a pass phrase edit hold what the WPA pre-shared key rule allows while
// typing; the edit reports a refused keystroke through inputRejected.
class TPSKValidator : public QValidator {
 public:
  using QValidator::QValidator;
  State validate(QString& input, int& position) const override;
};
