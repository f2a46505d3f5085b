#include "core/search/plain_text_scan.h"

#include "core/store/stored_text.h"

#include <QStringDecoder>

#include <algorithm>
#include <utility>

namespace oxlin::search {

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

bool allAscii(QByteArrayView bytes) {
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

// Where the bytes stop being whole UTF-8 sequences: the start of a sequence
// the end of the chunk cuts, else the size. Bytes that are not UTF-8 at all
// are left in, for the decoder to report.
qsizetype wholeSequencesEnd(QByteArrayView bytes) {
    const qsizetype size = bytes.size();
    for (qsizetype back = 1; back <= 4 && back <= size; ++back) {
        const auto byte = static_cast<unsigned char>(bytes[size - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: its lead is further back
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return (byte < 0xF8 && length > back) ? size - back : size;
    }
    return size;
}

} // namespace

PlainTextScan::PlainTextScan(const QString& keyword, bool matchCase)
    : shared_(keyword, matchCase) {}

bool PlainTextScan::settled() const {
    if (!utf8_)
        return shared_.found();
    return windows_->found() && (!utf8Valid_ || utf8_->found());
}

void PlainTextScan::feed(QByteArrayView bytes) {
    if (!started_) {
        // The mark is dropped only at the very start, so wait for three bytes.
        start_.append(bytes);
        hold(start_.size());
        if (start_.size() < 3)
            return;
        started_ = true;
        const QByteArray first = std::exchange(start_, QByteArray());
        scan(first.startsWith(kByteOrderMark) ? QByteArrayView(first).sliced(3)
                                             : QByteArrayView(first));
        return;
    }
    scan(bytes);
}

void PlainTextScan::scan(QByteArrayView bytes) {
    if (bytes.isEmpty() || settled())
        return;
    // Line ends first: CR and LF are single bytes in either reading.
    QByteArrayView text = bytes;
    if (afterCr_ || bytes.contains('\r')) {
        lines_.resize(0);
        lines_.reserve(bytes.size());
        for (char c : bytes) {
            if (c == '\n' && afterCr_) {
                afterCr_ = false;
                continue;
            }
            afterCr_ = c == '\r';
            lines_.append(afterCr_ ? '\n' : c);
        }
        hold(lines_.capacity());
        text = lines_;
    }
    if (!utf8_ && pending_.isEmpty() && allAscii(text)) {
        const QString piece = QString::fromLatin1(text);
        hold(piece.size() * 2);
        textStarted_ = textStarted_ || !piece.isEmpty();
        shared_.feed(piece);
        return;
    }
    if (!utf8_) {
        // The readings part here: each goes on from what the shared one saw.
        utf8_ = shared_;
        windows_ = shared_;
    }
    QString piece;
    store::appendWindows1252(piece, text);
    hold(piece.size() * 2);
    windows_->feed(piece);
    if (utf8Valid_)
        matchUtf8(text, false);
}

void PlainTextScan::matchUtf8(QByteArrayView bytes, bool last) {
    QByteArray joined;
    if (!pending_.isEmpty()) {
        joined = std::exchange(pending_, QByteArray());
        joined.append(bytes);
        bytes = joined;
    }
    const qsizetype end = last ? bytes.size() : wholeSequencesEnd(bytes);
    pending_ = bytes.sliced(end).toByteArray();
    // Each piece starts on a sequence, so decoding them one by one reads what
    // decoding the whole would; only a mark at the very start of the text is
    // dropped by the decoder (one more than the mark taken off before).
    QStringDecoder decoder(QStringConverter::Utf8,
                           textStarted_ ? QStringConverter::Flag::Stateless |
                                              QStringConverter::Flag::ConvertInitialBom
                                        : QStringConverter::Flag::Stateless);
    const QString piece = decoder.decode(bytes.first(end));
    hold(piece.size() * 2 + joined.size());
    textStarted_ = textStarted_ || end > 0;
    if (decoder.hasError()) {
        utf8Valid_ = false;
        return;
    }
    utf8_->feed(piece);
}

bool PlainTextScan::finish() {
    if (!started_) {
        started_ = true;
        scan(start_.startsWith(kByteOrderMark) ? QByteArrayView(start_).sliced(3)
                                              : QByteArrayView(start_));
    }
    if (utf8_ && utf8Valid_ && !pending_.isEmpty())
        matchUtf8({}, true); // a sequence cut by the end of the topic
    if (!utf8_)
        return shared_.found();
    return utf8Valid_ ? utf8_->found() : windows_->found();
}

} // namespace oxlin::search
