#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>

#include "ui/shell/image_list.h"

class CFAGlobalVar;

// The store of pictures and image lists every window and page takes its look
// from. It draws the built-in set, then replaces single pictures with files
// named in the settings ("Res_Path" and section "FormRes_TImage"). The
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
  // image for a name the store does not hold.
  const QImage& Picture(QStringView name) const;
  // Every picture name, in component order.
  const QStringList& PictureNames() const { return names_; }

  const TImageList& ImgsType() const { return imgsType_; }
  const TImageList& ImgsNull() const { return imgsNull_; }
  const TImageList& ImgsOvIcon() const { return imgsOvIcon_; }
  const TImageList& ImgsOvIconXP() const { return imgsOvIconXP_; }

  // A tray icon of the image list's look, drawn at every size a tray may ask for.
  QIcon TrayIcon(bool newerLook, int index) const;

 private:
  void DrawPictures(qreal devicePixelRatio, const CFAGlobalVar& global);
  void DrawImageLists(qreal devicePixelRatio);
  void Add(const QString& name, const QImage& picture);
  void ReplaceFromFiles(const CFAGlobalVar& global);

  QStringList names_;
  QHash<QString, QImage> pictures_;
  TImageList imgsType_;
  TImageList imgsNull_;
  TImageList imgsOvIcon_;
  TImageList imgsOvIconXP_;
};
