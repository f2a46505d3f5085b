#include "richtext/code_page.h"

#include "store/stored_text.h"

#include <iconv.h>

#include <cerrno>

namespace oxlin::richtext {

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

QString CodePageDecoder::decode(int codePage, QByteArrayView bytes) {
    if (bytes.isEmpty())
        return {};
    if (codePage == 65001)
        return store::decodeStoredText(bytes);
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
