#include "ui/profile/frame_wireless.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>

#include "adapter/nic_adapter.h"
#include "core/fa_global_var.h"
#include "model/wl_enums.h"
#include "model/wl_text.h"
#include "ui/controls/ellipsis_label.h"
#include "ui/profile/wizard_controls.h"
#include "ui/shell/control_texts.h"
#include "ui/shell/page_parts.h"
#include "ui/shell/shell_geometry.h"
#include "ui/shell/show_message.h"

namespace {

namespace G = ShellGeometry;
using namespace WizardControls;

constexpr int kLeft = 48;
constexpr int kTop = 56;
constexpr int kRowStep = 32;
constexpr int kBoxSize = 20;
constexpr int kLabelWidth = 260;
constexpr int32_t kFirstBandBits = kBand24GHz | kBandExtG;
constexpr int32_t kSecondBandBits = kBand5GHz | kBandExtA;

}  // namespace

TFrameWireless::TFrameWireless(QWidget* parent)
    : TWizardPage("FrameWireless1", "FrameWireless", parent) {
  PageParts::AddHeading(*this, "LbWlModeSet", "Wireless Protocol Settings", G::kCardFull);
  for (int i = 0; i < kBands; ++i) {
    const QString number = QString::number(i + 1);
    auto* box = new QCheckBox(this);
    box->setObjectName(QStringLiteral("ChkBand") + number);
    box->setGeometry(kLeft, kTop + i * kRowStep, kBoxSize, kBoxSize);
    QLabel* label = NewCaption(*this, qPrintable(QStringLiteral("LbBand") + number),
                               qPrintable(QStringLiteral("Mode") + number));
    label->setGeometry(kLeft + kBoxSize + 4, kTop + i * kRowStep, kLabelWidth, kBoxSize);
    // The caption is the box's own: a click on it ticks the box.
    label->setBuddy(box);
    label->installEventFilter(this);
    chkBand_[static_cast<std::size_t>(i)] = box;
    lbBand_[static_cast<std::size_t>(i)] = label;
  }
  AddWizardButtons(Bit(kBack) | Bit(kNext) | Bit(kExit));
}

void TFrameWireless::InitPage() {
  TWizardPage::InitPage();
  for (int i = 0; i < kBands; ++i) ShowBand(i, 0, false, QString());
}

void TFrameWireless::ShowBand(int index, int32_t tag, bool checked, const QString& text) {
  const auto i = static_cast<std::size_t>(index);
  tags_[i] = tag;
  chkBand_[i]->setChecked(tag != 0 && checked);
  chkBand_[i]->setEnabled(tag != 0);
  chkBand_[i]->setVisible(tag != 0);
  lbBand_[i]->setVisible(tag != 0);
  if (tag == 0) return;
  lbBand_[i]->setText(text);
  chkBand_[i]->setAccessibleName(text);
}

bool TFrameWireless::EnterPage(TPropertyPageFrame* previous, int direction, int request) {
  if (Adapter() != nullptr) {
    const int32_t all = ModeToBandMask(Adapter()->SupportMode());
    const int32_t chosen = ModeToBandMask(FAGlobal().StationProfile().ABGMode);
    const QString ghz = Display(kStrGHz);
    if (all & kBand24GHz) {
      ShowBand(0, all & kFirstBandBits, (all & chosen & kBand24GHz) != 0,
               QStringLiteral("2.4 ") + ghz);
    } else {
      ShowBand(0, 0, false, QString());
    }
    if (all & kBand5GHz) {
      ShowBand(1, all & kSecondBandBits, (all & chosen & kBand5GHz) != 0,
               QStringLiteral("5 ") + ghz);
    } else {
      ShowBand(1, 0, false, QString());
    }
    ShowBand(2, 0, false, QString());
  }
  return TWizardPage::EnterPage(previous, direction, request);
}

bool TFrameWireless::LeavePage(TPropertyPageFrame* next, int direction, int request) {
  if (direction == kDirNext) {
    int32_t mask = 0;
    for (int i = 0; i < kBands; ++i) {
      if (chkBand_[static_cast<std::size_t>(i)]->isChecked()) mask |= BandTag(i);
    }
    if ((mask & 0xFF) == 0) {
      ShowMessage(this,
                  StringText(QStringLiteral("Message"), QStringLiteral("ErNoSelBand"),
                             QStringLiteral("No band was selected!\nAt least one band must be "
                                            "selected.")),
                  kMbIconExclamation);
      return false;
    }
    if (Adapter() != nullptr) {
      WLProfile& working = FAGlobal().StationProfile();
      working.ABGMode = BandMaskToMode(mask);
      const int32_t usable = Adapter()->GetUsableAdHocBand(working.ABGMode);
      // The ad hoc radio must stay one the new bands allow.
      if ((usable & ModeToBandMask(working.AdHocBand)) == 0) {
        if (usable & kBand80211a) {
          working.AdHocBand = kRadio80211a;
          working.Channel = Adapter()->DefChA();
        } else if (usable & (kBand80211g | kBand80211b)) {
          working.AdHocBand = (usable & kBand80211g) ? kRadio80211g : kRadio80211b;
          working.Channel = Adapter()->DefChB();
        }
      }
    }
  }
  return TWizardPage::LeavePage(next, direction, request);
}

bool TFrameWireless::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    for (int i = 0; i < kBands; ++i) {
      QCheckBox* box = chkBand_[static_cast<std::size_t>(i)];
      if (watched == lbBand_[static_cast<std::size_t>(i)] && box->isEnabled()) box->toggle();
    }
  }
  return TWizardPage::eventFilter(watched, event);
}
