// A scroll bar; vertical when it is higher than wide. ValueChanged fires on
// every change of its value, also when a new maximum moves the value.
#pragma once

#include "app/framework/RectControl.h"

class QScrollBar;

namespace fw {

class ScrollBar : public RectControl {
 public:
  ScrollBar() : RectControl(BlockClass::ScrollBar) {}
  int Value() const;
  void SetValue(int value);
  int Minimum() const;
  int Maximum() const;
  // A maximum below the minimum is taken as the minimum.
  void SetMaximum(int maximum);
  QScrollBar* Bar() const;
  void Connect(Event event, EventSink sink) override;

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;
};

}  // namespace fw
