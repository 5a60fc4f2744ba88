#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <unordered_map>
#include <utility>

#include "ui/shell/image_list.h"

class CFAGlobalVar;

// The store of pictures and image lists every window and page takes its look
// from. Each picture is drawn (or loaded from the file the settings name in
// "Res_Path" and section "FormRes_TImage") the first time someone asks for
// it, at the store's pixel ratio, and kept: a session that never opens a page
// never pays for its pictures. The
// start-up code creates the one instance before the main window and destroys
// it after the application loop; Instance() reaches it meanwhile.
class TFormRes {
 public:
  // devicePixelRatio 0 draws for the application's screens.
  explicit TFormRes(qreal devicePixelRatio = 0);
  TFormRes(qreal devicePixelRatio, const CFAGlobalVar& global);
  ~TFormRes();
  TFormRes(const TFormRes&) = delete;
  TFormRes& operator=(const TFormRes&) = delete;

  // The instance alive now, or nullptr.
  static TFormRes* Instance();

  // A picture by component name ("ImgMainInfo", "ImgBtnSaveOn", ...); a null
  // image for a name the store does not hold. The reference stays valid for
  // the store's life.
  const QImage& Picture(QStringView name) const;
  // Its size in device-independent pixels, known without drawing a built-in
  // picture that has a fixed size; empty for a name the store does not hold.
  QSize PictureSize(QStringView name) const;
  // Every picture name, in component order.
  const QStringList& PictureNames() const { return names_; }

  // The image lists are drawn when one of them is first asked for.
  const TImageList& ImgsType() const;
  const TImageList& ImgsNull() const;
  const TImageList& ImgsOvIcon() const;
  const TImageList& ImgsOvIconXP() const;

  // A tray icon of the image list's look, drawn at every size a tray may ask for.
  QIcon TrayIcon(bool newerLook, int index) const;

 private:
  struct Entry {
    std::function<QImage()> draw;
    QString file;  // a replacement named in the settings, tried first
    mutable std::optional<QImage> picture;
    QSize size;  // of the built-in picture, when known before drawing
  };
  struct NameHash {
    using is_transparent = void;
    std::size_t operator()(QStringView name) const { return qHash(name); }
  };

  void AddPictures(qreal devicePixelRatio, const CFAGlobalVar& global);
  void DrawImageLists() const;
  void Add(const QString& name, std::function<QImage()> draw, QSize size = {});
  void FindReplacementFiles(const CFAGlobalVar& global);

  QStringList names_;
  // Node-based, so a picture drawn later never moves one handed out before.
  std::unordered_map<QString, Entry, NameHash, std::equal_to<>> pictures_;
  mutable std::map<std::pair<bool, int>, QIcon> trayIcons_;  // drawn once each
  qreal ratio_;
  mutable bool listsDrawn_ = false;
  mutable TImageList imgsType_;
  mutable TImageList imgsNull_;
  mutable TImageList imgsOvIcon_;
  mutable TImageList imgsOvIconXP_;
};
