// The content search's engine: topics read from a folder or a package,
// decompressed in memory and matched as their text streams, on every core.
#pragma once

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
using TextStreamer = std::function<void(QByteArrayView stored, const TextPieces& pieces)>;

// A streamer over an extractor that only gives whole texts.
TextStreamer streamWholeText(TextExtractor extractor);

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

// One topic file holds the keyword in its visible text: read, decompressed
// in memory (at most kMaxDecodedInMemory) and streamed through `text` until
// the first match. Missing, damaged, oversized or empty topics do not match.
// A name that is not a plain file name ("a/b", ".x", no extension) is not
// followed.
bool topicMatches(const TopicSource& source, const QString& fileName, const QString& keyword,
                  bool matchCase, const TextStreamer& text);

// How a long content search reports and stops. `progress` is called from
// worker threads with the number of topics checked so far, `found` with the
// index of each topic that holds the keyword, as soon as it is known;
// `cancel` is polled before each topic.
struct ScanControl {
    std::function<void(int done)> progress;
    const std::atomic<bool>* cancel = nullptr;
    std::function<void(int index)> found;
};

// topicMatches for every name, spread over the global thread pool; the
// result has one flag per name, in the order given. Topics not reached
// because of a cancel are reported as not matching.
std::vector<bool> matchTopics(const TopicSource& source, const QStringList& fileNames,
                              const QString& keyword, bool matchCase, const TextStreamer& text,
                              const ScanControl& control = {});

} // namespace oxlin::search
