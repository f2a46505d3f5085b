// Windows code pages: which one a font charset means, and decoding bytes in it.
#pragma once

#include <QByteArrayView>
#include <QString>

#include <map>

namespace oxlin::richtext {

// Windows code page a font's \fcharset stands for; 0 when the charset names
// none of its own (1 "default", 2 "symbol"), so the document's page applies.
int codePageForCharset(int charset);

// True for the font whose characters are the Symbol font's (Greek letters,
// mathematical signs, the bullet at 0xB7), not those of a code page.
bool isSymbolFontName(const QString& family);
// The Unicode character a byte of the Symbol font shows; the byte itself when
// the font has nothing there. Also takes the private-use form U+F0xx that
// Word writes for Symbol characters.
char16_t symbolFontCharacter(char16_t code);

// Decodes bytes of a Windows code page (1252, 1250..1258, 874, 932, 936, 949,
// 950, 437, 10000, 65001). Uses iconv from the C library for the pages Qt
// cannot decode itself. A byte that does not decode is read as Windows-1252,
// so no input byte is dropped. Not thread-safe: one instance per reader.
class CodePageDecoder {
public:
    CodePageDecoder() = default;
    ~CodePageDecoder();
    CodePageDecoder(const CodePageDecoder&) = delete;
    CodePageDecoder& operator=(const CodePageDecoder&) = delete;

    QString decode(int codePage, QByteArrayView bytes);
    // The same, appended to `out` (no string of its own for the common pages).
    void decodeOnto(int codePage, QByteArrayView bytes, QString& out);

    // True when the code page has double-byte characters and `byte` starts one.
    static bool isLeadByte(int codePage, unsigned char byte);

private:
    void* converterFor(int codePage); // an iconv_t, or nullptr when unknown
    std::map<int, void*> converters_;
};

} // namespace oxlin::richtext
