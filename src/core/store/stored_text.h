#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace oxlin::store {

// Stored text (INI files, labels, plain topics) is UTF-8. Notebooks made on
// Windows hold their system code page instead, so bytes that are not valid
// UTF-8 are read as Windows-1252: nothing a user wrote is rejected or lost.
QString decodeStoredText(QByteArrayView bytes);

// A topic's content is RTF exactly when its first five bytes are "{\rtf" in
// any letter case; anything else, shorter ones included, is plain text.
bool isRichTextStream(QByteArrayView bytes);

// True when the bytes are well-formed UTF-8 (an empty view is).
bool isValidUtf8(QByteArrayView bytes);

// Windows-1252 to Unicode. The five bytes the code page leaves undefined map
// to the control character of the same value, as the Windows converter does.
QString decodeWindows1252(QByteArrayView bytes);
// The same, appended to `text`.
void appendWindows1252(QString& text, QByteArrayView bytes);

// The value of a hexadecimal digit of either case, or -1 for any other byte
// (escaped link paths, RTF's \'xx).
constexpr int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace oxlin::store
