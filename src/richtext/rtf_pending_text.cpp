// Decoding read bytes in the code page of their font.
#include "richtext/rtf_pending_text.h"

namespace oxlin::richtext::reading {

void PendingText::appendBytes(QByteArrayView bytes) {
    for (char c : bytes) {
        if (uchar(c) < 0x20 && c != '\t')
            continue;
        bytes_.append(c);
    }
}

void PendingText::decodeBytes(int page) {
    if (page == kSymbolFontPage) {
        for (char byte : bytes_)
            text_ += QChar(symbolFontCharacter(char16_t(uchar(byte))));
    } else if (page == kSymbolCodePage) {
        QString text = decoder_.decode(1252, bytes_);
        text.replace(QChar(0x00B7), QChar(0x2022)); // the Symbol font's bullet
        text_ += text;
    } else {
        text_ += decoder_.decode(page, bytes_);
    }
    bytes_.clear();
}

} // namespace oxlin::richtext::reading
