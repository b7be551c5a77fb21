// Labels and edit fields.
#pragma once

#include <QString>

#include "app/framework/RectControl.h"

class QLabel;
class QLineEdit;

namespace fw {

// A label. Line breaks may be written as carriage returns. A label may be
// the raised exponent of another (app/framework/ExponentLabel.h).
class StaticText : public RectControl {
 public:
  StaticText() : RectControl(BlockClass::StaticText) {}
  QString Text() const { return text_; }
  void SetText(const QString& text);
  QLabel* Label() const;

  // The label this one is the exponent of, or nullptr.
  StaticText* ExponentBase() const { return exponentBase_; }
  void SetExponentBase(StaticText* base) { exponentBase_ = base; }
  void SetExponent(StaticText* exponent) { exponent_ = exponent; }

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;

 private:
  QString text_;
  StaticText* exponent_ = nullptr;
  StaticText* exponentBase_ = nullptr;
};

// A one-line entry field. TextChange fires on every change of its text, also
// when code sets it (not when the text set equals the text shown).
class EditField : public RectControl {
 public:
  EditField() : RectControl(BlockClass::EditField) {}
  QString Text() const;
  void SetText(const QString& text);
  QLineEdit* LineEdit() const;
  void Connect(Event event, EventSink sink) override;

 protected:
  QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) override;
};

}  // namespace fw
