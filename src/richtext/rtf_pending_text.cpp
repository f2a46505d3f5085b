// Decoding read bytes in the code page of their font.
#include "richtext/rtf_pending_text.h"

namespace oxlin::richtext::reading {

void PendingText::appendBytes(QByteArrayView bytes) {
    // Runs between control characters go in whole: text arrives in long runs,
    // and a byte at a time would cost more than the rest of the read.
    qsizetype start = 0;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char c = bytes[i];
        if (uchar(c) >= 0x20 || c == '\t')
            continue;
        bytes_.append(bytes.sliced(start, i - start));
        start = i + 1;
    }
    bytes_.append(bytes.sliced(start));
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
        decoder_.decodeOnto(page, bytes_, text_);
    }
    bytes_.clear();
}

} // namespace oxlin::richtext::reading
