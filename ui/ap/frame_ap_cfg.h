#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>

#include "ui/shell/property_page_frame.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class TEllipsisLabel;
class TFABitmapBtn;
class TImage;
class TSecretEdit;
struct WLProfile;

// The access-point page "Configuration": name, radio, channel, power and WEP
// security of the software access point, edited on the access-point working
// profile. Save stores and applies it; Cancel reloads it. The WEP pass phrase
// only generates keys and is never stored. Where the adapter allows it the
// security list also offers WPA2-PSK, whose pass phrase is stored as station
// profiles store theirs. Share shows the saved network as a QR code for phones.
class TFrameAPCfg : public TPropertyPageFrame {
  Q_OBJECT

 public:
  // The most channels a list offers; longer settings or library answers are cut.
  static constexpr int kMaxChannels = 256;

  explicit TFrameAPCfg(QWidget* parent = nullptr);

  void InitPage() override;
  void ResetPage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;
  void AdapterNotify(CNICAdapter* adapter, int code, intptr_t arg) override;

 private:
  struct ChannelSource {
    const char* key;
    int32_t band;
    int32_t fallback;
  };

  TEllipsisLabel* NewCaption(const char* name, const char* designText);
  QComboBox* NewList(const char* name);
  TSecretEdit* NewSecret(const char* name, int maxLength);
  TFABitmapBtn* NewButton(const char* name);
  void PlaceControls();
  void MarkCaptions();

  void FillModeList();
  void FillWEPList();
  bool WPA2Chosen() const;
  // Shows the WEP rows or the WPA2 pass phrase row.
  void ShowSecurityRows();
  // False, with the message shown, when the WPA2 pass phrase breaks the rule.
  bool SaveWPA2(WLProfile& profile);
  void EdtPSKRejected();
  void ShowPSKMessage();
  void FillChannelList(const ChannelSource& source);
  // Marks the channel of the list the last scan heard least of; 0 when the
  // scan heard nothing to tell the channels apart by.
  int32_t MarkLeastUsed(int32_t preferred);
  void EnableControls();
  // Share is offered for networks a phone can join by a code.
  void ShareableChanged();
  void LoadWireless();
  void LoadSecurity();
  TSecretEdit* KeyEdit(int index) const { return edtKey_[static_cast<std::size_t>(index)]; }
  QByteArray SsidBytes() const;

  // Event handlers.
  void CmbModeSelect();
  void RetryChannelList();
  void CmbWEPSelect();
  void CmbDefKeySelect();
  void EdtPhraseChange();
  void EdtKeyChange();
  void BtnSaveClick();
  void BtnCancelClick();
  void BtnShareClick();

  TImage* imgBG_;
  TEllipsisLabel* lbSSID_;
  TEllipsisLabel* lbMode_;
  TEllipsisLabel* lbChannel_;
  TEllipsisLabel* lbPower_;
  TEllipsisLabel* lbWEP_;
  TEllipsisLabel* lbAuthen_;
  TEllipsisLabel* lbPhrase_;
  TEllipsisLabel* lbDefKey_;
  TEllipsisLabel* lbKey_;
  TEllipsisLabel* lbPSK_;
  QLineEdit* edtSSID_;
  QCheckBox* chkHide_;
  QComboBox* cmbMode_;
  QComboBox* cmbCh_;
  QComboBox* cmbPower_;
  QComboBox* cmbWEP_;
  QComboBox* cmbAuthen_;
  QComboBox* cmbDefKey_;
  TSecretEdit* edtPhrase_;
  std::array<TSecretEdit*, 4> edtKey_;
  TSecretEdit* edtPSK_;
  TFABitmapBtn* btnSave_;
  TFABitmapBtn* btnCancel_;
  TFABitmapBtn* btnShare_;

  CNICAdapter* adapter_ = nullptr;
  bool loading_ = false;
  bool phrase_ = false;
  bool pskMessagePosted_ = false;
  // The SSID as loaded: its bytes are saved unchanged unless the edit changes.
  QByteArray loadedSsid_;
  QString loadedSsidText_;
  // How often the channel list was asked for again while the library was busy.
  int channelRetries_ = 0;
};
