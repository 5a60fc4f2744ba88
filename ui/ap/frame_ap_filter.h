#pragma once

#include <array>

#include "ui/shell/property_page_frame.h"

class QComboBox;
class TEllipsisLabel;
class TFABitmapBtn;
class TImage;
class TMacEdit;

// The access-point page "MAC Filter": which stations may associate. It edits
// the filter type and the sixteen addresses of the access-point working
// profile; Save stores and applies the profile, Cancel reloads it.
class TFrameAPFilter : public TPropertyPageFrame {
  Q_OBJECT

 public:
  static constexpr int kAddressCount = 16;

  explicit TFrameAPFilter(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

 private:
  TEllipsisLabel* NewCaption(const char* name, const QString& designText);
  TFABitmapBtn* NewButton(const char* name);
  void PlaceControls();
  void EnableControls();
  void Load();

  // Event handlers.
  void CmbTypeSelect();
  void EdtPasteRefused();
  void BtnSaveClick();
  void BtnCancelClick();

  TImage* imgBG_;
  TEllipsisLabel* lbType_;
  TEllipsisLabel* lbAddr_;
  QComboBox* cmbType_;
  std::array<TEllipsisLabel*, kAddressCount> lbNumber_{};
  std::array<TMacEdit*, kAddressCount> edt_{};
  TFABitmapBtn* btnSave_;
  TFABitmapBtn* btnCancel_;

  CNICAdapter* adapter_ = nullptr;
};
