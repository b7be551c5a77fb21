// Push buttons and radio buttons.
#pragma once

#include <QString>

#include "app/framework/RectControl.h"

class QPushButton;
class QRadioButton;

namespace fw {

// A push button; Action fires when it is pressed. The window's default button
// (`Default` 1) is pressed by Return or Enter.
class PushButton : public RectControl {
 public:
  PushButton() : RectControl(BlockClass::PushButton) {}
  QString Caption() const;
  void SetCaption(const QString& caption);
  bool IsDefault() const;
  // Presses the button as a click would; false when it is disabled or hidden.
  bool Push();
  QPushButton* Button() const;
  void Connect(Event event, EventSink sink) override;

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;
};

// A radio button. The radio buttons with one parent form a group: turning one
// on turns the others off; code can also turn all of them off. Action fires
// whenever the button turns on, by the user or by code, and not when a button
// already on is clicked again.
class RadioButton : public RectControl {
 public:
  RadioButton() : RectControl(BlockClass::RadioButton) {}
  bool Value() const;
  void SetValue(bool on);
  QString Caption() const;
  void SetCaption(const QString& caption);
  QRadioButton* Button() const;
  void Connect(Event event, EventSink sink) override;

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;
};

}  // namespace fw
