// The window pictures: resource id, name, designed size in pixels and the
// routine that paints one at that logical size.
#pragma once

#include <QPainter>
#include <QString>

#include <functional>
#include <vector>

struct WindowPicture {
  int id;
  QString name;
  int width, height;
  std::function<void(QPainter&)> paint;
};

// The pictures of every window, in ascending id.
std::vector<WindowPicture> WindowPictures();
