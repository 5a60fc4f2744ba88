#pragma once

#include <array>
#include <cstdint>

#include "ui/profile/wizard_page.h"

class QCheckBox;
class QLabel;

// Wizard page: the frequency bands an infrastructure profile may use, on
// adapters with both a 2.4 GHz and a 5 GHz radio. Each box carries the band
// mask it stands for.
class TFrameWireless : public TWizardPage {
  Q_OBJECT

 public:
  static constexpr int kBands = 3;

  explicit TFrameWireless(QWidget* parent = nullptr);

  void InitPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  bool LeavePage(TPropertyPageFrame* next, int direction, int request) override;

  // The band mask of box 0..2 (ChkBand1..ChkBand3); 0 for a box not offered.
  int32_t BandTag(int index) const { return tags_[static_cast<std::size_t>(index)]; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowBand(int index, int32_t tag, bool checked, const QString& text);

  std::array<QCheckBox*, kBands> chkBand_{};
  std::array<QLabel*, kBands> lbBand_{};
  std::array<int32_t, kBands> tags_{};
};
