#pragma once

#include "ui/controls/triface_btn.h"

// A picture button whose hover face is an overlay: the hover picture, less its
// transparent colour, drawn over the normal face one pixel up and to the left,
// so the face seems to lift under the mouse.
class TFABitmapBtn : public TTrifaceBtn {
  Q_OBJECT

 public:
  explicit TFABitmapBtn(QWidget* parent = nullptr);

 protected:
  QImage FaceFor(DrawState state) const override;
};
