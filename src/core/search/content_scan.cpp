#include "core/search/content_scan.h"

#include "core/search/plain_text_scan.h"
#include "core/store/byte_stream.h"
#include "core/store/compressed_file.h"
#include "core/store/package.h"
#include "core/store/stored_text.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <iterator>
#include <new>
#include <numeric>
#include <utility>

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

} // namespace

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

namespace {

// Takes a topic's decoded bytes from the decoder as they come. Plain text is
// matched chunk by chunk and never held whole; rich text is gathered (up to
// the limit) for `text`, which needs the whole document.
class TopicContentSink final : public store::ByteSink {
public:
    TopicContentSink(const QString& keyword, bool matchCase, qint64 limit)
        : keyword_(keyword), matchCase_(matchCase), limit_(limit), plain_(keyword, matchCase),
          rich_(richBytes_, limit) {}

    bool write(const char* data, qint64 size) override {
        stats_.decoded += size;
        if (stats_.decoded > limit_) {
            stats_.tooLarge = true;
            return false; // nothing past the limit is read
        }
        stats_.largestHeld = std::max(stats_.largestHeld, size);
        if (kind_ == Kind::Unknown) {
            // Whether it is rich text shows in the first five bytes.
            head_.append(data, size);
            if (head_.size() < 5)
                return true;
            kind_ = store::isRichTextStream(head_) ? Kind::Rich : Kind::Plain;
            const QByteArray first = std::exchange(head_, QByteArray());
            return take(first);
        }
        return take(QByteArrayView(data, size));
    }

    // The answer once the decoder has stopped with `status`. Damaged, empty
    // and oversized topics do not match.
    bool finish(store::CodecStatus status, const TextStreamer& text) {
        if (status != store::CodecStatus::Ok || stats_.tooLarge || stats_.decoded == 0)
            return false;
        if (kind_ == Kind::Unknown) {
            kind_ = Kind::Plain;
            plain_.feed(head_);
        }
        if (kind_ == Kind::Plain) {
            stats_.largestHeld = std::max(stats_.largestHeld, qint64(plain_.largestHeld()));
            return plain_.finish();
        }
        stats_.largestHeld = std::max(stats_.largestHeld, qint64(richBytes_.capacity()));
        StreamMatcher matcher(keyword_, matchCase_);
        text(richBytes_, [&](QStringView piece) { return !matcher.feed(piece); });
        return matcher.found();
    }

    const TopicScanStats& stats() const { return stats_; }

private:
    enum class Kind { Unknown, Plain, Rich };

    bool take(QByteArrayView bytes) {
        if (kind_ == Kind::Rich)
            return rich_.write(bytes.data(), bytes.size());
        // Decoding goes on after a match: a topic damaged further on does
        // not match, as when it was read whole.
        plain_.feed(bytes);
        return true;
    }

    QString keyword_;
    bool matchCase_;
    qint64 limit_;
    Kind kind_ = Kind::Unknown;
    QByteArray head_;
    PlainTextScan plain_;
    QByteArray richBytes_;
    store::CappedBufferSink rich_;
    TopicScanStats stats_;
};

} // namespace

bool topicMatches(const TopicSource& source, const QString& fileName, const QString& keyword,
                  bool matchCase, const TextStreamer& text, TopicScanStats* stats,
                  qint64 limit) {
    if (fileName.isEmpty() || !fileName.contains(QLatin1Char('.')) || !text)
        return false;
    // A topic file is a plain name inside the working folder; an index entry
    // that names anything else is not followed.
    if (fileName.contains(QLatin1Char('/')) || fileName.contains(QLatin1Char('\\')) ||
        fileName.startsWith(QLatin1Char('.')))
        return false;
    try {
        QByteArray stored;
        if (!source.read(fileName, stored))
            return false;
        store::BufferSource in(stored);
        TopicContentSink content(keyword, matchCase, limit);
        const store::CodecStatus status = store::decompressStream(in, content);
        const bool found = content.finish(status, text);
        if (stats)
            *stats = content.stats();
        return found;
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
        TopicScanStats stats;
        if (topicMatches(source, fileNames[i], keyword, matchCase, text, &stats)) {
            flags[std::size_t(i)] = 1;
            if (control.found)
                control.found(i);
        }
        if (stats.tooLarge && control.tooLarge)
            control.tooLarge(i);
        const int checked = done.fetch_add(1, std::memory_order_relaxed) + 1;
        if (control.progress)
            control.progress(checked);
    });
    return std::vector<bool>(flags.begin(), flags.end());
}

} // namespace oxlin::search
