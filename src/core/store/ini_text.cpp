// INI text written in memory, and the "key=number" lines of a section read back.
#include "core/store/ini_text.h"

#include "core/store/atomic_file.h"
#include "core/store/ini_document.h"
#include "core/store/profile.h"
#include "core/store/stored_text.h"

#include <cstring>

namespace oxlin::store {

namespace {

// Text as UTF-8; ASCII, the common case, without a temporary.
void appendUtf8(QByteArray& out, QStringView text) {
    const qsizetype at = out.size();
    out.resize(at + text.size());
    char* to = out.data() + at;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            out.truncate(at);
            out += text.toUtf8();
            return;
        }
        *to++ = char(c.unicode());
    }
}

bool isAscii(QByteArrayView bytes) {
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

} // namespace

void IniTextBuffer::append(const IniSection& section) {
    if (section.entries.empty())
        return;
    appendHeader(section.name);
    for (const IniEntry& entry : section.entries)
        appendEntry(entry.key, entry.value);
}

void IniTextBuffer::appendHeader(QStringView name) {
    text_ += '[';
    appendUtf8(text_, name);
    text_ += "]\r\n";
}

void IniTextBuffer::appendEntry(QStringView key, qint32 value) {
    appendUtf8(text_, key);
    text_ += '=';
    text_ += QByteArray::number(value);
    text_ += "\r\n";
}

void IniTextBuffer::appendEntry(QStringView key, QStringView value) {
    appendUtf8(text_, key);
    text_ += '=';
    appendUtf8(text_, value);
    text_ += "\r\n";
}

void IniTextBuffer::appendLine(QByteArrayView raw) {
    text_.append(raw.data(), raw.size());
    text_ += "\r\n";
}

bool IniTextBuffer::writeFile(const QString& path) const {
    return writeFileAtomically(path, text_).ok();
}

IniSectionReader::IniSectionReader(QStringList lines)
    : lines_(std::move(lines)), end_(lines_.size()) {}

IniSectionReader::IniSectionReader(const IniDocument& document, int section)
    : document_(&document) {
    if (section < 0 || section >= document.sectionCount())
        return;
    position_ = document.headerLine(section) + 1;
    end_ = document.bodyEnd(section);
    skipBlankLines();
}

IniSectionReader IniSectionReader::open(const ProfileService& profiles, const QString& file,
                                        const QString& section) {
    return IniSectionReader(profiles.readSection(file, section));
}

void IniSectionReader::skipBlankLines() {
    for (; position_ < end_; ++position_) {
        const QByteArrayView line = document_->line(int(position_));
        if (!line.isEmpty() && line.front() != ' ' && line.front() != '\t')
            return; // the common case, decided by one byte
        if (!trimIniBlanks(line).isEmpty())
            return;
    }
}

bool IniSectionReader::isOpen() const {
    if (position_ >= end_)
        return false;
    if (!document_)
        return lines_[position_].contains(QLatin1Char('='));
    return document_->line(int(position_)).contains('=');
}

bool IniSectionReader::next(IniEntry& entry) {
    if (position_ >= end_)
        return false;
    if (!document_)
        return nextOf(lines_[position_], entry);
    const QByteArrayView line = document_->line(int(position_));
    const auto* found = static_cast<const char*>(std::memchr(line.data(), '=', std::size_t(line.size())));
    const qsizetype equals = found ? found - line.data() : -1;
    if (equals < 0) {
        position_ = end_; // a line without "=" ends the section
        return false;
    }
    // An ASCII line reads the same in either encoding; any other is decoded
    // whole, as its bytes decide between UTF-8 and Windows-1252.
    if (!isAscii(line))
        return nextOf(decodeStoredText(line), entry);
    ++position_;
    skipBlankLines();
    entry.key = QString::fromLatin1(line.first(equals));
    const std::optional<qint32> value = leadingInteger32(line.sliced(equals + 1));
    entry.fits = value.has_value();
    entry.value = value.value_or(0);
    return true;
}

bool IniSectionReader::nextOf(const QString& line, IniEntry& entry) {
    const qsizetype equals = line.indexOf(QLatin1Char('='));
    if (equals < 0) {
        position_ = end_;
        return false;
    }
    ++position_;
    if (document_)
        skipBlankLines();
    entry.key = line.left(equals);
    const std::optional<qint32> value = leadingInteger32(line.mid(equals + 1));
    entry.fits = value.has_value();
    entry.value = value.value_or(0);
    return true;
}

} // namespace oxlin::store
