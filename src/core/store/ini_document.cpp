// The INI reader: one pass over the bytes into lines, sections and the table of section names.
#include "core/store/ini_document.h"

#include "core/store/stored_text.h"

#include <QFile>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <string_view>

namespace oxlin::store {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

bool isAscii(QByteArrayView bytes) {
    unsigned char any = 0;
    for (char c : bytes)
        any |= static_cast<unsigned char>(c);
    return any < 0x80;
}

void appendLowerAscii(QByteArray& out, QByteArrayView bytes) {
    const qsizetype at = out.size();
    out.resize(at + bytes.size());
    char* to = out.data() + at;
    for (char c : bytes)
        *to++ = c >= 'A' && c <= 'Z' ? char(c + 32) : c;
}

std::size_t keyHash(QByteArrayView key) {
    return std::hash<std::string_view>()(std::string_view(key.data(), std::size_t(key.size())));
}

// The first CR or LF of the bytes, or their size. Found with memchr, which
// looks at many bytes at a time: the LF first, then a CR before it.
qsizetype lineEnd(QByteArrayView bytes) {
    const char* begin = bytes.data();
    const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', std::size_t(bytes.size())));
    const qsizetype end = lf ? lf - begin : bytes.size();
    const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', std::size_t(end)));
    return cr ? cr - begin : end;
}

} // namespace

QByteArrayView trimIniBlanks(QByteArrayView bytes) {
    qsizetype begin = 0, end = bytes.size();
    while (begin < end && isBlank(bytes[begin]))
        ++begin;
    while (end > begin && isBlank(bytes[end - 1]))
        --end;
    return bytes.sliced(begin, end - begin);
}

void IniDocument::appendNameKey(QByteArray& key, QStringView name) {
    // ASCII folds to lower case, written in place; anything else goes
    // through Unicode's folding.
    const qsizetype at = key.size();
    key.resize(at + name.size());
    char* to = key.data() + at;
    for (QChar c : name) {
        const char16_t u = c.unicode();
        if (u >= 0x80) {
            key.truncate(at);
            key += name.toString().toCaseFolded().toUtf8();
            return;
        }
        *to++ = u >= u'A' && u <= u'Z' ? char(u + 32) : char(u);
    }
}

// Splits a stream of blocks into lines. A line is kept in `pending_` only
// while it is within the limit; past it the rest of the line is passed over,
// so the work stays linear and the memory bounded. A CR at the end of one
// block and an LF at the start of the next are one line end.
class IniDocument::Builder {
public:
    Builder(IniDocument& document, qsizetype maxLine) : document_(document), maxLine_(maxLine) {}

    void feed(QByteArrayView block) {
        while (!block.isEmpty()) {
            if (afterCr_) {
                afterCr_ = false;
                if (block.front() == '\n') {
                    block = block.sliced(1);
                    continue;
                }
            }
            const qsizetype end = lineEnd(block);
            if (end == block.size()) {
                take(block);
                return;
            }
            if (pending_.isEmpty() && !overlong_ && end <= maxLine_) {
                // A whole line inside the block goes straight in, uncopied.
                document_.addLine(block.first(end));
            } else {
                take(block.first(end));
                endLine();
            }
            afterCr_ = block[end] == '\r';
            block = block.sliced(end + 1);
        }
    }

    // The last line needs no line end.
    void finish() {
        if (overlong_ || !pending_.isEmpty())
            endLine();
        document_.finish();
    }

private:
    void take(QByteArrayView part) {
        if (overlong_ || part.isEmpty())
            return;
        if (part.size() > maxLine_ - pending_.size()) {
            overlong_ = true;
            pending_ = QByteArray();
            return;
        }
        pending_.append(part.data(), part.size());
    }

    void endLine() {
        if (overlong_)
            ++document_.skippedLines_;
        else
            document_.addLine(pending_);
        pending_.clear();
        overlong_ = false;
    }

    IniDocument& document_;
    const qsizetype maxLine_;
    QByteArray pending_;
    bool overlong_ = false;
    bool afterCr_ = false;
};

