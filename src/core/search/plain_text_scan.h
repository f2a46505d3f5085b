// Matching a plain-text topic as its decoded bytes arrive, so no topic needs
// to be held whole in memory however large it decodes.
#pragma once

#include "core/search/stream_matcher.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

namespace oxlin::search {

// Reads the bytes as the editor reads a plain topic: a leading UTF-8
// byte-order mark dropped; UTF-8 when the whole topic is valid UTF-8, else
// Windows-1252; CR LF and a lone CR each one line end (LF). Since validity is
// known only at the end, both readings are matched side by side once a byte
// past ASCII appears; before that they are the same text and share one matcher.
class PlainTextScan {
public:
    PlainTextScan(const QString& keyword, bool matchCase);

    // The next bytes, in order, in chunks of any size.
    void feed(QByteArrayView bytes);
    // True once the keyword is found in whichever reading the topic turns
    // out to have: feeding more cannot change the answer.
    bool settled() const;
    // The answer, after the last bytes.
    bool finish();

    // The most bytes held at once besides the chunk fed (for tests).
    qsizetype largestHeld() const { return largestHeld_; }

private:
    void scan(QByteArrayView bytes);
    void matchUtf8(QByteArrayView bytes, bool last);
    void hold(qsizetype bytes) { largestHeld_ = std::max(largestHeld_, bytes); }

    StreamMatcher shared_;                  // while every byte has been ASCII
    std::optional<StreamMatcher> utf8_;     // after the first byte past ASCII
    std::optional<StreamMatcher> windows_;  // the same, for the Windows-1252 reading
    bool utf8Valid_ = true;
    bool textStarted_ = false; // some text has been decoded
    QByteArray start_;   // the first bytes, until a byte-order mark can be told
    bool started_ = false;
    bool afterCr_ = false; // the last byte was CR: an LF next belongs to it
    QByteArray pending_; // a UTF-8 sequence cut by the end of a chunk
    QByteArray lines_;   // a chunk with its line ends made LF
    qsizetype largestHeld_ = 0;
};

} // namespace oxlin::search
