#include "app/framework/ScrollBar.h"

#include <algorithm>

#include <QScrollBar>

#include "app/framework/BlockReader.h"
#include "app/framework/Window.h"

namespace fw {

QScrollBar* ScrollBar::Bar() const { return static_cast<QScrollBar*>(Widget()); }

int ScrollBar::Value() const { return Bar()->value(); }
void ScrollBar::SetValue(int value) { Bar()->setValue(value); }
int ScrollBar::Minimum() const { return Bar()->minimum(); }
int ScrollBar::Maximum() const { return Bar()->maximum(); }

void ScrollBar::SetMaximum(int maximum) {
  // Qt would move the minimum down instead.
  Bar()->setMaximum(std::max(maximum, Bar()->minimum()));
}

void ScrollBar::Connect(Event event, EventSink sink) {
  if (event != Event::ValueChanged) NoSuchEvent(event);
  QObject::connect(Bar(), &QScrollBar::valueChanged, &Owner(),
                   [plain = std::move(sink.plain)](int) { plain(); });
}

QWidget* ScrollBar::CreateWidget(QWidget* parent, const BlockRecords& block) {
  const bool vertical = block.Integer("Height") > block.Integer("Width");
  auto* bar = new QScrollBar(vertical ? Qt::Vertical : Qt::Horizontal, parent);
  const int minimum = block.Integer("Minimum");
  bar->setRange(minimum, std::max(minimum, block.Integer("Maximum", 100)));
  bar->setValue(block.Integer("Value"));
  bar->setSingleStep(block.Integer("LineStep", 1));
  bar->setPageStep(block.Integer("PageStep", 20));
  bar->setTracking(block.Flag("LiveScroll"));
  if (!block.Flag("AcceptFocus")) bar->setFocusPolicy(Qt::NoFocus);
  return bar;
}

}  // namespace fw
