// Renders the window pictures, each at its designed size and at twice that
// size for high-density screens (name@2x.png), into <dir>/pictures, and writes
// <dir>/pictures.qrc, which maps the resource ids to the files.
#include "pictures.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTextStream>

#include <cstdio>

namespace {
QImage Render(const PictureSpec& picture, int scale) {
  QImage image(picture.width * scale, picture.height * scale, QImage::Format_ARGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::transparent);  // the windows' own background shows through
  QPainter painter(&image);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setRenderHint(QPainter::TextAntialiasing);
  picture.paint(painter);
  painter.end();
  image.setDevicePixelRatio(1);
  return image;
}
}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: picture_generator <resources folder>\n");
    return 2;
  }
  const QDir resources(QString::fromLocal8Bit(argv[1]));
  resources.mkpath("pictures");

  QFile qrc(resources.filePath("pictures.qrc"));
  if (!qrc.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text)) return 1;
  QTextStream list(&qrc);
  list << "<!DOCTYPE RCC>\n<!-- Written by resources/generator; the window pictures by resource id. -->\n"
       << "<RCC version=\"1.0\">\n  <qresource prefix=\"/pictures\">\n";
  for (const PictureSpec& picture : WindowPictures()) {
    for (int scale : {1, 2}) {
      const QString suffix = scale == 1 ? "" : "@2x";
      const QString file = QString("pictures/%1%2.png").arg(picture.name, suffix);
      if (!Render(picture, scale).save(resources.filePath(file))) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
        return 1;
      }
      list << QString("    <file alias=\"%1%2.png\">%3</file>\n").arg(picture.id).arg(suffix, file);
    }
  }
  list << "  </qresource>\n</RCC>\n";
  return 0;
}
