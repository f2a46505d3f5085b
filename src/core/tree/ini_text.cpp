#include "tree/ini_text.h"

#include "store/atomic_file.h"
#include "store/profile.h"
#include "store/stored_text.h"

#include <QFile>

namespace oxlin::tree {

void IniTextBuffer::append(const IniSection& section) {
    if (section.entries.empty())
        return;
    text_ += '[';
    text_ += section.name.toUtf8();
    text_ += "]\r\n";
    for (const IniEntry& entry : section.entries) {
        text_ += entry.key.toUtf8();
        text_ += '=';
        text_ += QByteArray::number(entry.value);
        text_ += "\r\n";
    }
}

bool IniTextBuffer::writeFile(const QString& path) const {
    return store::writeFileAtomically(path, text_);
}

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView line) {
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

} // namespace

IniDocument IniDocument::parse(QByteArrayView bytes) {
    IniDocument document;
    QStringList* body = nullptr; // lines before the first header belong to no section
    const qsizetype size = bytes.size();
    qsizetype start = 0;
    while (start < size) {
        qsizetype end = start;
        while (end < size && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const QByteArrayView line = bytes.sliced(start, end - start);
        start = end + 1;
        if (end < size && bytes[end] == '\r' && start < size && bytes[start] == '\n')
            ++start;

        const QByteArrayView content = trimmed(line);
        if (content.isEmpty())
            continue;
        if (content.front() == '[') {
            qsizetype close = content.indexOf(']');
            if (close < 0)
                close = content.size();
            const QString name = store::decodeStoredText(trimmed(content.sliced(1, close - 1)));
            document.byName_[name.toCaseFolded()].push_back(int(document.bodies_.size()));
            document.bodies_.emplace_back();
            body = &document.bodies_.back();
            continue;
        }
        if (body)
            body->append(store::decodeStoredText(line));
    }
    return document;
}

std::optional<IniDocument> IniDocument::readFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return parse(bytes);
}

int IniDocument::occurrences(const QString& name) const {
    const auto it = byName_.constFind(name.toCaseFolded());
    return it == byName_.constEnd() ? 0 : int(it->size());
}

const QStringList* IniDocument::section(const QString& name, int occurrence) const {
    const auto it = byName_.constFind(name.toCaseFolded());
    if (it == byName_.constEnd() || occurrence < 0 || occurrence >= int(it->size()))
        return nullptr;
    return &bodies_[std::size_t((*it)[std::size_t(occurrence)])];
}

IniSectionReader::IniSectionReader(QStringList lines) : lines_(std::move(lines)) {}

IniSectionReader IniSectionReader::open(const store::ProfileService& profiles, const QString& file,
                                        const QString& section) {
    return IniSectionReader(profiles.readSection(file, section));
}

bool IniSectionReader::isOpen() const {
    return !lines_.isEmpty() && lines_.first().contains(QLatin1Char('='));
}

bool IniSectionReader::next(IniEntry& entry) {
    if (position_ >= lines_.size())
        return false;
    const QString& line = lines_[position_];
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) {
        position_ = lines_.size(); // a line without "=" ends the section
        return false;
    }
    ++position_;
    entry.key = line.left(equals);
    entry.value = store::leadingInteger(line.mid(equals + 1));
    return true;
}

} // namespace oxlin::tree