void IniDocument::addLine(QByteArrayView line) {
    // A line of the parsed bytes is used where it is; any other is added to
    // the end of the text (offsets stay valid if that copies the text).
    const auto at = reinterpret_cast<std::uintptr_t>(line.data());
    const auto begin = reinterpret_cast<std::uintptr_t>(text_.constData());
    qsizetype offset = 0;
    if (line.isEmpty()) {
        // nothing to keep
    } else if (line.size() <= text_.size() && at >= begin &&
               at - begin <= std::uintptr_t(text_.size() - line.size())) {
        offset = qsizetype(at - begin);
    } else {
        offset = text_.size();
        text_.append(line.data(), line.size());
    }
    lines_.push_back({offset, line.size()});
    const QByteArrayView content = trimIniBlanks(line);
    if (content.isEmpty() || content.front() != '[')
        return;
    if (!sections_.empty())
        sections_.back().end = int(lines_.size()) - 1;
    // The name ends at the last "]", so a label holding one keeps its section.
    qsizetype close = content.lastIndexOf(']');
    if (close < 0)
        close = content.size();
    const QByteArrayView name = content.sliced(1, close - 1);
    sections_.push_back({int(lines_.size()) - 1, int(lines_.size()),
                         {offset + (name.data() - line.data()), name.size()}});
    addSection(name);
}

void IniDocument::addSection(QByteArrayView name) {
    // The key goes to the end of keys_ and stays there only when it is new.
    const qsizetype at = keys_.size();
    if (isAscii(name)) // names are mostly ASCII, whose fold needs no decoding
        appendLowerAscii(keys_, name);
    else
        appendNameKey(keys_, decodeStoredText(name));
    const QByteArrayView key = QByteArrayView(keys_).sliced(at);
    const std::size_t hash = keyHash(key);
    const int found = insertName(hash);
    if (found >= 0) {
        keys_.truncate(at);
        ++names_[std::size_t(found)].count;
        sectionNames_.push_back(found);
        return;
    }
    sectionNames_.push_back(int(names_.size()));
    names_.push_back({{at, key.size()}, hash, 1, 0});
}

// The name whose key is the last one appended to keys_ (at names_.size()
// if it is new, whose slot is then taken), or -1 when it is new.
int IniDocument::insertName(std::size_t hash) {
    if ((names_.size() + 1) * 2 > slots_.size()) {
        std::vector<int> grown(std::max<std::size_t>(64, slots_.size() * 2), -1);
        const std::size_t mask = grown.size() - 1;
        for (std::size_t i = 0; i < names_.size(); ++i) {
            std::size_t at = names_[i].hash & mask;
            while (grown[at] >= 0)
                at = (at + 1) & mask;
            grown[at] = int(i);
        }
        slots_ = std::move(grown);
    }
    const std::size_t mask = slots_.size() - 1;
    const qsizetype keyAt = names_.empty() ? 0 : names_.back().key.offset + names_.back().key.size;
    const QByteArrayView key = QByteArrayView(keys_).sliced(keyAt);
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const int name = slots_[at];
        if (name < 0) {
            slots_[at] = int(names_.size());
            return -1;
        }
        const Name& candidate = names_[std::size_t(name)];
        if (candidate.hash == hash && nameKeyOf(name) == key)
            return name;
    }
}

void IniDocument::finish() {
    if (!sections_.empty())
        sections_.back().end = int(lines_.size());
    // Group the sections by name, each group in file order.
    int first = 0;
    for (Name& name : names_) {
        name.first = first;
        first += name.count;
    }
    std::vector<int> filled(names_.size(), 0);
    byName_.resize(sections_.size());
    for (std::size_t section = 0; section < sections_.size(); ++section) {
        const std::size_t name = std::size_t(sectionNames_[section]);
        byName_[std::size_t(names_[name].first + filled[name]++)] = int(section);
    }
    sectionNames_ = {};
}

QByteArrayView IniDocument::sectionName(int section) const {
    const Span span = sections_[std::size_t(section)].name;
    return QByteArrayView(text_.constData() + span.offset, span.size);
}

QByteArrayView IniDocument::nameKeyOf(int name) const {
    const Span span = names_[std::size_t(name)].key;
    return QByteArrayView(keys_.constData() + span.offset, span.size);
}

int IniDocument::findName(QByteArrayView key) const {
    if (slots_.empty())
        return -1;
    const std::size_t hash = keyHash(key);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
        const int name = slots_[at];
        if (name < 0)
            return -1;
        if (names_[std::size_t(name)].hash == hash && nameKeyOf(name) == key)
            return name;
    }
}

int IniDocument::sectionOf(int name, int occurrence) const {
    if (name < 0 || name >= nameCount() || occurrence < 0 ||
        occurrence >= names_[std::size_t(name)].count)
        return -1;
    return byName_[std::size_t(names_[std::size_t(name)].first + occurrence)];
}

IniDocument IniDocument::parse(const QByteArray& bytes, qsizetype maxLine) {
    IniDocument document;
    document.text_ = bytes;
    document.lines_.reserve(std::size_t(bytes.size() / 16)); // a guess: lines are short
    Builder builder(document, maxLine);
    builder.feed(document.text_);
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

} // namespace oxlin::store
