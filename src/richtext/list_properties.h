// Properties of a QTextListFormat that Qt does not show but the RTF writer writes back.
#pragma once

#include <QTextFormat>

namespace oxlin::richtext {

// The level text a list was read with (QString; the places of level numbers
// are the characters 0 to 8), so that "1.1." or a bullet glyph Qt does not
// draw is written back as it came.
constexpr int kListLevelTextProperty = QTextFormat::UserProperty + 0x4f11;
// The font of a bullet glyph (QString), e.g. "Symbol" or "Wingdings".
constexpr int kListBulletFontProperty = QTextFormat::UserProperty + 0x4f12;
// The number the list starts at (int), when not 1.
constexpr int kListStartProperty = QTextFormat::UserProperty + 0x4f13;

} // namespace oxlin::richtext
