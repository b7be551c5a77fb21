#include "app/framework/Decorations.h"

#include <algorithm>
#include <cstdlib>

#include <QGroupBox>
#include <QPainter>
#include <QWidget>

#include "app/framework/BlockReader.h"
#include "app/framework/BlockStyle.h"

namespace fw {

namespace {

class RectangleWidget : public QWidget {
 public:
  RectangleWidget(QWidget* parent, QColor fill, int border, QColor topLeft, QColor bottomRight)
      : QWidget(parent), fill_(fill), border_(border), topLeft_(topLeft), bottomRight_(bottomRight) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), fill_);
    for (int i = 0; i < border_; ++i) {
      const int right = width() - 1 - i, bottom = height() - 1 - i;
      p.setPen(topLeft_);
      p.drawLine(i, i, right, i);
      p.drawLine(i, i, i, bottom);
      p.setPen(bottomRight_);
      p.drawLine(i, bottom, right, bottom);
      p.drawLine(right, i, right, bottom);
    }
  }

 private:
  QColor fill_;
  int border_;
  QColor topLeft_, bottomRight_;
};

class RoundRectangleWidget : public QWidget {
 public:
  RoundRectangleWidget(QWidget* parent, QColor fill, int border, QColor borderColour, int ovalW,
                       int ovalH)
      : QWidget(parent), fill_(fill), border_(border), borderColour_(borderColour),
        ovalW_(ovalW), ovalH_(ovalH) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(fill_);
    if (border_ > 0) p.setPen(QPen(borderColour_, border_));
    else p.setPen(Qt::NoPen);
    const qreal half = border_ / 2.0;
    p.drawRoundedRect(QRectF(rect()).adjusted(half, half, -half, -half), ovalW_ / 2.0,
                      ovalH_ / 2.0);
  }

 private:
  QColor fill_;
  int border_;
  QColor borderColour_;
  int ovalW_, ovalH_;
};

class LineWidget : public QWidget {
 public:
  LineWidget(QWidget* parent, QPoint from, QPoint to, int width, QColor colour)
      : QWidget(parent), from_(from), to_(to), width_(width), colour_(colour) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setPen(QPen(colour_, width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from_, to_);
  }

 private:
  QPoint from_, to_;  // relative to the widget
  int width_;
  QColor colour_;
};

}  // namespace

QWidget* GroupBox::CreateWidget(QWidget* parent, const BlockRecords& block) {
  auto* box = new QGroupBox(TextOf(block.Text("Caption")), parent);
  box->setFont(FontOf(block));
  return box;
}

QWidget* Rectangle::CreateWidget(QWidget* parent, const BlockRecords& block) {
  return new RectangleWidget(parent, ColourOf(block.Colour("FillColor", 0xFFFFFF)),
                             block.Integer("BorderWidth"), ColourOf(block.Colour("TopLeftColor")),
                             ColourOf(block.Colour("BottomRightColor")));
}

QWidget* RoundRectangle::CreateWidget(QWidget* parent, const BlockRecords& block) {
  return new RoundRectangleWidget(parent, ColourOf(block.Colour("FillColor", 0xFFFFFF)),
                                  block.Integer("BorderWidth"),
                                  ColourOf(block.Colour("BorderColor")),
                                  block.Integer("OvalWidth"), block.Integer("OvalHeight"));
}

QWidget* Line::CreateWidget(QWidget* parent, const BlockRecords& block) {
  const int x1 = block.Integer("X1"), y1 = block.Integer("Y1");
  const int x2 = block.Integer("X2"), y2 = block.Integer("Y2");
  const int width = std::max(1, block.Integer("BorderWidth", 1));
  const QPoint origin = PlaceOf(block).topLeft();
  return new LineWidget(parent, QPoint(x1, y1) - origin, QPoint(x2, y2) - origin, width,
                        ColourOf(block.Colour("LineColor")));
}

QRect Line::PlaceOf(const BlockRecords& block) const {
  const int x1 = block.Integer("X1"), y1 = block.Integer("Y1");
  const int x2 = block.Integer("X2"), y2 = block.Integer("Y2");
  const int width = std::max(1, block.Integer("BorderWidth", 1));
  // The pen is centred on the points: half its width lies before them.
  const int before = width / 2;
  return QRect(std::min(x1, x2) - before, std::min(y1, y2) - before,
               std::abs(x2 - x1) + width, std::abs(y2 - y1) + width);
}

}  // namespace fw
