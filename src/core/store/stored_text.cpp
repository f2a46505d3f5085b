#include "core/store/stored_text.h"

#include <QStringDecoder>

namespace oxlin::store {

namespace {

// Code points of 0x80..0x9F in Windows-1252; the rest of the page is Latin-1.
constexpr char16_t kWindows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

} // namespace

bool isRichTextStream(QByteArrayView bytes) {
    return bytes.size() >= 5 && bytes.first(5).compare("{\\rtf", Qt::CaseInsensitive) == 0;
}

bool isValidUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString ignored = decoder.decode(bytes);
    return !decoder.hasError();
}

void appendWindows1252(QString& text, QByteArrayView bytes) {
    const qsizetype at = text.size();
    text.resize(at + bytes.size());
    QChar* out = text.data() + at;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes[i]);
        out[i] = (byte >= 0x80 && byte <= 0x9F) ? QChar(kWindows1252High[byte - 0x80])
                                                : QChar(char16_t(byte));
    }
}

QString decodeWindows1252(QByteArrayView bytes) {
    QString text;
    appendWindows1252(text, bytes);
    return text;
}

QString decodeStoredText(QByteArrayView bytes) {
    // ASCII, the common case, reads the same either way and needs no decoder.
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    if (any < 0x80)
        return QString::fromLatin1(bytes);
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError())
        return text;
    return decodeWindows1252(bytes);
}

} // namespace oxlin::store
