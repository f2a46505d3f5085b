#include "core/search/content_scan.h"

#include "core/store/compressed_file.h"
#include "core/store/package.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <iterator>
#include <new>
#include <numeric>

namespace oxlin::search {

TextStreamer streamWholeText(TextExtractor extractor) {
    return [extractor = std::move(extractor)](QByteArrayView stored, const TextPieces& pieces) {
        if (extractor)
            pieces(extractor(stored.toByteArray()));
    };
}

namespace {

// Deflate never shrinks what it cannot compress by more than a few bytes in
// a block, so a stored topic larger than this decodes past the in-memory
// limit: it is left out without being read at all.
constexpr qint64 kMaxStoredBytes =
    store::kMaxDecodedInMemory + store::kMaxDecodedInMemory / 64 + 65536;

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

bool FolderTopics::read(const QString& fileName, QByteArray& stored) const {
    QFile file(names_.resolve(fileName));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxStoredBytes)
        return false;
    stored = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool PackageTopics::read(const QString& fileName, QByteArray& stored) const {
    return reader_.memberSize(fileName) <= kMaxStoredBytes && reader_.read(fileName, stored);
}

bool topicMatches(const TopicSource& source, const QString& fileName, const QString& keyword,
                  bool matchCase, const TextStreamer& text) {
    if (fileName.isEmpty() || !fileName.contains(QLatin1Char('.')) || !text)
        return false;
    // A topic file is a plain name inside the working folder; an index entry
    // that names anything else is not followed.
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')) ||
        fileName.startsWith(QLatin1Char('.')))
        return false;
    try {
        QByteArray stored, content;
        if (!source.read(fileName, stored) ||
            store::decompressBuffer(stored, content, store::kMaxDecodedInMemory) != 1 ||
            content.isEmpty())
            return false;
        stored = QByteArray(); // one topic's bytes at a time per thread
        StreamMatcher matcher(keyword, matchCase);
        text(content, [&](QStringView piece) { return !matcher.feed(piece); });
        return matcher.found();
    } catch (const std::bad_alloc&) {
        // A topic that does not fit in memory has nothing to find; the search goes on.
        return false;
    }
}

std::vector<bool> matchTopics(const TopicSource& source, const QStringList& fileNames,
                              const QString& keyword, bool matchCase, const TextStreamer& text,
                              const ScanControl& control) {
    // Flags as chars: std::vector<bool> packs bits, which threads cannot
    // write side by side.
    std::vector<char> flags(std::size_t(fileNames.size()), 0);
    std::vector<int> order(flags.size());
    std::iota(order.begin(), order.end(), 0);
    std::atomic<int> done{0};
    QtConcurrent::blockingMap(order, [&](int i) {
        if (control.cancel && control.cancel->load(std::memory_order_relaxed))
            return;
        if (topicMatches(source, fileNames[i], keyword, matchCase, text)) {
            flags[std::size_t(i)] = 1;
            if (control.found)
                control.found(i);
        }
        const int checked = done.fetch_add(1, std::memory_order_relaxed) + 1;
        if (control.progress)
            control.progress(checked);
    });
    return std::vector<bool>(flags.begin(), flags.end());
}

} // namespace oxlin::search
