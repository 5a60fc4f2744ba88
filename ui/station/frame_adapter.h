#pragma once

#include <cstdint>

#include "ui/shell/property_page_frame.h"

class QComboBox;
class TEllipsisLabel;
class TFABitmapBtn;
class TImage;

// The station-mode page "Adapter": transfer rate, preamble and power saving of
// the applied profile. Save stores them into the listed profile of that name
// and applies the profile again; the rate choices follow the radio standard of
// the link.
class TFrameAdapter : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // Radio standards the rate list is filled for; kNotFilled before the first fill.
  static constexpr int kStandardB = 1;
  static constexpr int kStandardA = 2;
  static constexpr int kStandardG = 3;
  static constexpr int kNotFilled = 5;
  // The most numbers a rate setting contributes.
  static constexpr int kMaxRates = 256;

  explicit TFrameAdapter(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

  int FilledStandard() const { return filledStandard_; }
  void InitTxRate(int standard);

 private:
  void PlaceControls();
  void EnablePage();
  void SelectCurrentValues();
  void FollowStandard();
  void BtnSaveClick();

  TImage* imgBG_;
  TEllipsisLabel* lbTxRate_;
  TEllipsisLabel* lbPreamble_;
  TEllipsisLabel* lbPower_;
  QComboBox* cmbTxRate_;
  QComboBox* cmbPreamble_;
  QComboBox* cmbPower_;
  TFABitmapBtn* btnSave_;
  CNICAdapter* adapter_ = nullptr;
  int filledStandard_ = kNotFilled;
};
