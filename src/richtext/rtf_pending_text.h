// Text read but not yet placed: bytes wait for their code page, characters for their destination.
#pragma once

#include "richtext/code_page.h"

#include <QByteArray>
#include <QString>

namespace oxlin::richtext::reading {

// Code pages that are not Windows code pages but fonts of their own.
constexpr int kSymbolCodePage = -2; // \fcharset2: 1252 with the Symbol bullet
constexpr int kSymbolFontPage = -3; // the Symbol font itself: read as the Unicode it shows

// Bytes are kept until a character from \uN or a change of destination needs
// them decoded, so that a double-byte character split across \'xx escapes
// decodes whole. Not thread-safe, like the decoder it owns.
class PendingText {
public:
    // Keeps `bytes` but for control characters other than tab, which are not text in RTF.
    void appendBytes(QByteArrayView bytes);
    bool hasBytes() const { return !bytes_.isEmpty(); }
    // Decodes the waiting bytes in `codePage` onto the text.
    void decodeBytes(int codePage);
    // A character that needs no decoding; bytes before it must be decoded first.
    void appendDecoded(QChar c) { text_.append(c); }

    const QString& text() const { return text_; }
    void clearText() { text_.clear(); }

private:
    CodePageDecoder decoder_;
    QByteArray bytes_;
    QString text_;
};

} // namespace oxlin::richtext::reading
