#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <string>

#include "ui/profile/wizard_page.h"

class QComboBox;
class QLabel;
class QLineEdit;
class TEllipsisLabel;
class TSecretEdit;
struct WLProfile;

// Wizard page: the 802.1X settings of a WPA, WPA2 or RADIUS profile. The EAP
// methods offered follow the settings "EnRADIUS_…" or "EnWPA_…"; each method
// shows only the rows it needs, one under the other without gaps. The
// certificates come from the library's stores on every entry.
class TFrameDot11 : public TWizardPage {
  Q_OBJECT

 public:
  explicit TFrameDot11(QWidget* parent = nullptr);

  void InitPage() override;
  void DonePage() override;
  bool EnterPage(TPropertyPageFrame* previous, int direction, int request) override;
  bool LeavePage(TPropertyPageFrame* next, int direction, int request) override;
  void AdapterChanged(CNICAdapter* adapter, int event, int funcMode) override;

 private:
  // The rows that come and go with the method, in their reading order.
  enum Field { kPasswd, kMyCert, kServerCA, kInner, kEncry, kFieldCount };
  struct Row {
    TEllipsisLabel* caption;
    QWidget* value;
    QLabel* mark;
  };

  void FillMethods(int32_t encryptionMethod);
  void FillCertificates();
  void FillCiphers();
  void FreeCertificates();
  // Lays out the rows of the chosen method and refills its inner list.
  void CmbAuthenSelect();
  void FillInner(int32_t method);
  // Row 0 is the login name's; -1 hides the row with its caption and mark.
  void PlaceRow(const Row& row, int index);
  bool Validate(int32_t method);
  void Refuse(const char* key, const QString& designText, QWidget& field);
  void WriteCertificates(WLProfile& working) const;

  TEllipsisLabel* lbAuthen_;
  QComboBox* cmbAuthen_;
  TEllipsisLabel* lbUser_;
  QLineEdit* edtUser_;
  TSecretEdit* edtPasswd_;
  QComboBox* cmbMyCert_;
  QComboBox* cmbServerCA_;
  QComboBox* cmbInner_;
  QComboBox* cmbEncryp_;
  std::array<Row, kFieldCount> rows_{};
  // Stored texts as their bytes, kept as they were while their edits show them unchanged.
  std::string loadedUser_;
  std::string loadedPasswd_;
  CNICAdapter* adapter_ = nullptr;
};
