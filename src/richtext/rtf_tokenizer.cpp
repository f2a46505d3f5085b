// The RTF pull tokenizer.
#include "richtext/rtf_tokenizer.h"

#include "core/store/stored_text.h"

#include <algorithm>
#include <climits>

namespace oxlin::richtext {

namespace {

bool isLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Control word names are at most 32 letters; longer runs are cut there.
constexpr qsizetype kMaxNameLength = 32;

} // namespace

RtfToken RtfTokenizer::next() {
    RtfToken token;
    const qsizetype size = in_.size();
    // Line ends carry no meaning between tokens.
    while (pos_ < size && (in_[pos_] == '\r' || in_[pos_] == '\n'))
        ++pos_;
    token.offset = pos_;
    if (pos_ >= size)
        return token;

    const char c = in_[pos_];
    if (c == '{') {
        ++pos_;
        token.kind = RtfToken::GroupStart;
        return token;
    }
    if (c == '}') {
        ++pos_;
        token.kind = RtfToken::GroupEnd;
        return token;
    }
    if (c != '\\')
        return readText(token);
    ++pos_;
    return readEscape(token);
}

RtfToken RtfTokenizer::readText(RtfToken token) {
    const qsizetype size = in_.size();
    const qsizetype start = pos_;
    while (pos_ < size) {
        const char d = in_[pos_];
        if (d == '\\' || d == '{' || d == '}' || d == '\r' || d == '\n')
            break;
        ++pos_;
    }
    token.kind = RtfToken::Text;
    token.bytes = in_.sliced(start, pos_ - start);
    return token;
}

RtfToken RtfTokenizer::readEscape(RtfToken token) {
    if (pos_ >= in_.size()) {
        token.kind = RtfToken::End; // a lone trailing backslash means nothing
        return token;
    }
    if (!isLetter(in_[pos_]))
        return readControlSymbol(token);
    return readControlWord(token);
}

RtfToken RtfTokenizer::readControlSymbol(RtfToken token) {
    const qsizetype size = in_.size();
    const char d = in_[pos_++];
    if (d == '\'') {
        const int hi = pos_ < size ? store::hexDigitValue(in_[pos_]) : -1;
        const int lo = pos_ + 1 < size ? store::hexDigitValue(in_[pos_ + 1]) : -1;
        if (hi < 0 || lo < 0) {
            // A broken escape: drop the backslash and quote, keep what follows.
            token.kind = RtfToken::ControlSymbol;
            token.symbol = 0;
            return token;
        }
        pos_ += 2;
        token.kind = RtfToken::HexByte;
        token.byte = std::uint8_t(hi * 16 + lo);
        return token;
    }
    token.kind = RtfToken::ControlSymbol;
    // A backslash before a line end is a paragraph break.
    token.symbol = (d == '\r' || d == '\n') ? '\n' : d;
    return token;
}

RtfToken RtfTokenizer::readControlWord(RtfToken token) {
    const qsizetype size = in_.size();
    const qsizetype nameStart = pos_;
    while (pos_ < size && isLetter(in_[pos_]))
        ++pos_;
    const qsizetype nameLength = pos_ - nameStart;
    token.kind = RtfToken::ControlWord;
    token.name = in_.sliced(nameStart, std::min(nameLength, kMaxNameLength));
    readParameter(token);
    if (pos_ < size && in_[pos_] == ' ')
        ++pos_; // the delimiting space belongs to the control word

    if (token.name == "bin" && token.hasParameter) {
        const qsizetype count = std::clamp<qsizetype>(token.parameter, 0, size - pos_);
        token.kind = RtfToken::Binary;
        token.bytes = in_.sliced(pos_, count);
        pos_ += count;
    }
    return token;
}

void RtfTokenizer::readParameter(RtfToken& token) {
    const qsizetype size = in_.size();
    bool negative = false;
    if (pos_ < size && in_[pos_] == '-' && pos_ + 1 < size && isDigit(in_[pos_ + 1])) {
        negative = true;
        ++pos_;
    }
    if (pos_ >= size || !isDigit(in_[pos_]))
        return;
    long long value = 0;
    while (pos_ < size && isDigit(in_[pos_])) {
        if (value <= INT_MAX)
            value = value * 10 + (in_[pos_] - '0');
        ++pos_;
    }
    if (negative)
        value = -value;
    token.parameter = int(std::clamp<long long>(value, INT_MIN, INT_MAX));
    token.hasParameter = true;
}

} // namespace oxlin::richtext
