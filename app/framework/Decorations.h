// Group boxes, rectangles, rounded rectangles and lines: frames that may hold
// other controls (all but the line) and otherwise only decorate. They are
// stacked under the controls they surround and, unless they hold controls,
// let every click through to what lies under them.
#pragma once

#include "app/framework/RectControl.h"

namespace fw {

class GroupBox : public RectControl {
 public:
  GroupBox() : RectControl(BlockClass::GroupBox) {}
  bool IsDecoration() const override { return true; }

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;
};

// A filled rectangle with a bevelled border (top-left and bottom-right colours).
class Rectangle : public RectControl {
 public:
  Rectangle() : RectControl(BlockClass::Rectangle) {}
  bool IsDecoration() const override { return true; }

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;
};

class RoundRectangle : public RectControl {
 public:
  RoundRectangle() : RectControl(BlockClass::RoundRectangle) {}
  bool IsDecoration() const override { return true; }

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;
};

// A straight line from (X1, Y1) to (X2, Y2), window coordinates.
class Line : public RectControl {
 public:
  Line() : RectControl(BlockClass::Line) {}
  bool IsDecoration() const override { return true; }

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;
  // The points' bounding box, widened by the line's width.
  QRect PlaceOf(const BlockRecords& block) const override;
};

}  // namespace fw
