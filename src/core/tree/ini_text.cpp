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
            if (end < block.size() && pending_.isEmpty() && !overlong_ && end <= maxLine_) {
                // A whole line inside the block goes straight in, uncopied.
                if (end > 0)
                    document_.addLine(block.first(end));
                block = block.sliced(end + 1);
                continue;
            }
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

namespace {

bool isAscii(QByteArrayView bytes) {
    for (char c : bytes)
        if (uchar(c) >= 0x80)
            return false;
    return true;
}

QByteArray asciiKey(QByteArrayView name) {
    QByteArray key(name.data(), name.size());
    for (char& c : key)
        if (c >= 'A' && c <= 'Z')
            c = char(c + 32);
    return key;
}

} // namespace

QByteArray IniDocument::nameKey(QStringView name) {
    bool ascii = true;
    for (QChar c : name)
        ascii = ascii && c.unicode() < 0x80;
    return ascii ? asciiKey(QByteArray(name.toLatin1())) : name.toString().toCaseFolded().toUtf8();
}

void IniDocument::addLine(QByteArrayView line) {
    const QByteArrayView content = trimmed(line);
    if (content.isEmpty())
        return;
    if (content.front() == '[') {
        qsizetype close = content.indexOf(']');
        if (close < 0)
            close = content.size();
        const QByteArrayView name = content.sliced(1, close - 1);
        // Names are mostly ASCII, whose fold needs no decoding.
        const QByteArray key =
            isAscii(name) ? asciiKey(name) : nameKey(store::decodeStoredText(name));
        byName_[key].push_back(int(bodies_.size()));
        bodies_.push_back({qsizetype(lines_.size()), 0});
        return;
    }
    // Lines before the first header belong to no section.
    if (bodies_.empty())
        return;
    lines_.push_back({text_.size(), line.size()});
    text_.append(line);
    ++bodies_.back().size;
}

IniDocument IniDocument::parse(QByteArrayView bytes, qsizetype maxLine) {
    IniDocument document;
    document.text_.reserve(bytes.size());
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

int IniDocument::occurrences(QByteArrayView key) const {
    const auto it = byName_.find(QByteArray::fromRawData(key.data(), key.size()));
    return it == byName_.end() ? 0 : int(it->second.size());
}

int IniDocument::section(QByteArrayView key, int occurrence) const {
    const auto it = byName_.find(QByteArray::fromRawData(key.data(), key.size()));
    if (it == byName_.end() || occurrence < 0 || occurrence >= int(it->second.size()))
        return -1;
    return it->second[std::size_t(occurrence)];
}

IniSectionReader::IniSectionReader(QStringList lines)
    : lines_(std::move(lines)), count_(lines_.size()) {}

IniSectionReader::IniSectionReader(const IniDocument& document, int body) : document_(&document) {
    if (body < 0 || body >= document.bodyCount())
        return;
    first_ = document.bodies_[std::size_t(body)].offset;
    count_ = document.bodies_[std::size_t(body)].size;
}

IniSectionReader IniSectionReader::open(const store::ProfileService& profiles, const QString& file,
                                        const QString& section) {
    return IniSectionReader(profiles.readSection(file, section));
}

bool IniSectionReader::isOpen() const {
    if (count_ == 0)
        return false;
    if (!document_)
        return lines_.first().contains(QLatin1Char('='));
    const IniDocument::Span line = document_->lines_[std::size_t(first_)];
    return QByteArrayView(document_->text_).sliced(line.offset, line.size).contains('=');
}

bool IniSectionReader::next(IniEntry& entry) {
    if (position_ >= count_)
        return false;
    if (document_) {
        const IniDocument::Span span = document_->lines_[std::size_t(first_ + position_)];
        const QByteArrayView line = QByteArrayView(document_->text_).sliced(span.offset, span.size);
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) {
            position_ = count_; // a line without "=" ends the section
            return false;
        }
        // An ASCII line reads the same in either encoding; any other is
        // decoded whole, as its bytes decide between UTF-8 and Windows-1252.
        if (isAscii(line)) {
            ++position_;
            entry.key = QString::fromLatin1(line.first(equals));
            const std::optional<qint32> value = store::leadingInteger32(line.sliced(equals + 1));
            entry.fits = value.has_value();
            entry.value = value.value_or(0);
            return true;
        }
        return nextOf(store::decodeStoredText(line), entry);
    }
    return nextOf(lines_[position_], entry);
}

bool IniSectionReader::nextOf(const QString& line, IniEntry& entry) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) {
        position_ = count_;
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
