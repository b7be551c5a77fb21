#include "app/framework/BlockStyle.h"

#include <QApplication>

#include "app/framework/BlockReader.h"

namespace fw {

QFont FontOf(const BlockRecords& block) {
  QFont font = QApplication::font();
  const QString family = TextOf(block.Text("TextFont", "System"));
  if (family.compare(QLatin1String("System"), Qt::CaseInsensitive) != 0 && !family.isEmpty()) {
    font.setFamily(family);
    if (family.compare(QLatin1String("palatino"), Qt::CaseInsensitive) == 0)
      font.setStyleHint(QFont::Serif);
  }
  const int size = block.Integer("TextSize", 0);
  font.setPixelSize(size > 0 ? size : kDefaultTextPixels);
  font.setBold(block.Flag("Bold"));
  font.setItalic(block.Flag("Italic"));
  font.setUnderline(block.Flag("Underline"));
  return font;
}

QColor ColourOf(std::uint32_t rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

QString TextOf(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString WithLineFeeds(const QString& text) {
  QString t = text;
  t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
  t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return t;
}

}  // namespace fw
