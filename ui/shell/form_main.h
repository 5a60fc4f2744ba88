#pragma once

#include <QImage>
#include <QPointer>
#include <cstdint>
#include <memory>

#include "adapter/nic_adapter.h"
#include "adapter/thrd_detect.h"
#include "ui/shell/form_base.h"

class CThrdCloseForm;
class FormDialogStack;
class FormNotifier;
class NotifySources;
class QAction;
class QMenu;
class QtWindowThread;
class TEllipsisLabel;
class TFrameAPInfo;
class TFrameProfile;
class TPaintPanel;
class TPropertyPageFrame;
class TTrayIcon;
class TTrifaceBtn;
class TTrifaceLabel;

// The utility's one top-level window: navigation between the pages of the
// current function mode, the mode switch, the tray icon and its menu. It binds
// to the adapter the detection thread finds, tells the pages about it and
// forwards every notification to them. Closing it only hides it; the
// application ends through the tray menu's Close or PM_CLOSE.
class TFormMain : public TFormBase {
  Q_OBJECT

 public:
  // Function modes.
  static constexpr int kModeStation = 0;
  static constexpr int kModeAccessPoint = 1;
  // Tray icon pictures.
  static constexpr int kTrayStation = 0;
  static constexpr int kTrayConnected = 1;
  static constexpr int kTrayAccessPoint = 2;
  // ShowPage request code for the site survey page opened on request.
  static constexpr int kSurveyRequest = 1024;

  // The waits of the detection thread and the adapter manager; tests pass
  // shorter ones.
  struct Timing {
    CThrdDetect::Timing detect;
    CNICAdapter::Timing adapter;
    // Only the page the window opens on is built with the window; each other
    // page is built when it is first shown or needed.
    bool pagesOnDemand = false;
  };

  explicit TFormMain(QWidget* parent = nullptr);
  explicit TFormMain(Timing timing, QWidget* parent = nullptr);
  ~TFormMain() override;

  // Start operation: keeps the start flags for the program's lifetime and
  // starts the detection thread, which reports through PM_DEVICE.
  void Start(uint32_t startFlags);
  uint32_t StartFlags() const { return startFlags_; }

  // One notification code and its argument, on the window thread; the answer
  // goes back to a sender that waits for it.
  intptr_t HandleNotify(int code, intptr_t arg);

  // Switches to the label's page unless the current page refuses to be left
  // or the new one to be entered; the current label does nothing.
  void ShowPage(TTrifaceLabel* label, int request);
  void SetFuncMode(int mode);
  void AttachDevice(const AdapterIdent& device);
  // Closes every open dialog first, then releases the adapter.
  void DetachDevice();
  void UpdateTrayIcon();
  void UpdateTrayMenu();
  // Asks whether the utility should take the adapter over from the
  // operating system's zero-configuration service.
  bool AskUseUtility();

  int FuncMode() const { return funcMode_; }
  TTrifaceLabel* CurrentLabel() const { return currentLabel_; }
  TPropertyPageFrame* CurrentPage() const { return currentPage_; }
  CNICAdapter* Adapter() const { return adapter_.get(); }
  bool RemovalInProgress() const { return removing_; }
  const TTrayIcon& TrayIconMain() const { return *trayIcon_; }

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  // Pages are found by component name, as layout overrides and texts are.
  struct NavEntry {
    TTrifaceLabel* label;
    const char16_t* page;
    const char16_t* background;
  };

  void FormCreate();
  void CreateControls();
  TPropertyPageFrame* NewPage(QStringView name);
  // The page by component name, built if it is not yet.
  TPropertyPageFrame* Page(QStringView name);
  void CreateTrayMenu();
  void LoadTexts();
  TTrifaceLabel* NewNavLabel(const char* name, const char* caption, int tab);
  TEllipsisLabel* NewModeLabel(const char* name, const char* caption, const QRect& bounds);
  TTrifaceBtn* NewButton(const char* name, const QRect& bounds);
  const NavEntry* FindNav(const TTrifaceLabel* label) const;
  TPropertyPageFrame* NavPage(const NavEntry& entry);
  QList<TPropertyPageFrame*> Pages() const;
  void BroadcastAdapterChanged(int event, int mode);
  void BroadcastAdapterNotify(int code, intptr_t arg);

  void DeviceListEvent(intptr_t arg);
  void DetachStep();
  int AttachMode(WLProfile& lastApplied) const;
  void ApplyAntenna(int mode);
  void LoadAPWorkingProfile();
  void StartAutoConnect();
  void ZeroCfgHandOver(intptr_t arg);
  void ShowTrayIcon();
  void SetModeButtonsEnabled(bool enabled);

  // Event handlers.
  void LbLinkInfoMouseDown(TTrifaceLabel* label);
  void BtnSoftAPClick(TTrifaceBtn* button);
  void BtnHelpClick();
  void BtnAboutClick();
  void PBoxBGPaint(QPainter& canvas);
  void TrayIconMainClick();
  void MenuItWZCClick();
  void MenuItOpenClick();
  void MenuItCloseClick();

  const Timing timing_;
  uint32_t startFlags_ = 0;
  int funcMode_ = -1;
  TTrifaceLabel* currentLabel_ = nullptr;
  TPropertyPageFrame* currentPage_ = nullptr;
  const char16_t* background_ = nullptr;  // the picture's name
  bool closing_ = false;
  bool removing_ = false;
  // A device list change that came while removing, looked at once the removal is done.
  bool listChangedWhileRemoving_ = false;
  bool asking_ = false;
  bool aboutOpen_ = false;

  TPaintPanel* pBoxBG_ = nullptr;
  TTrifaceLabel* lbLinkInfo_ = nullptr;
  TTrifaceLabel* lbSiteSurvey_ = nullptr;
  TTrifaceLabel* lbProfile_ = nullptr;
  TTrifaceLabel* lbAdapter_ = nullptr;
  TTrifaceLabel* lbAPInfo_ = nullptr;
  TTrifaceLabel* lbAPCfg_ = nullptr;
  TTrifaceLabel* lbAPFilter_ = nullptr;
  TEllipsisLabel* lbCopyright_ = nullptr;
  TTrifaceBtn* btnHelp_ = nullptr;
  TTrifaceBtn* btnAbout_ = nullptr;
  TTrifaceBtn* btnSoftAP_ = nullptr;
  TTrifaceBtn* btnStation_ = nullptr;
  TEllipsisLabel* lbSoftAP_ = nullptr;
  TEllipsisLabel* lbStation_ = nullptr;
  int attachedMode_ = -1;  // the mode of the attach the pages were told of
  TFrameProfile* frameProfile1_ = nullptr;
  TFrameAPInfo* frameAPInfo1_ = nullptr;
  QList<NavEntry> nav_;
  TTrayIcon* trayIcon_ = nullptr;
  QMenu* pmTrayIcon_ = nullptr;
  QAction* menuItWZC_ = nullptr;
  QAction* n1_ = nullptr;
  QAction* menuItOpen_ = nullptr;
  QAction* menuItClose_ = nullptr;

  const std::shared_ptr<QtWindowThread> windowThread_;
  const std::shared_ptr<FormDialogStack> dialogStack_;
  std::shared_ptr<CThrdCloseForm> closeThread_;
  std::unique_ptr<AdapterIdent> device_;
  std::shared_ptr<FormNotifier> adapterNotifier_;
  std::unique_ptr<CNICAdapter> adapter_;
  // Last, so that it goes first: its threads may still reach the window.
  std::unique_ptr<NotifySources> sources_;
};
