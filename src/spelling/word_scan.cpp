#include "spelling/word_scan.h"

#include "core/tree/links.h"
#include "spelling/speller.h"

#include <QString>
#include <QTextBoundaryFinder>

namespace oxlin::spelling {

namespace {

bool isApostrophe(QChar c) { return c == u'\'' || c == u'\u2019'; }

// A run of text between blanks that names something rather than says it: a
// path, an address, a file or domain name (a dot with a letter after it).
bool namesSomething(QStringView token) {
    while (!token.isEmpty() && !token.back().isLetterOrNumber())
        token.chop(1);
    if (token.contains(u'/') || token.contains(u'\\') || token.contains(u'@') ||
        token.startsWith(u'~'))
        return true;
    const qsizetype dot = token.indexOf(u'.');
    return dot > 0 && dot + 1 < token.size() && token[dot + 1].isLetterOrNumber();
}

// Marks the characters no word may be checked in.
std::vector<bool> excludedCharacters(QStringView text) {
    std::vector<bool> excluded(size_t(text.size()), false);
    for (const tree::LinkSpan& link : tree::findLinks(text))
        std::fill_n(excluded.begin() + link.start, link.length, true);
    qsizetype start = 0;
    while (start < text.size()) {
        while (start < text.size() && text[start].isSpace())
            ++start;
        qsizetype end = start;
        while (end < text.size() && !text[end].isSpace())
            ++end;
        if (end > start && namesSomething(text.sliced(start, end - start)))
            std::fill(excluded.begin() + start, excluded.begin() + end, true);
        start = end;
    }
    return excluded;
}

// Chinese, Japanese, Korean, Thai and their neighbours run words together
// without spaces; no dictionary we load can check them, so they are never
// taken for misspelt words of another language.
bool writtenWithoutSpaces(QChar c) {
    switch (c.script()) {
    case QChar::Script_Han:
    case QChar::Script_Hiragana:
    case QChar::Script_Katakana:
    case QChar::Script_Hangul:
    case QChar::Script_Bopomofo:
    case QChar::Script_Thai:
    case QChar::Script_Lao:
    case QChar::Script_Khmer:
    case QChar::Script_Myanmar:
        return true;
    default:
        return false;
    }
}

bool isChecked(QStringView word) {
    bool hasLetter = false;
    bool hasLower = false;
    for (const QChar c : word) {
        if (c.isDigit() || writtenWithoutSpaces(c))
            return false;
        if (c.isLetter()) {
            hasLetter = true;
            hasLower = hasLower || !c.isUpper();
        }
    }
    // One capital alone ("I", "A") is a word; more are an acronym.
    return hasLetter && (hasLower || word.size() == 1);
}

} // namespace

std::vector<WordSpan> checkedWords(QStringView text) {
    std::vector<WordSpan> words;
    if (text.isEmpty())
        return words;
    const std::vector<bool> excluded = excludedCharacters(text);
    const QString copy = text.toString(); // the finder keeps a pointer into its text
    QTextBoundaryFinder finder(QTextBoundaryFinder::Word, copy);
    qsizetype start = 0;
    while (finder.toNextBoundary() >= 0) {
        const qsizetype end = finder.position();
        qsizetype first = start;
        qsizetype last = end;
        start = end;
        while (first < last && isApostrophe(copy[first]))
            ++first;
        while (last > first && isApostrophe(copy[last - 1]))
            --last;
        if (last == first || excluded[size_t(first)])
            continue;
        const QStringView word = QStringView(copy).sliced(first, last - first);
        if (isChecked(word))
            words.push_back({int(first), int(last - first)});
    }
    return words;
}

std::vector<WordSpan> misspeltWords(QStringView text,
                                    const std::function<bool(const QString&)>& isCorrect) {
    std::vector<WordSpan> misspelt;
    for (const WordSpan& word : checkedWords(text))
        if (!isCorrect(text.sliced(word.start, word.length).toString()))
            misspelt.push_back(word);
    return misspelt;
}

std::vector<WordSpan> misspeltWords(QStringView text, const Speller& speller) {
    return misspeltWords(text, [&speller](const QString& word) { return speller.isCorrect(word); });
}

} // namespace oxlin::spelling
