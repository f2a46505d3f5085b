#include "core/store/profile.h"

#include "core/store/atomic_file.h"
#include "core/store/stored_text.h"

#include <QFile>
#include <QHash>

#include <algorithm>
#include <climits>
#include <vector>

namespace oxlin::store {

namespace {

// One line of an INI file: its bytes as found (re-written unchanged unless the
// line itself is replaced) and its decoded text.
struct Line {
    QByteArray raw;
    QString text;
};

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

QString trimBlanks(QStringView text) {
    qsizetype begin = 0, end = text.size();
    while (begin < end && isBlank(text[begin]))
        ++begin;
    while (end > begin && isBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin).toString();
}

std::vector<Line> readLines(const QString& path) {
    std::vector<Line> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return lines;
    const QByteArray bytes = file.readAll();
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        QByteArray raw = bytes.mid(start, end - start);
        QString text = decodeStoredText(raw);
        lines.push_back({std::move(raw), std::move(text)});
        if (end < size && bytes[end] == '\r' && end + 1 < size && bytes[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

// The name of a section header line, or nothing for other lines.
std::optional<QString> sectionName(const QString& text) {
    const QString trimmed = trimBlanks(text);
    if (!trimmed.startsWith(QLatin1Char('[')))
        return std::nullopt;
    qsizetype close = trimmed.indexOf(QLatin1Char(']'));
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

// Index range [begin, end) of the body of the first section named `section`;
// begin is npos when the section is missing. `end` stops at the next header.
struct SectionRange {
    std::size_t header = std::size_t(-1);
    std::size_t end = 0;
    bool found() const { return header != std::size_t(-1); }
};

SectionRange findSection(const std::vector<Line>& lines, const QString& section) {
    SectionRange range;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const auto name = sectionName(lines[i].text);
        if (!name)
            continue;
        if (range.found()) {
            range.end = i;
            return range;
        }
        if (sameName(*name, section))
            range.header = i;
    }
    range.end = lines.size();
    return range;
}

Line makeLine(const QString& text) { return {text.toUtf8(), text}; }

void setKey(std::vector<Line>& lines, const QString& section, const QString& key,
            const QString& value) {
    const Line entry = makeLine(key + QLatin1Char('=') + value);
    const SectionRange range = findSection(lines, section);
    if (!range.found()) {
        lines.push_back(makeLine(QLatin1Char('[') + section + QLatin1Char(']')));
        lines.push_back(entry);
        return;
    }
    std::size_t lastContent = range.header;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        if (trimBlanks(lines[i].text).isEmpty())
            continue;
        lastContent = i;
        const auto kv = keyValue(lines[i].text);
        if (kv && sameName(kv->key, key)) {
            lines[i] = entry;
            return;
        }
    }
    lines.insert(lines.begin() + std::ptrdiff_t(lastContent + 1), entry);
}

bool writeLines(const QString& path, const std::vector<Line>& lines) {
    QByteArray bytes;
    qsizetype total = 0;
    for (const Line& line : lines)
        total += line.raw.size() + 2;
    bytes.reserve(total);
    for (const Line& line : lines) {
        bytes += line.raw;
        bytes += "\r\n";
    }
    return writeFileAtomically(path, bytes);
}

} // namespace

std::optional<QString> ProfileService::find(const QString& file, const QString& section,
                                            const QString& key) const {
    QMutexLocker lock(&mutex_);
    const std::vector<Line> lines = readLines(file);
    const SectionRange range = findSection(lines, section);
    if (!range.found())
        return std::nullopt;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto kv = keyValue(lines[i].text);
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
    std::vector<Line> lines = readLines(file);
    if (entries.size() == 1) {
        setKey(lines, section, entries.first().first, entries.first().second);
        return writeLines(file, lines);
    }
    // Many keys (an index rebuild): the same result as one setKey per entry,
    // but with the section's keys looked up in a hash and the new keys spliced
    // in once, so the cost stays linear in the size of the file.
    const SectionRange range = findSection(lines, section);
    std::size_t insertAt = lines.size();
    QHash<QString, std::ptrdiff_t> where; // folded key -> line (>= 0) or ~appended index
    if (range.found()) {
        std::size_t lastContent = range.header;
        for (std::size_t i = range.header + 1; i < range.end; ++i) {
            if (trimBlanks(lines[i].text).isEmpty())
                continue;
            lastContent = i;
            if (const auto kv = keyValue(lines[i].text)) {
                const QString folded = kv->key.toCaseFolded();
                if (!where.contains(folded))
                    where.insert(folded, std::ptrdiff_t(i));
            }
        }
        insertAt = lastContent + 1;
    }
    std::vector<Line> appended;
    if (!range.found())
        appended.push_back(makeLine(QLatin1Char('[') + section + QLatin1Char(']')));
    for (const auto& [key, value] : entries) {
        Line entry = makeLine(key + QLatin1Char('=') + value);
        const QString folded = key.toCaseFolded();
        const auto found = where.constFind(folded);
        if (found == where.cend()) {
            where.insert(folded, ~std::ptrdiff_t(appended.size()));
            appended.push_back(std::move(entry));
        } else if (*found >= 0) {
            lines[std::size_t(*found)] = std::move(entry);
        } else {
            appended[std::size_t(~*found)] = std::move(entry);
        }
    }
    lines.insert(lines.begin() + std::ptrdiff_t(insertAt), std::make_move_iterator(appended.begin()),
                 std::make_move_iterator(appended.end()));
    return writeLines(file, lines);
}

QStringList ProfileService::readSection(const QString& file, const QString& section) const {
    QMutexLocker lock(&mutex_);
    const std::vector<Line> lines = readLines(file);
    const SectionRange range = findSection(lines, section);
    QStringList result;
    if (!range.found())
        return result;
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const QString trimmed = trimBlanks(lines[i].text);
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
template <class CharAt>
long long leadingValue(qsizetype size, CharAt at) {
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
    return inRange(leadingValue(latin1.size(), [&](qsizetype i) { return char16_t(uchar(latin1[i])); }));
}

} // namespace oxlin::store
