// "key=number" sections of INI text: reading them from a document or a profile file, and writing INI text.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

#include <vector>

namespace oxlin::store {

class IniDocument;
class ProfileService;

struct IniEntry {
    QString key;
    qint32 value = 0;
    // False when the value's digits do not fit a signed 32-bit integer; the
    // value is then 0 rather than the nearest end of the range, so two
    // different large values never read as one.
    bool fits = true;
};

// One section to be written: entries keep the order they were added in, and
// the same key may appear more than once.
struct IniSection {
    QString name;
    std::vector<IniEntry> entries;

    void add(const QString& key, qint32 value) { entries.push_back({key, value}); }
};

// Builds INI text in memory, text as UTF-8 and every line ended by CR LF.
// The buffer grows as needed; there is no capacity limit.
class IniTextBuffer {
public:
    // "[name]" then "key=value" per entry. A section without entries appends nothing.
    void append(const IniSection& section);
    // Only the header "[name]": a section that is there but empty.
    void appendEmpty(QStringView name) { appendHeader(name); }
    void appendHeader(QStringView name);
    void appendEntry(QStringView key, qint32 value);
    void appendEntry(QStringView key, QStringView value);
    // A line kept as it was read.
    void appendLine(QByteArrayView raw);

    void reserve(qsizetype bytes) { text_.reserve(bytes); }
    const QByteArray& bytes() const { return text_; }

    // Replaces `path` with the text, atomically: on failure the old file stays.
    bool writeFile(const QString& path) const;

private:
    QByteArray text_;
};

// Iterates over the "key=value" lines of one section, blank lines passed
// over. Each line is split at its first "="; the value converts as a leading
// decimal integer ("12x" is 12, "x" is 0). Iteration ends at the end of the
// section or at the first line without "=". A missing or empty section, or
// one whose first line has no "=", does not open.
class IniSectionReader {
public:
    explicit IniSectionReader(QStringList lines);
    // A section of a document (-1 for none), which must outlive the reader.
    IniSectionReader(const IniDocument& document, int section);
    // The first section so named in an INI file, read through the profile service.
    static IniSectionReader open(const ProfileService& profiles, const QString& file,
                                 const QString& section);

    bool isOpen() const;
    // The next entry, or false at the end.
    bool next(IniEntry& entry);

private:
    bool nextOf(const QString& line, IniEntry& entry);
    void skipBlankLines();
    QStringList lines_;
    const IniDocument* document_ = nullptr;
    qsizetype position_ = 0; // the next line: of lines_, or of the document
    qsizetype end_ = 0;
};

} // namespace oxlin::store
