#include "core/search/content_scan.h"

#include "core/store/compressed_file.h"
#include "core/store/package.h"

#include <QFile>
#include <QtConcurrent/QtConcurrentMap>

#include <new>
#include <numeric>

namespace oxlin::search {

TextStreamer streamWholeText(TextExtractor extractor) {
    return [extractor = std::move(extractor)](QByteArrayView stored, const TextPieces& pieces) {
        if (extractor)
            pieces(extractor(stored.toByteArray()));
    };
}

StreamMatcher::StreamMatcher(const QString& keyword, bool matchCase)
    : keyword_(keyword), sensitivity_(matchCase ? Qt::CaseSensitive : Qt::CaseInsensitive) {}

bool StreamMatcher::feed(QStringView piece) {
    if (found_ || keyword_.isEmpty() || piece.isEmpty())
        return found_;
    const qsizetype keep = keyword_.size() - 1;
    if (carry_.isEmpty()) {
        found_ = piece.indexOf(keyword_, 0, sensitivity_) >= 0;
    } else {
        // Only the join needs the carried text: the carry plus as much of the
        // piece as could complete a match begun in it.
        const QString join = QString(carry_).append(piece.left(keep));
        found_ = join.indexOf(keyword_, 0, sensitivity_) >= 0 ||
                 piece.indexOf(keyword_, 0, sensitivity_) >= 0;
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
    if (!file.open(QIODevice::ReadOnly))
        return false;
    stored = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool PackageTopics::read(const QString& fileName, QByteArray& stored) const {
    return reader_.read(fileName, stored);
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
        flags[std::size_t(i)] =
            topicMatches(source, fileNames[i], keyword, matchCase, text) ? 1 : 0;
        const int checked = done.fetch_add(1, std::memory_order_relaxed) + 1;
        if (control.progress)
            control.progress(checked);
    });
    return std::vector<bool>(flags.begin(), flags.end());
}

} // namespace oxlin::search
