#pragma once

#include <QObject>
#include <QString>

class QMenu;
class QSystemTrayIcon;

// The notification-area icon: one of three pictures (0 station, 1 connected,
// 2 access point) in the older or the newer look, a hint and a pop-up menu.
// The window decides what a click means. Without a tray on the desktop it
// keeps its state and shows nothing.
class TTrayIcon : public QObject {
  Q_OBJECT

 public:
  // The longest hint the icon takes; a longer one leaves the previous hint.
  static constexpr int kMaxHintLength = 63;

  explicit TTrayIcon(QObject* parent = nullptr);
  ~TTrayIcon() override;

  // The older look is the image list "ImgsOvIcon", the newer "ImgsOvIconXP".
  void SetNewerLook(bool newer);
  int Index() const { return index_; }
  void SetIndex(int index);
  QString Hint() const { return hint_; }
  void SetHint(const QString& hint);
  bool Visible() const;
  void SetVisible(bool visible);
  // The menu the tray shows on a right click; the caller keeps it.
  void SetMenu(QMenu* menu);

 signals:
  // A left click (or the tray's own activation) on the icon.
  void clicked();

 private:
  void ShowPicture();
  void DrawPicture();

  QSystemTrayIcon* icon_;
  bool newerLook_ = true;
  int index_ = -1;
  QString hint_;
};
