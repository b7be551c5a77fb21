// Controls that show a picture: a canvas draws it as its backdrop from the top
// left corner, an image well centres it. A null picture shows nothing.
#pragma once

#include <QPixmap>

#include "app/framework/RectControl.h"

namespace fw {

class Canvas : public RectControl {
 public:
  Canvas() : RectControl(BlockClass::Canvas) {}
  const QPixmap& Backdrop() const { return picture_; }
  void SetPicture(const QPixmap& picture) override;

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;

 private:
  QPixmap picture_;
};

class ImageWell : public RectControl {
 public:
  ImageWell() : RectControl(BlockClass::ImageWell) {}
  const QPixmap& Image() const { return picture_; }
  void SetPicture(const QPixmap& picture) override;

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;

 private:
  QPixmap picture_;
};

}  // namespace fw
