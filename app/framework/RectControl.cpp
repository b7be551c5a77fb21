#include "app/framework/RectControl.h"

#include <string>

#include <QPixmap>
#include <QRect>
#include <QWidget>

#include "app/framework/BlockReader.h"
#include "app/framework/BlockStyle.h"

namespace fw {

RectControl::RectControl(BlockClass cls) : cls_(cls) {}

// The widget belongs to its window's widget tree and goes with it.
RectControl::~RectControl() = default;

void RectControl::Register(Window& window, const QString& name) {
  window_ = &window;
  name_ = name;
}

void RectControl::SetPicture(const QPixmap&) {
  throw NilObjectException("control " + name_.toStdString() + " shows no picture");
}

void RectControl::Apply(const BlockRecords& block, RectControl* parent, QWidget* parentWidget) {
  parent_ = parent;
  widget_ = CreateWidget(parentWidget, block);
  widget_->setObjectName(name_);
  // Blocks give window coordinates; Qt places a child relative to its parent.
  const QRect place = PlaceOf(block);
  const QPoint parentOrigin = parent ? QPoint(parent->Left(), parent->Top()) : QPoint();
  widget_->setGeometry(place.translated(-parentOrigin));
  widget_->setEnabled(block.Flag("Enabled", true));
  widget_->setVisible(block.Flag("Visible", true));
  widget_->setToolTip(TextOf(block.Text("HelpTag")));
  if (IsDecoration()) widget_->lower();
}

QRect RectControl::PlaceOf(const BlockRecords& block) const {
  return QRect(block.Integer("Left"), block.Integer("Top"), block.Integer("Width"),
               block.Integer("Height"));
}

void RectControl::Connect(Event event, EventSink) { NoSuchEvent(event); }

void RectControl::NoSuchEvent(Event event) const {
  throw NilObjectException("control " + name_.toStdString() + " raises no " +
                           std::string(EventName(event)) + " event");
}

bool RectControl::Visible() const { return !widget_->isHidden(); }
void RectControl::SetVisible(bool visible) { widget_->setVisible(visible); }
bool RectControl::Enabled() const { return widget_->isEnabled(); }
void RectControl::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

int RectControl::Left() const { return widget_->x() + (parent_ ? parent_->Left() : 0); }
int RectControl::Top() const { return widget_->y() + (parent_ ? parent_->Top() : 0); }
int RectControl::Width() const { return widget_->width(); }
int RectControl::Height() const { return widget_->height(); }

void RectControl::SetLeft(int left) {
  widget_->move(left - (parent_ ? parent_->Left() : 0), widget_->y());
}
void RectControl::SetTop(int top) {
  widget_->move(widget_->x(), top - (parent_ ? parent_->Top() : 0));
}
void RectControl::SetHeight(int height) { widget_->resize(widget_->width(), height); }

void RectControl::Refresh(bool) { widget_->update(); }

}  // namespace fw
