#pragma once

// Which words of a paragraph are checked, and which of those are misspelt.
// Not checked: links, file paths and names ("notes.txt", "~/a/b"), mail
// addresses, words with digits ("B2B", "mp3"), and words in capitals
// (acronyms such as "NASA").

#include <QStringView>

#include <functional>
#include <vector>

namespace oxlin::spelling {

class Speller;

struct WordSpan {
    int start = 0;
    int length = 0;
    friend bool operator==(const WordSpan&, const WordSpan&) = default;
};

std::vector<WordSpan> checkedWords(QStringView text);
// The checked words `isCorrect` refuses.
std::vector<WordSpan> misspeltWords(QStringView text,
                                    const std::function<bool(const QString&)>& isCorrect);
std::vector<WordSpan> misspeltWords(QStringView text, const Speller& speller);

} // namespace oxlin::spelling
