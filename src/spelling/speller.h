#pragma once

// One loaded dictionary, with the user's words and the words ignored for
// this run. Loading reads the whole dictionary (a second or less for the
// large ones): callers load it once and keep it.

#include "spelling/dictionaries.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class Hunspell;

namespace oxlin::spelling {

class DictionaryEncoding;
class PersonalWords;

class Speller {
public:
    // Nothing, and `error` says why, when the files cannot be read or hold
    // no dictionary. `personal` (borrowed, may be null) outlives the speller.
    static std::unique_ptr<Speller> load(const DictionaryInfo& dictionary,
                                         const PersonalWords* personal, QString* error);
    ~Speller();

    const DictionaryInfo& dictionary() const { return dictionary_; }
    bool isCorrect(const QString& word) const;
    // At most `count` suggestions, the dictionary's best first.
    QStringList suggestions(const QString& word, int count = 7) const;
    void ignore(const QString& word) { ignored_.insert(word); }

private:
    Speller(DictionaryInfo dictionary, std::unique_ptr<Hunspell> engine,
            std::unique_ptr<DictionaryEncoding> encoding, const PersonalWords* personal);

    DictionaryInfo dictionary_;
    std::unique_ptr<Hunspell> engine_;
    std::unique_ptr<DictionaryEncoding> encoding_;
    const PersonalWords* personal_;
    QSet<QString> ignored_;
};

} // namespace oxlin::spelling
