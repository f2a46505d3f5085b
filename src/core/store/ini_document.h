// INI text read once into lines and sections: the reader the profile service and the tree file share.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtGlobal>

#include <limits>
#include <optional>
#include <vector>

namespace oxlin::store {

// Longest line a document keeps by default. Longer lines (a damaged or
// hostile file) are skipped whole, without being held in memory. A tree
// file's section name is a whole item path, so this is far above one label.
inline constexpr qsizetype kMaxIniLineBytes = 64 * 1024;
// For readers that must keep every line, whatever its length (the profile
// service writes the lines it does not change back as they were).
inline constexpr qsizetype kUnlimitedIniLine = std::numeric_limits<qsizetype>::max();

// The bytes without the spaces and tabs at either end.
QByteArrayView trimIniBlanks(QByteArrayView bytes);

// INI text split into lines in one pass. A line ends at CR, LF or CR LF; a
// line whose first non-blank byte is "[" starts a section, whose name is the
// bytes between the "[" and the last "]" (or the end of the line) exactly,
// blanks included. Lines before the first header belong to no section; every
// other line, blank ones included, belongs to the section above it, so a
// writer can put back the lines it did not change. Lines longer than
// `maxLine` bytes are skipped and counted.
//
// Sections are looked up by key: the name case-folded, as UTF-8 (see
// nameKey). A name may occur more than once and every occurrence is kept,
// in file order. The lookup table is built while the text is read: no string
// per line and no container per section.
class IniDocument {
public:
    // The document shares `bytes` (no copy is made), so bytes made with
    // QByteArray::fromRawData must outlive it.
    static IniDocument parse(const QByteArray& bytes, qsizetype maxLine = kMaxIniLineBytes);
    // Reads the file in blocks, so a huge line never sits in memory. Nothing
    // when the file cannot be opened or read whole.
    static std::optional<IniDocument> readFile(const QString& path,
                                               qsizetype maxLine = kMaxIniLineBytes);

    // How a section name is looked up: case-folded, as UTF-8. Folding goes
    // character by character, so the key of "A\B" is the keys of "A" and "B"
    // joined by "\". Appended to `key`.
    static void appendNameKey(QByteArray& key, QStringView name);
    static QByteArray nameKey(QStringView name) {
        QByteArray key;
        appendNameKey(key, name);
        return key;
    }

    int lineCount() const { return int(lines_.size()); }
    // A kept line without its line end.
    QByteArrayView line(int index) const {
        const Span span = lines_[std::size_t(index)];
        return QByteArrayView(text_.constData() + span.offset, span.size);
    }
    // Lines left out for being longer than the limit.
    int skippedLines() const { return skippedLines_; }

    // Sections in file order. A section's header is the line `header`; its
    // body lines are [header + 1, end).
    int sectionCount() const { return int(sections_.size()); }
    int headerLine(int section) const { return sections_[std::size_t(section)].header; }
    int bodyEnd(int section) const { return sections_[std::size_t(section)].end; }
    QByteArrayView sectionName(int section) const;

    // Distinct section keys ("names"), numbered from 0 in order of first
    // appearance; -1 when no section has the key.
    int findName(QByteArrayView key) const;
    int nameCount() const { return int(names_.size()); }
    QByteArrayView nameKeyOf(int name) const;
    int occurrencesOf(int name) const { return name < 0 ? 0 : names_[std::size_t(name)].count; }
    // The section of the given occurrence of a name, or -1.
    int sectionOf(int name, int occurrence) const;

    // The same by key.
    int occurrences(QByteArrayView key) const { return occurrencesOf(findName(key)); }
    int section(QByteArrayView key, int occurrence = 0) const {
        return sectionOf(findName(key), occurrence);
    }

private:
    class Builder;
    struct Span {
        qsizetype offset = 0;
        qsizetype size = 0;
    };
    struct Section {
        int header = 0;
        int end = 0;
        Span name; // in text_
    };
    struct Name {
        Span key; // in keys_
        std::size_t hash = 0;
        int count = 0;
        int first = 0; // into byName_, once the document is complete
    };
    void addLine(QByteArrayView line);
    void addSection(QByteArrayView name);
    int insertName(std::size_t hash);
    void finish();

    // The text the lines are in: the parsed bytes themselves, or the lines
    // of a file read in blocks, one after another.
    QByteArray text_;
    std::vector<Span> lines_;
    std::vector<Section> sections_;
    QByteArray keys_; // every distinct key, one after another
    std::vector<Name> names_;
    std::vector<int> sectionNames_; // the name of each section, then (finish) unused
    std::vector<int> byName_;       // sections grouped by name, each group in file order
    std::vector<int> slots_;        // open addressing over names_, -1 when free
    int skippedLines_ = 0;
};

} // namespace oxlin::store
