#include "app/framework/Buttons.h"

#include <QButtonGroup>
#include <QPushButton>
#include <QRadioButton>

#include "app/framework/BlockReader.h"
#include "app/framework/BlockStyle.h"
#include "app/framework/Window.h"

namespace fw {

namespace {

// The radio group of one parent. Qt's auto-exclusive radios seek their group
// among all descendants of the parent, so the radios of a group box would
// join the group of the radios around it; a button group per parent keeps
// the two groups apart.
QButtonGroup* RadioGroupOf(QWidget* parent) {
  auto* group = parent->findChild<QButtonGroup*>(QString(), Qt::FindDirectChildrenOnly);
  if (!group) group = new QButtonGroup(parent);
  return group;
}

}  // namespace

QPushButton* PushButton::Button() const { return static_cast<QPushButton*>(Widget()); }

bool PushButton::IsDefault() const { return Button()->isDefault(); }

QString PushButton::Caption() const { return Button()->text(); }

void PushButton::SetCaption(const QString& caption) { Button()->setText(caption); }

bool PushButton::Push() {
  if (!Button()->isEnabled() || !Button()->isVisible()) return false;
  Button()->click();
  return true;
}

void PushButton::Connect(Event event, EventSink sink) {
  if (event != Event::Action) NoSuchEvent(event);
  QObject::connect(Button(), &QPushButton::clicked, &Owner(),
                   [plain = std::move(sink.plain)] { plain(); });
}

QWidget* PushButton::CreateWidget(QWidget* parent, const BlockRecords& block) {
  auto* button = new QPushButton(TextOf(block.Text("Caption")), parent);
  button->setFont(FontOf(block));
  button->setDefault(block.Flag("Default"));
  button->setAutoDefault(false);
  return button;
}

QRadioButton* RadioButton::Button() const { return static_cast<QRadioButton*>(Widget()); }

bool RadioButton::Value() const { return Button()->isChecked(); }

void RadioButton::SetValue(bool on) {
  QRadioButton* button = Button();
  if (on || !button->isChecked()) {
    button->setChecked(on);
    return;
  }
  // Qt keeps one radio of an exclusive group on; lift that for this change.
  QButtonGroup* group = button->group();
  group->setExclusive(false);
  button->setChecked(false);
  group->setExclusive(true);
}

QString RadioButton::Caption() const { return Button()->text(); }

void RadioButton::SetCaption(const QString& caption) { Button()->setText(caption); }

void RadioButton::Connect(Event event, EventSink sink) {
  if (event != Event::Action) NoSuchEvent(event);
  QObject::connect(Button(), &QRadioButton::toggled, &Owner(),
                   [plain = std::move(sink.plain)](bool on) {
                     if (on) plain();
                   });
}

QWidget* RadioButton::CreateWidget(QWidget* parent, const BlockRecords& block) {
  auto* button = new QRadioButton(TextOf(block.Text("Caption")), parent);
  button->setFont(FontOf(block));
  if (block.Flag("Value")) button->setChecked(true);
  RadioGroupOf(parent)->addButton(button);
  return button;
}

}  // namespace fw
