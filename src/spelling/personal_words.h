#pragma once

// The user's own words: accepted by every dictionary, kept one a line in
// UTF-8 in a file of the data folder, so every notebook shares them and they
// survive a restart. A line that is not a word (invalid UTF-8, blank inside,
// or longer than any word) is skipped and counted, never fatal.

#include <QSet>
#include <QString>

namespace oxlin::spelling {

inline constexpr char kPersonalWordsFileName[] = "PersonalWords.txt";
inline constexpr qsizetype kMaxWordLength = 100;

class PersonalWords {
public:
    PersonalWords() = default;
    explicit PersonalWords(QString path) : path_(std::move(path)) {}

    // Reads the file; a missing file is an empty list. False when it exists
    // but cannot be read.
    bool load();
    bool contains(const QString& word) const { return words_.contains(word); }
    // Adds the word and appends it to the file; false when it could not be written.
    bool add(const QString& word);

    qsizetype size() const { return words_.size(); }
    int skippedLines() const { return skipped_; }
    const QString& path() const { return path_; }

private:
    QString path_;
    QSet<QString> words_;
    int skipped_ = 0;
};

} // namespace oxlin::spelling
