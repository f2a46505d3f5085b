#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringView>
#include <QStringList>
#include <QtGlobal>

#include <functional>
#include <optional>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::tree {

struct IniEntry {
    QString key;
    qint32 value = 0;
    // False when the value's digits do not fit a signed 32-bit integer; the
    // value is then 0 rather than the nearest end of the range, so two
    // different large values never read as one.
    bool fits = true;
};

// Longest line an IniDocument keeps. Longer lines (a damaged or hostile
// file) are skipped whole, without being held in memory. A section name is
// a whole item path, so this is far above one label.
inline constexpr qsizetype kMaxIniLineBytes = 64 * 1024;

// One section to be written: entries keep the order they were added in, and
// the same key may appear more than once.
struct IniSection {
    QString name;
    std::vector<IniEntry> entries;

    void add(const QString& key, qint32 value) { entries.push_back({key, value}); }
};

// Builds INI text in memory: "[name]\r\n" then "key=value\r\n" per entry, text
// as UTF-8. The buffer grows as needed; there is no capacity limit.
class IniTextBuffer {
public:
    // A section without entries appends nothing.
    void append(const IniSection& section);
    // Only the header "[name]": a section that is there but empty.
    void appendEmpty(const QString& name);
    const QByteArray& bytes() const { return text_; }

    // Replaces `path` with the text, atomically: on failure the old file stays.
    bool writeFile(const QString& path) const;

private:
    QByteArray text_;
};

// An INI file read once and split into its sections, for readers that need
// many sections of one file (the tree loader). Section names are matched
// without regard to case; a name may occur more than once and each occurrence
// is kept. A section name is the text between "[" and the first "]" exactly,
// blanks included, as body lines keep their keys exactly: a label with blanks
// at either end finds its own section. Body lines keep their text exactly
// (only the line end is dropped) except that blank lines are skipped. Lines
// longer than `maxLine` bytes are skipped and counted. Lines that are not
// valid UTF-8 are read as Windows-1252.
// Hashes section keys (whole item paths) with the standard library's string
// hash, which is several times faster than QHash's seeded one on such keys.
struct KeyHash {
    std::size_t operator()(const QByteArray& key) const noexcept {
        return std::hash<std::string_view>()(std::string_view(key.constData(), std::size_t(key.size())));
    }
};

class IniDocument {
public:
    static IniDocument parse(QByteArrayView bytes, qsizetype maxLine = kMaxIniLineBytes);
    // Reads the file in blocks, so a huge line never sits in memory. Nothing
    // when the file cannot be opened or read whole.
    static std::optional<IniDocument> readFile(const QString& path,
                                               qsizetype maxLine = kMaxIniLineBytes);

    // How the document looks a section name up: the name case-folded, as
    // UTF-8. Folding goes character by character, so the key of "A\B" is
    // the keys of "A" and "B" joined by "\".
    static QByteArray nameKey(QStringView name);

    int occurrences(QByteArrayView key) const;
    // The body of the given occurrence of a section (an index below
    // bodyCount()), or -1.
    int section(QByteArrayView key, int occurrence = 0) const;
    int bodyCount() const { return int(bodies_.size()); }
    // Lines left out for being longer than the limit.
    int skippedLines() const { return skippedLines_; }

private:
    friend class IniSectionReader;
    class Builder;
    void addLine(QByteArrayView line);

    // Body lines are kept as their bytes, one after another, and decoded only
    // when read: a tree file has a section per folder and a line per item,
    // and a string per line would cost more than the rest of the load.
    struct Span {
        qsizetype offset = 0;
        qsizetype size = 0;
    };
    QByteArray text_;
    std::vector<Span> lines_;
    std::vector<Span> bodies_; // ranges of lines_
    std::unordered_map<QByteArray, std::vector<int>, KeyHash> byName_; // nameKey -> bodies_ indexes
    int skippedLines_ = 0;
};

// Iterates over the "key=value" lines of one section. Each line is split at
// its first "="; the value converts as a leading decimal integer ("12x" is 12,
// "x" is 0). Iteration ends at the end of the section or at the first line
// without "=". A missing or empty section, or one whose first line has no
// "=", does not open.
class IniSectionReader {
public:
    explicit IniSectionReader(QStringList lines);
    // A body of a document, which must outlive the reader.
    IniSectionReader(const IniDocument& document, int body);
    // The first section so named in an INI file, read through the profile service.
    static IniSectionReader open(const store::ProfileService& profiles, const QString& file,
                                 const QString& section);

    bool isOpen() const;
    // The next entry, or false at the end.
    bool next(IniEntry& entry);

private:
    bool nextOf(const QString& line, IniEntry& entry);
    QStringList lines_;
    const IniDocument* document_ = nullptr;
    qsizetype first_ = 0; // the body's first line in the document
    qsizetype count_ = 0;
    qsizetype position_ = 0;
};

} // namespace oxlin::tree
