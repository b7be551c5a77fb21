#include "app/framework/WindowFrame.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "app/framework/Window.h"

namespace fw {

WindowFrame::WindowFrame(Window* window) : window_(window) {}

void WindowFrame::closeEvent(QCloseEvent* event) {
  event->accept();
  window_->HandleUserClose();
}

void WindowFrame::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter && event->modifiers() == Qt::NoModifier && window_->PressDefaultButton()) return;
  if (enter && event->modifiers() == Qt::KeypadModifier && window_->PressDefaultButton()) return;
  QMainWindow::keyPressEvent(event);
}

bool WindowFrame::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate) window_->HandleActivate();
  return handled;
}

ContentWidget::ContentWidget(Window* window, QSize designed)
    : window_(window), designed_(designed) {}

void ContentWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  window_->HandleResize();
}

}  // namespace fw
