#include "app/framework/PictureControls.h"

#include <QPainter>
#include <QWidget>

#include "app/framework/BlockReader.h"

namespace fw {

namespace {

class PictureWidget : public QWidget {
 public:
  PictureWidget(QWidget* parent, const QPixmap* picture, bool centred)
      : QWidget(parent), picture_(picture), centred_(centred) {
    // Pictures take no clicks; whatever they overlap stays reachable.
    setAttribute(Qt::WA_TransparentForMouseEvents);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (picture_->isNull()) return;
    QPainter p(this);
    const QSizeF size = picture_->deviceIndependentSize();
    QPointF at(0, 0);
    if (centred_) at = QPointF((width() - size.width()) / 2, (height() - size.height()) / 2);
    p.drawPixmap(at, *picture_);
  }

 private:
  const QPixmap* picture_;  // owned by the control, which outlives the widget's use
  bool centred_;
};

}  // namespace

void Canvas::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  if (Widget()) Widget()->update();
}

QWidget* Canvas::CreateWidget(QWidget* parent, const BlockRecords&) {
  return new PictureWidget(parent, &picture_, false);
}

void ImageWell::SetPicture(const QPixmap& picture) {
  picture_ = picture;
  if (Widget()) Widget()->update();
}

QWidget* ImageWell::CreateWidget(QWidget* parent, const BlockRecords&) {
  return new PictureWidget(parent, &picture_, true);
}

}  // namespace fw
