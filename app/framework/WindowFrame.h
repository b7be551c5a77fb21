// The Qt side of a window: a main window whose central widget holds the
// controls at their designed places, passing close, activation, resizing and
// Return on to the window object.
#pragma once

#include <QMainWindow>
#include <QSize>
#include <QWidget>

namespace fw {

class Window;

class WindowFrame : public QMainWindow {
 public:
  explicit WindowFrame(Window* window);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  Window* window_;
};

// The window's content: the designed area, whatever a menu bar takes.
class ContentWidget : public QWidget {
 public:
  ContentWidget(Window* window, QSize designed);
  QSize sizeHint() const override { return designed_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  Window* window_;
  QSize designed_;
};

}  // namespace fw
