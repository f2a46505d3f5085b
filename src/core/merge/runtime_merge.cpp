#include "core/merge/runtime_merge.h"

#include "core/store/ini_document.h"
#include "core/store/ini_text.h"

#include <QList>
#include <QSet>
#include <QString>

#include <algorithm>

namespace oxlin::merge {

namespace {

constexpr char kRuntimeSection[] = "RunTimeData";
constexpr char kFileIdKey[] = "FileIDCount";
constexpr char kHistorySection[] = "SearchHistory";
constexpr int kHistoryCapacity = 20;

struct Line {
    QByteArray key; // before "=", blanks trimmed; empty for other lines
    QByteArray raw;
};

struct Section {
    QByteArray name;
    QList<Line> lines;
};

// Sections in file order; lines before the first header form a nameless one.
QList<Section> sectionsOf(const QByteArray& text) {
    const store::IniDocument document = store::IniDocument::parse(text, store::kUnlimitedIniLine);
    QList<Section> sections;
    const int firstHeader =
        document.sectionCount() > 0 ? document.headerLine(0) : document.lineCount();
    auto addLines = [&](Section& section, int from, int to) {
        for (int i = from; i < to; ++i) {
            const QByteArrayView raw = document.line(i);
            const qsizetype equals = raw.indexOf('=');
            const QByteArray key =
                equals < 0 ? QByteArray() : store::trimIniBlanks(raw.first(equals)).toByteArray();
            section.lines.append(Line{key, raw.toByteArray()});
        }
    };
    if (firstHeader > 0) {
        sections.append(Section{});
        addLines(sections.last(), 0, firstHeader);
    }
    for (int s = 0; s < document.sectionCount(); ++s) {
        sections.append(Section{document.sectionName(s).toByteArray(), {}});
        addLines(sections.last(), document.headerLine(s) + 1, document.bodyEnd(s));
    }
    return sections;
}

Section* findSection(QList<Section>& sections, const QByteArray& name) {
    for (Section& section : sections)
        if (!section.name.isNull() && section.name.compare(name, Qt::CaseInsensitive) == 0)
            return &section;
    return nullptr;
}

QStringList historyOf(const Section* section) {
    QStringList entries;
    for (int i = 0; section && i < kHistoryCapacity; ++i) {
        QString value;
        for (const Line& line : section->lines)
            if (line.key == QByteArray::number(i))
                value = QString::fromUtf8(line.raw.mid(line.raw.indexOf('=') + 1)).trimmed();
        if (value.isEmpty())
            break;
        entries.append(value);
    }
    return entries;
}

Section unitedHistory(const Section* ours, const Section* theirs) {
    QStringList entries = historyOf(ours);
    QSet<QString> seen;
    for (const QString& entry : entries)
        seen.insert(entry.toCaseFolded());
    for (const QString& entry : historyOf(theirs))
        if (!seen.contains(entry.toCaseFolded())) {
            seen.insert(entry.toCaseFolded());
            entries.append(entry);
        }
    entries = entries.mid(std::max<qsizetype>(0, entries.size() - kHistoryCapacity));
    Section united{kHistorySection, {}};
    for (int i = 0; i < entries.size(); ++i)
        united.lines.append(
            Line{QByteArray::number(i), QByteArray::number(i) + "=" + entries[i].toUtf8()});
    return united;
}

void setFileIdCount(QList<Section>& sections, qint32 count) {
    Section* runtime = findSection(sections, kRuntimeSection);
    if (!runtime) {
        sections.append(Section{kRuntimeSection, {}});
        runtime = &sections.last();
    }
    const Line line{kFileIdKey, QByteArray(kFileIdKey) + '=' + QByteArray::number(count)};
    for (Line& existing : runtime->lines)
        if (existing.key.compare(kFileIdKey, Qt::CaseInsensitive) == 0) {
            existing = line;
            return;
        }
    runtime->lines.prepend(line);
}

} // namespace

qint32 fileIdCountOf(const QByteArray& runtimeText) {
    QList<Section> sections = sectionsOf(runtimeText);
    const Section* runtime = findSection(sections, kRuntimeSection);
    for (int i = 0; runtime && i < runtime->lines.size(); ++i)
        if (runtime->lines[i].key.compare(kFileIdKey, Qt::CaseInsensitive) == 0) {
            const QByteArray& raw = runtime->lines[i].raw;
            return std::max(0, raw.mid(raw.indexOf('=') + 1).trimmed().toInt());
        }
    return 0;
}

QByteArray mergeRuntimeText(const QByteArray& ours, const QByteArray& theirs,
                            qint32 leastFileIdCount) {
    QList<Section> merged = sectionsOf(ours);
    const QList<Section> theirSections = sectionsOf(theirs);
    for (const Section& section : theirSections)
        if (!section.name.isNull() && !findSection(merged, section.name))
            merged.append(section);
    const Section theirHistory = [&] {
        QList<Section> copy = theirSections;
        const Section* found = findSection(copy, kHistorySection);
        return found ? *found : Section{};
    }();
    if (Section* history = findSection(merged, kHistorySection))
        *history = unitedHistory(history, &theirHistory);
    const qint32 count = std::max({fileIdCountOf(ours), fileIdCountOf(theirs), leastFileIdCount});
    if (count > 0)
        setFileIdCount(merged, count);
    QByteArray text;
    for (const Section& section : merged) {
        if (!section.name.isNull())
            text += '[' + section.name + "]\r\n";
        for (const Line& line : section.lines)
            text += line.raw + "\r\n";
    }
    return text;
}

} // namespace oxlin::merge
