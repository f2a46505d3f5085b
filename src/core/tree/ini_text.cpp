#include "core/tree/ini_text.h"

#include "core/store/atomic_file.h"
#include "core/store/profile.h"
#include "core/store/stored_text.h"

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

void IniTextBuffer::appendEmpty(const QString& name) {
    text_ += '[';
    text_ += name.toUtf8();
    text_ += "]\r\n";
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

// Splits a stream of blocks into lines at CR or LF (a CR LF pair gives an
// empty line between, which the document skips as blank). A line is kept in
// `pending_` only while it is within the limit; past it the rest of the line
// is passed over, so the work stays linear and the memory bounded.
class IniDocument::Builder {
public:
    Builder(IniDocument& document, qsizetype maxLine) : document_(document), maxLine_(maxLine) {}

    void feed(QByteArrayView block) {
        while (!block.isEmpty()) {
            qsizetype end = 0;
            while (end < block.size() && block[end] != '\n' && block[end] != '\r')
                ++end;
            take(block.first(end));
            if (end == block.size())
                return;
            finishLine();
            block = block.sliced(end + 1);
        }
    }

    void finish() { finishLine(); }

private:
    void take(QByteArrayView part) {
        if (overlong_ || part.isEmpty())
            return;
        if (pending_.size() + part.size() > maxLine_) {
            overlong_ = true;
            pending_ = QByteArray();
            return;
        }
        pending_.append(part.data(), part.size());
    }

    void finishLine() {
        if (overlong_)
            ++document_.skippedLines_;
        else if (!pending_.isEmpty())
            document_.addLine(pending_);
        pending_.clear();
        overlong_ = false;
    }

    IniDocument& document_;
    const qsizetype maxLine_;
    QByteArray pending_;
    bool overlong_ = false;
};

void IniDocument::addLine(QByteArrayView line) {
    const QByteArrayView content = trimmed(line);
    if (content.isEmpty())
        return;
    if (content.front() == '[') {
        qsizetype close = content.indexOf(']');
        if (close < 0)
            close = content.size();
        const QString name = store::decodeStoredText(content.sliced(1, close - 1));
        byName_[name.toCaseFolded()].push_back(int(bodies_.size()));
        bodies_.emplace_back();
        return;
    }
    // Lines before the first header belong to no section.
    if (!bodies_.empty())
        bodies_.back().append(store::decodeStoredText(line));
}

IniDocument IniDocument::parse(QByteArrayView bytes, qsizetype maxLine) {
    IniDocument document;
    Builder builder(document, maxLine);
    builder.feed(bytes);
    builder.finish();
    return document;
}

std::optional<IniDocument> IniDocument::readFile(const QString& path, qsizetype maxLine) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    IniDocument document;
    Builder builder(document, maxLine);
    QByteArray block(64 * 1024, Qt::Uninitialized);
    for (;;) {
        const qint64 got = file.read(block.data(), block.size());
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        builder.feed(QByteArrayView(block.constData(), got));
    }
    builder.finish();
    return document;
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
    const std::optional<qint32> value = store::leadingInteger32(line.mid(equals + 1));
    entry.fits = value.has_value();
    entry.value = value.value_or(0);
    return true;
}

} // namespace oxlin::tree
