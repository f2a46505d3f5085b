// Finding a keyword in text that arrives in pieces.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace oxlin::search {

// Finds a keyword in text that arrives in pieces, across the joins too.
// Case-insensitive matching folds character by character (as
// QString::indexOf does), so a match is never longer than the keyword.
class StreamMatcher {
public:
    StreamMatcher(const QString& keyword, bool matchCase);
    // True once the keyword has been seen (an empty keyword never is).
    bool feed(QStringView piece);
    bool found() const { return found_; }

    // Where the keyword first occurs in `text`, or -1.
    qsizetype find(QStringView text) const;

private:
    QString keyword_;
    Qt::CaseSensitivity sensitivity_;
    // For a keyword of ASCII letters searched without regard to case (what
    // people type): the keyword folded, and a Horspool shift per ASCII
    // character. Empty otherwise, and QString's own search is used.
    QByteArray asciiFolded_;
    unsigned char shift_[128] = {};
    QString carry_; // the end of the text so far, shorter than the keyword
    bool found_ = false;
};

} // namespace oxlin::search
