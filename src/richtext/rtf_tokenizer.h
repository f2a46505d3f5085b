// The pull tokenizer that splits RTF bytes into groups, control words and text.
#pragma once

#include <QByteArrayView>

#include <cstdint>

namespace oxlin::richtext {

// One lexical unit of an RTF stream. Views point into the tokenizer's input,
// so a token is valid only as long as the input bytes are.
struct RtfToken {
    enum Kind {
        End,           // no more input
        GroupStart,    // {
        GroupEnd,      // }
        ControlWord,   // \word or \wordN; `name` and optionally `parameter`
        ControlSymbol, // \ followed by one non-letter, in `symbol` (\' is HexByte)
        HexByte,       // \'xx, value in `byte`
        Text,          // a run of literal bytes (line ends removed), in `bytes`
        Binary,        // the payload of \binN, in `bytes`
    };
    Kind kind = End;
    QByteArrayView name;
    QByteArrayView bytes;
    int parameter = 0;
    bool hasParameter = false;
    char symbol = 0;
    std::uint8_t byte = 0;
    qsizetype offset = 0; // position of the token's first byte in the input
};

// Pull tokenizer over a complete byte buffer. It never fails: malformed
// escapes are read as text or dropped, numbers saturate to the int range,
// and \binN takes at most the bytes that remain. The input must outlive the
// tokenizer and every token it returns.
class RtfTokenizer {
public:
    explicit RtfTokenizer(QByteArrayView input) : in_(input) {}

    RtfToken next();
    qsizetype position() const { return pos_; }

private:
    // Each reads one token that starts at pos_ and leaves pos_ after it.
    RtfToken readText(RtfToken token);
    RtfToken readEscape(RtfToken token); // pos_ is just past the backslash
    RtfToken readControlSymbol(RtfToken token);
    RtfToken readControlWord(RtfToken token);
    void readParameter(RtfToken& token);

    QByteArrayView in_;
    qsizetype pos_ = 0;
};

} // namespace oxlin::richtext
