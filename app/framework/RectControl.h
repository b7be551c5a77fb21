// The part every control shares: its name and set index, its place in window
// coordinates (also inside a group box or rectangle), visibility, and the Qt
// widget that shows it. Each widget's Qt object name is the control's Name.
#pragma once

#include <cstdint>
#include <stdexcept>

#include <QString>

#include "app/framework/Events.h"
#include "app/framework/PropertyTables.h"

class QPixmap;
class QRect;
class QWidget;

namespace fw {

class BlockRecords;
class Window;

// Using a control or window that is not there. Nothing catches it.
class NilObjectException : public std::logic_error {
 public:
  using std::logic_error::logic_error;
};

class RectControl {
 public:
  explicit RectControl(BlockClass cls);
  RectControl(const RectControl&) = delete;
  RectControl& operator=(const RectControl&) = delete;
  virtual ~RectControl();

  BlockClass Class() const { return cls_; }
  const QString& Name() const { return name_; }
  std::int32_t Index() const { return index_; }  // kNoIndex outside a control set
  Window& Owner() const { return *window_; }
  RectControl* Parent() const { return parent_; }  // nullptr: on the window
  QWidget* Widget() const { return widget_; }

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);

  // Window coordinates, whatever the parent.
  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetHeight(int height);

  // Repaints the control (and its children).
  void Refresh(bool eraseBackground = true);

  // --- building, used by the window -------------------------------------
  void SetSetIndex(std::int32_t index) { index_ = index; }
  void Register(Window& window, const QString& name);
  // Canvas backdrop or image-well image; other classes have none.
  virtual void SetPicture(const QPixmap& picture);
  // Applies the block: creates the widget inside its parent at its place.
  void Apply(const BlockRecords& block, RectControl* parent, QWidget* parentWidget);
  // Connects one event to the window's handler; throws for an event the
  // class does not raise.
  virtual void Connect(Event event, EventSink sink);
  // The widget that holds the children of a container.
  virtual QWidget* ChildArea() const { return widget_; }
  // Decoration: stacked under its siblings and, without children, never
  // taking a click meant for a control it covers.
  virtual bool IsDecoration() const { return false; }

 protected:
  virtual QWidget* CreateWidget(QWidget* parent, const BlockRecords& block) = 0;
  // The control's place in window coordinates.
  virtual QRect PlaceOf(const BlockRecords& block) const;
  [[noreturn]] void NoSuchEvent(Event event) const;

 private:
  BlockClass cls_;
  QString name_;
  std::int32_t index_ = kNoIndex;
  Window* window_ = nullptr;
  RectControl* parent_ = nullptr;
  QWidget* widget_ = nullptr;
};

}  // namespace fw
