#include "core/search/stream_matcher.h"

#include <QChar>

#include <algorithm>
#include <iterator>

namespace oxlin::search {

namespace {

// A character folded as QString's case-insensitive search folds it, reduced
// to the ASCII range; anything whose fold is not ASCII becomes 0x80, which no
// folded ASCII keyword holds.
inline unsigned char foldToAscii(char16_t c) {
    if (c < 0x80)
        return (c >= u'A' && c <= u'Z') ? (unsigned char)(c + 32) : (unsigned char)c;
    const char16_t folded = QChar::toCaseFolded(c);
    return folded < 0x80 ? foldToAscii(folded) : 0x80;
}

} // namespace

StreamMatcher::StreamMatcher(const QString& keyword, bool matchCase)
    : keyword_(keyword), sensitivity_(matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) {
    // QString folds each character through Unicode tables; for an ASCII
    // keyword only characters that fold to ASCII can match, and those take
    // one comparison each. Shifts fit a byte, so longer keywords use QString.
    const qsizetype size = keyword_.size();
    if (matchCase || size == 0 || size > 255)
        return;
    for (QChar c : keyword_)
        if (c.unicode() >= 0x80)
            return;
    for (QChar c : keyword_)
        asciiFolded_ += char(foldToAscii(c.unicode()));
    std::fill(std::begin(shift_), std::end(shift_), (unsigned char)size);
    for (qsizetype j = 0; j + 1 < size; ++j)
        shift_[uchar(asciiFolded_[j])] = (unsigned char)(size - 1 - j);
}

qsizetype StreamMatcher::find(QStringView text) const {
    if (keyword_.isEmpty())
        return -1;
    if (asciiFolded_.isEmpty())
        return text.indexOf(keyword_, 0, sensitivity_);
    const qsizetype size = asciiFolded_.size();
    const char* const word = asciiFolded_.constData();
    const char16_t* const chars = text.utf16();
    const unsigned char last = uchar(word[size - 1]);
    for (qsizetype at = 0; at + size <= text.size();) {
        const unsigned char end = foldToAscii(chars[at + size - 1]);
        if (end == last) {
            qsizetype j = size - 2;
            while (j >= 0 && foldToAscii(chars[at + j]) == uchar(word[j]))
                --j;
            if (j < 0)
                return at;
        }
        at += end < 0x80 ? shift_[end] : size;
    }
    return -1;
}

bool StreamMatcher::feed(QStringView piece) {
    if (found_ || keyword_.isEmpty() || piece.isEmpty())
        return found_;
    const qsizetype keep = keyword_.size() - 1;
    if (carry_.isEmpty()) {
        found_ = find(piece) >= 0;
    } else {
        // Only the join needs the carried text: the carry plus as much of the
        // piece as could complete a match begun in it.
        const QString join = QString(carry_).append(piece.left(keep));
        found_ = find(join) >= 0 || find(piece) >= 0;
    }
    if (found_) {
        carry_.clear();
        return true;
    }
    if (piece.size() >= keep)
        carry_ = piece.right(keep).toString();
    else
        carry_ = carry_.append(piece).right(keep);
    return false;
}

} // namespace oxlin::search
