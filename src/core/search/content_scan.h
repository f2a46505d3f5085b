// The content search's engine: topics read from a folder or a package,
// decompressed in chunks and matched as their text streams, on every core.
#pragma once

#include "core/search/stream_matcher.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <atomic>
#include <functional>
#include <vector>

namespace oxlin::store {
class PackageReader;
}

namespace oxlin::search {

// The text a user sees in a topic's stored bytes (plain text or RTF), whole.
// It must be safe to call from several threads at once.
using TextExtractor = std::function<QString(const QByteArray& storedTopic)>;

// Receives visible text in order, in pieces of any size; returning false
// asks for no more.
using TextPieces = std::function<bool(QStringView piece)>;
// Hands the visible text of stored bytes to `pieces` as it is read, so a
// search can stop at the first match. Safe to call from several threads at once.
// The content search calls it for rich-text topics only; it reads plain text
// itself, in chunks (PlainTextScan).
using TextStreamer = std::function<void(QByteArrayView stored, const TextPieces& pieces)>;

// A streamer over an extractor that only gives whole texts.
TextStreamer streamWholeText(TextExtractor extractor);

// Where a content search reads topic files from, by name ("%08X.XTZ"): their
// stored, still compressed bytes. Called from several threads at once.
class TopicSource {
public:
    virtual ~TopicSource() = default;
    // False when there is no such topic file or it cannot be read.
    virtual bool read(const QString& fileName, QByteArray& stored) const = 0;
};

// The topic files of a working folder, found by a listing taken once at
// construction (so a missing file costs no scan of its own).
class FolderTopics final : public TopicSource {
public:
    explicit FolderTopics(const QString& folder) : names_(folder) {}
    bool read(const QString& fileName, QByteArray& stored) const override;

private:
    store::FolderNames names_;
};

// The topic members of an open package, read straight through its directory.
// The reader is borrowed and must outlive this source.
class PackageTopics final : public TopicSource {
public:
    explicit PackageTopics(const store::PackageReader& reader) : reader_(reader) {}
    bool read(const QString& fileName, QByteArray& stored) const override;

private:
    const store::PackageReader& reader_;
};

// What reading one topic took.
struct TopicScanStats {
    qint64 decoded = 0;     // bytes decoded (up to one chunk past the limit)
    qint64 largestHeld = 0; // the largest buffer of the topic's content held at once
    bool tooLarge = false;  // decoded past the limit: skipped unread
};

// One topic file holds the keyword in its visible text. The stored bytes are
// decoded in chunks: plain text is matched as it arrives and never held
// whole; rich text is gathered (it is read as a document) and streamed
// through `text`. A topic that decodes past `limit` bytes is left out
// without being held. Missing, damaged, oversized or empty topics do not
// match. A name that is not a plain file name ("a/b", ".x", no extension) is
// not followed.
bool topicMatches(const TopicSource& source, const QString& fileName, const QString& keyword,
                  bool matchCase, const TextStreamer& text, TopicScanStats* stats = nullptr,
                  qint64 limit = store::kMaxDecodedInMemory);

// How a long content search reports and stops. `progress` is called from
// worker threads with the number of topics checked so far, `found` with the
// index of each topic that holds the keyword, as soon as it is known;
// `cancel` is polled before each topic.
struct ScanControl {
    std::function<void(int done)> progress;
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(int index)> found;
    // The topic at `index` decodes past the limit and was left out (from
    // worker threads).
    std::function<void(int index)> tooLarge;
};

// topicMatches for every name, spread over the global thread pool; the
// result has one flag per name, in the order given. Topics not reached
// because of a cancel are reported as not matching.
std::vector<bool> matchTopics(const TopicSource& source, const QStringList& fileNames,
                              const QString& keyword, bool matchCase, const TextStreamer& text,
                              const ScanControl& control = {});

} // namespace oxlin::search
