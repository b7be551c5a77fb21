// Fonts, colours and texts of a block as Qt takes them.
#pragma once

#include <cstdint>
#include <string_view>

#include <QColor>
#include <QFont>
#include <QString>

namespace fw {

class BlockRecords;

// Text size 0: the framework's default size.
inline constexpr int kDefaultTextPixels = 13;

// The block's font: family (`TextFont`; "System" is the desktop font), size in
// pixels at the designed size (`TextSize`), bold, italic, underline.
QFont FontOf(const BlockRecords& block);

QColor ColourOf(std::uint32_t rgb);

QString TextOf(std::string_view utf8);

// Texts written with carriage returns as line breaks, as Qt shows them.
QString WithLineFeeds(const QString& text);

}  // namespace fw
