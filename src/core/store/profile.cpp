#include "core/store/profile.h"

#include "core/store/ini_document.h"
#include "core/store/ini_text.h"
#include "core/store/stored_text.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <climits>
#include <vector>

namespace oxlin::store {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

QString trimBlanks(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

// Every line of the file, however long, so that the lines an edit does not
// touch go back as they were. A missing file reads as an empty one.
IniDocument readDocument(const QString& path) {
    std::optional<IniDocument> document = IniDocument::readFile(path, kUnlimitedIniLine);
    return document ? std::move(*document) : IniDocument::parse({}, kUnlimitedIniLine);
}

// A line is decoded whole: its bytes decide between UTF-8 and Windows-1252.
QString lineText(const IniDocument& document, int line) {
    return decodeStoredText(document.line(line));
}

// The name of a section header's text, blanks around it removed: "[ A ]" is "A".
QString sectionName(const QString& text) {
    const QString trimmed = trimBlanks(text);
    qsizetype close = trimmed.lastIndexOf(QLatin1Char(']'));
    if (close < 0)
        close = trimmed.size();
    return trimBlanks(QStringView(trimmed).mid(1, close - 1));
}

struct KeyValue {
    QString key;
    QString value;
};

std::optional<KeyValue> keyValue(const QString& text) {
    const qsizetype equals = text.indexOf(QLatin1Char('='));
    if (equals < 0)
        return std::nullopt;
    return KeyValue{trimBlanks(QStringView(text).left(equals)),
                    trimBlanks(QStringView(text).mid(equals + 1))};
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The header line and the body [header + 1, end) of the first section named
// `section`, compared without the blanks around the name.
struct SectionRange {
    int header = -1;
    int end = 0;
    bool found() const { return header >= 0; }
};

SectionRange findSection(const IniDocument& document, const QString& section) {
    for (int i = 0; i < document.sectionCount(); ++i) {
        const int header = document.headerLine(i);
        if (sameName(sectionName(lineText(document, header)), section))
            return {header, document.bodyEnd(i)};
    }
    return {-1, document.lineCount()};
}

QByteArray entryLine(const QString& key, const QString& value) {
    return (key + QLatin1Char('=') + value).toUtf8();
}

QByteArray headerLine(const QString& section) {
    return (QLatin1Char('[') + section + QLatin1Char(']')).toUtf8();
}

// The file's lines with some of them replaced and new ones put in at one
// place, written back whole with CR LF.
struct Rewrite {
    explicit Rewrite(const IniDocument& from)
        : document(from), replaced(std::size_t(from.lineCount())), insertAt(from.lineCount()) {}

    bool write(const QString& path) const {
        IniTextBuffer out;
        for (int i = 0; i <= document.lineCount(); ++i) {
            if (i == insertAt)
                for (const QByteArray& line : inserted)
                    out.appendLine(line);
            if (i == document.lineCount())
                break;
            const QByteArray& line = replaced[std::size_t(i)];
            out.appendLine(line.isNull() ? document.line(i) : QByteArrayView(line));
        }
        return out.writeFile(path);
    }

    const IniDocument& document;
    std::vector<QByteArray> replaced; // by line; a null one keeps the line
    int insertAt;
    std::vector<QByteArray> inserted;
};

// Visits the lines of the section that are not blank, in order, with their
// key and value when they have one, until `visit` returns false. Returns the
// last line visited (the header when none): a new key goes after it.
template <typename Visit>
int visitContentLines(const IniDocument& document, const SectionRange& range, Visit visit) {
    int lastContent = range.header;
    for (int i = range.header + 1; i < range.end; ++i) {
        const QString text = lineText(document, i);
        if (trimBlanks(text).isEmpty())
            continue;
        lastContent = i;
        if (!visit(i, keyValue(text)))
            break;
    }
    return lastContent;
}

// Where one key goes: in place of the section's first line with that key,
// else after the section's last line with text, else in a new section at the
// end of the file.
void setKey(Rewrite& rewrite, const QString& section, const QString& key, const QString& value) {
    const IniDocument& document = rewrite.document;
    QByteArray entry = entryLine(key, value);
    const SectionRange range = findSection(document, section);
    if (!range.found()) {
        rewrite.inserted = {headerLine(section), std::move(entry)};
        return;
    }
    bool replaced = false;
    const int lastContent =
        visitContentLines(document, range, [&](int line, const std::optional<KeyValue>& kv) {
            if (!kv || !sameName(kv->key, key))
                return true;
            rewrite.replaced[std::size_t(line)] = std::move(entry);
            replaced = true;
            return false;
        });
    if (replaced)
        return;
    rewrite.insertAt = lastContent + 1;
    rewrite.inserted = {std::move(entry)};
}

} // namespace

std::optional<QString> ProfileService::find(const QString& file, const QString& section,
                                            const QString& key) const {
    QMutexLocker lock(&mutex_);
    const IniDocument document = readDocument(file);
    const SectionRange range = findSection(document, section);
    if (!range.found())
        return std::nullopt;
    for (int i = range.header + 1; i < range.end; ++i) {
        const auto kv = keyValue(lineText(document, i));
        if (kv && sameName(kv->key, key))
            return kv->value;
    }
    return std::nullopt;
}

bool ProfileService::writeString(const QString& file, const QString& section, const QString& key,
                                 const QString& value) {
    return writeStrings(file, section, {{key, value}});
}

bool ProfileService::writeStrings(const QString& file, const QString& section,
                                  const QList<std::pair<QString, QString>>& entries) {
    QMutexLocker lock(&mutex_);
    return writeEntries(readDocument(file), file, section, entries);
}

bool ProfileService::replaceFile(const QString& file, const QString& section,
                                 const QList<std::pair<QString, QString>>& entries) {
    QMutexLocker lock(&mutex_);
    if (entries.isEmpty())
        return QFile::remove(file) || !QFileInfo::exists(file);
    return writeEntries(IniDocument::parse({}, kUnlimitedIniLine), file, section, entries);
}

bool ProfileService::writeEntries(const IniDocument& document, const QString& file,
                                  const QString& section,
                                  const QList<std::pair<QString, QString>>& entries) {
    Rewrite rewrite(document);
    if (entries.size() == 1) {
        setKey(rewrite, section, entries.first().first, entries.first().second);
        return rewrite.write(file);
    }
    // Many keys (an index rebuild): the same result as one setKey per entry,
    // but with the section's keys looked up in a hash and the new keys put
    // in once, so the cost stays linear in the size of the file.
    const SectionRange range = findSection(document, section);
    QHash<QString, std::ptrdiff_t> where; // folded key -> line (>= 0) or ~inserted index
    if (range.found()) {
        const int lastContent =
            visitContentLines(document, range, [&](int line, const std::optional<KeyValue>& kv) {
                if (kv) {
                    const QString folded = kv->key.toCaseFolded();
                    if (!where.contains(folded))
                        where.insert(folded, std::ptrdiff_t(line));
                }
                return true;
            });
        rewrite.insertAt = lastContent + 1;
    }
    std::vector<QByteArray>& inserted = rewrite.inserted;
    if (!range.found())
        inserted.push_back(headerLine(section));
    for (const auto& [key, value] : entries) {
        QByteArray entry = entryLine(key, value);
        const QString folded = key.toCaseFolded();
        const auto found = where.constFind(folded);
        if (found == where.cend()) {
            where.insert(folded, ~std::ptrdiff_t(inserted.size()));
            inserted.push_back(std::move(entry));
        } else if (*found >= 0) {
            rewrite.replaced[std::size_t(*found)] = std::move(entry);
        } else {
            inserted[std::size_t(~*found)] = std::move(entry);
        }
    }
    return rewrite.write(file);
}

QStringList ProfileService::readSection(const QString& file, const QString& section) const {
    QMutexLocker lock(&mutex_);
    const IniDocument document = readDocument(file);
    const SectionRange range = findSection(document, section);
    QStringList result;
    if (!range.found())
        return result;
    for (int i = range.header + 1; i < range.end; ++i) {
        const QString trimmed = trimBlanks(lineText(document, i));
        if (trimmed.isEmpty())
            continue;
        if (const auto kv = keyValue(trimmed))
            result.append(kv->key + QLatin1Char('=') + kv->value);
        else
            result.append(trimmed);
    }
    return result;
}

bool ProfileService::deleteFile(const QString& file) {
    QMutexLocker lock(&mutex_);
    return QFile::remove(file);
}

namespace {

// Leading decimal digits with an optional sign, as atoi reads them; the
// magnitude stops growing once past 2^31 so any length of digits is safe.
template <class CharAt> long long leadingValue(qsizetype size, CharAt at) {
    qsizetype i = 0;
    while (i < size && QChar(at(i)).isSpace())
        ++i;
    bool negative = false;
    if (i < size && (at(i) == u'-' || at(i) == u'+')) {
        negative = at(i) == u'-';
        ++i;
    }
    long long value = 0;
    for (; i < size && at(i) >= u'0' && at(i) <= u'9'; ++i) {
        value = value * 10 + (at(i) - u'0');
        if (value > 0x80000001LL)
            value = 0x80000001LL; // out of range either way
    }
    return negative ? -value : value;
}

long long leadingValue(const QString& text) {
    return leadingValue(text.size(), [&](qsizetype i) { return text[i].unicode(); });
}

std::optional<qint32> inRange(long long value) {
    if (value < INT_MIN || value > INT_MAX)
        return std::nullopt;
    return qint32(value);
}

} // namespace

int leadingInteger(const QString& text) {
    return int(std::clamp<long long>(leadingValue(text), INT_MIN, INT_MAX));
}

std::optional<qint32> leadingInteger32(const QString& text) {
    return inRange(leadingValue(text));
}

std::optional<qint32> leadingInteger32(QByteArrayView latin1) {
    return inRange(
        leadingValue(latin1.size(), [&](qsizetype i) { return char16_t(uchar(latin1[i])); }));
}

} // namespace oxlin::store
