#include "spelling/personal_words.h"

#include <QFile>
#include <QStringDecoder>

namespace oxlin::spelling {

namespace {

bool isWord(const QString& text) {
    if (text.isEmpty() || text.size() > kMaxWordLength)
        return false;
    for (const QChar c : text)
        if (c.isSpace() || c.category() == QChar::Other_Control)
            return false;
    return true;
}

} // namespace

bool PersonalWords::load() {
    words_.clear();
    skipped_ = 0;
    QFile file(path_);
    if (!file.exists())
        return true;
    if (!file.open(QIODevice::ReadOnly))
        return false;
    // Lines are read in pieces no longer than a word can be: a huge line
    // costs no memory, only the time to pass over it.
    constexpr qint64 kPiece = 4 * kMaxWordLength + 2;
    char buffer[kPiece + 1];
    bool inLongLine = false;
    while (!file.atEnd()) {
        const qint64 length = file.readLine(buffer, sizeof buffer);
        if (length <= 0)
            break;
        const bool complete = buffer[length - 1] == '\n' || file.atEnd();
        if (inLongLine || !complete) {
            if (!inLongLine)
                ++skipped_;
            inLongLine = !complete;
            continue;
        }
        QByteArrayView line(buffer, length);
        while (!line.isEmpty() && (line.back() == '\n' || line.back() == '\r'))
            line.chop(1);
        if (line.isEmpty())
            continue;
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString word = utf8.decode(line);
        if (utf8.hasError() || !isWord(word)) {
            ++skipped_;
            continue;
        }
        words_.insert(word);
    }
    return true;
}

bool PersonalWords::add(const QString& word) {
    if (!isWord(word))
        return false;
    if (words_.contains(word))
        return true;
    words_.insert(word);
    QFile file(path_);
    if (!file.open(QIODevice::ReadWrite | QIODevice::Append))
        return false;
    QByteArray line = word.toUtf8() + '\n';
    // A list edited by hand may lack its last line break.
    if (file.size() > 0 && file.seek(file.size() - 1) && file.peek(1) != "\n")
        line.prepend('\n');
    return file.write(line) == line.size() && file.flush();
}

} // namespace oxlin::spelling
