// Code page decoding through Qt and iconv, and the Symbol font's characters.
#include "richtext/code_page.h"

#include "core/store/stored_text.h"

#include <iconv.h>

#include <cerrno>

namespace oxlin::richtext {

namespace {

// The Symbol font's characters from 0x20 on; a byte maps to itself where the
// font shows what Latin-1 has there (digits, punctuation) or nothing.
constexpr char16_t kSymbolFont[0xE0] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B,
    0x0028, 0x0029, 0x2217, 0x002B, 0x002C, 0x2212, 0x002E, 0x002F,
    0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F,
    0x2245, 0x0391, 0x0392, 0x03A7, 0x0394, 0x0395, 0x03A6, 0x0393,
    0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9,
    0x039E, 0x03A8, 0x0396, 0x005B, 0x2234, 0x005D, 0x22A5, 0x005F,
    0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF,
    0x03C0, 0x03B8, 0x03C1, 0x03C3, 0x03C4, 0x03C5, 0x03D6, 0x03C9,
    0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0x007F,
    0x0080, 0x0081, 0x0082, 0x0083, 0x0084, 0x0085, 0x0086, 0x0087,
    0x0088, 0x0089, 0x008A, 0x008B, 0x008C, 0x008D, 0x008E, 0x008F,
    0x0090, 0x0091, 0x0092, 0x0093, 0x0094, 0x0095, 0x0096, 0x0097,
    0x0098, 0x0099, 0x009A, 0x009B, 0x009C, 0x009D, 0x009E, 0x009F,
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663,
    0x2666, 0x2665, 0x2660, 0x2194, 0x2190, 0x2191, 0x2192, 0x2193,
    0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7, 0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5,
    0x2135, 0x2111, 0x211C, 0x2118, 0x2297, 0x2295, 0x2205, 0x2229,
    0x222A, 0x2283, 0x2287, 0x2284, 0x2282, 0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5,
    0x00AC, 0x2227, 0x2228, 0x21D4, 0x21D0, 0x21D1, 0x21D2, 0x21D3,
    0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122, 0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA,
    0x00F0, 0x232A, 0x222B, 0x2320, 0x23AE, 0x2321, 0x239E, 0x239F,
    0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB, 0x23AC, 0x23AD, 0x00FF,
};

} // namespace

bool isSymbolFontName(const QString& family) {
    return family.trimmed().compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
}

char16_t symbolFontCharacter(char16_t code) {
    if (code >= 0xF020 && code <= 0xF0FF)
        code -= 0xF000;
    return code >= 0x20 && code <= 0xFF ? kSymbolFont[code - 0x20] : code;
}

namespace {

const char* iconvName(int codePage) {
    switch (codePage) {
    case 437: return "CP437";
    case 874: return "CP874";
    case 932: return "CP932";
    case 936: return "CP936";
    case 949: return "CP949";
    case 950: return "CP950";
    case 1250: return "CP1250";
    case 1251: return "CP1251";
    case 1253: return "CP1253";
    case 1254: return "CP1254";
    case 1255: return "CP1255";
    case 1256: return "CP1256";
    case 1257: return "CP1257";
    case 1258: return "CP1258";
    case 1361: return "JOHAB";
    case 10000: return "MACINTOSH";
    default: return nullptr;
    }
}

const iconv_t kNoConverter = reinterpret_cast<iconv_t>(-1);

bool isContinuation(QByteArrayView bytes, qsizetype at) {
    return at < bytes.size() && (uchar(bytes[at]) & 0xC0) == 0x80;
}

// The length of the well-formed UTF-8 sequence at `at`, 0 when there is none
// (overlong forms, surrogates and values past U+10FFFF are not well formed).
qsizetype utf8SequenceLength(QByteArrayView bytes, qsizetype at) {
    const uchar lead = uchar(bytes[at]);
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    uchar low = 0x80, high = 0xBF; // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (at + 1 >= bytes.size() || uchar(bytes[at + 1]) < low || uchar(bytes[at + 1]) > high)
        return 0;
    for (qsizetype i = 2; i < length; ++i)
        if (!isContinuation(bytes, at + i))
            return 0;
    return length;
}

// Text declared UTF-8: every well-formed sequence is read as UTF-8 and each
// byte that starts none as Windows-1252, so a stray \'e9 from a writer that
// mixed the two keeps its letter and the rest of the run is not garbled.
void appendUtf8Leniently(QString& out, QByteArrayView bytes) {
    qsizetype at = 0;
    while (at < bytes.size()) {
        qsizetype end = at;
        for (qsizetype length; end < bytes.size() && (length = utf8SequenceLength(bytes, end)) > 0;)
            end += length;
        if (end > at) {
            out += QString::fromUtf8(bytes.sliced(at, end - at));
            at = end;
        } else {
            store::appendWindows1252(out, bytes.sliced(at, 1));
            ++at;
        }
    }
}

} // namespace

int codePageForCharset(int charset) {
    switch (charset) {
    case 0: return 1252;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 130: return 1361;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    case 254: return 437;
    case 255: return 437;
    default: return 0;
    }
}

CodePageDecoder::~CodePageDecoder() {
    for (auto& [page, converter] : converters_)
        if (converter)
            iconv_close(static_cast<iconv_t>(converter));
}

void* CodePageDecoder::converterFor(int codePage) {
    auto found = converters_.find(codePage);
    if (found != converters_.end())
        return found->second;
    void* converter = nullptr;
    if (const char* name = iconvName(codePage)) {
        iconv_t cd = iconv_open("UTF-16LE", name);
        if (cd != kNoConverter)
            converter = cd;
    }
    converters_[codePage] = converter;
    return converter;
}

bool CodePageDecoder::isLeadByte(int codePage, unsigned char byte) {
    switch (codePage) {
    case 932: return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
    case 936:
    case 949:
    case 950: return byte >= 0x81 && byte <= 0xFE;
    default: return false;
    }
}

void CodePageDecoder::decodeOnto(int codePage, QByteArrayView bytes, QString& out) {
    if (codePage == 65001)
        appendUtf8Leniently(out, bytes);
    else if (codePage == 1252 || !converterFor(codePage))
        store::appendWindows1252(out, bytes);
    else
        out += decode(codePage, bytes);
}

QString CodePageDecoder::decode(int codePage, QByteArrayView bytes) {
    if (bytes.isEmpty())
        return {};
    if (codePage == 65001) {
        QString out;
        appendUtf8Leniently(out, bytes);
        return out;
    }
    void* converter = codePage == 1252 ? nullptr : converterFor(codePage);
    if (!converter)
        return store::decodeWindows1252(bytes);

    iconv_t cd = static_cast<iconv_t>(converter);
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    QString out;
    out.reserve(bytes.size());
    char16_t buffer[256];
    char* inPtr = const_cast<char*>(bytes.data());
    size_t inLeft = size_t(bytes.size());
    while (inLeft > 0) {
        char* outPtr = reinterpret_cast<char*>(buffer);
        size_t outLeft = sizeof buffer;
        const size_t result = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(reinterpret_cast<const QChar*>(buffer),
                   qsizetype((sizeof buffer - outLeft) / sizeof(char16_t)));
        if (result == size_t(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: keep the byte as Windows-1252.
            out.append(store::decodeWindows1252(QByteArrayView(inPtr, 1)));
            ++inPtr;
            --inLeft;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

} // namespace oxlin::richtext
