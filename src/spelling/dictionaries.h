#pragma once

// The Hunspell dictionaries a user has: a dictionary is an ".aff" file with
// the ".dic" file of the same name beside it (en_US.aff, en_US.dic).

#include <QLocale>
#include <QString>
#include <QStringList>

#include <vector>

namespace oxlin::spelling {

struct DictionaryInfo {
    QString name; // the file's base name: "en_US", "de_DE_frami"
    QString affPath;
    QString dicPath;
    // The language in its own words ("English (United States)"), or the name.
    QString languageName() const;
    QLocale locale() const;
};

struct DictionaryScan {
    std::vector<DictionaryInfo> dictionaries; // by name, the first folder's first
    QStringList incomplete;                   // ".aff" files without their ".dic"
};

// The folders the desktop's dictionaries are in.
QStringList systemDictionaryFolders();
// The dictionaries in `folders`; a name found twice is taken from the first folder.
DictionaryScan findDictionaries(const QStringList& folders);
// The dictionary for `locale`: its own name (de_DE), else one of its language
// (de_AT for de_DE), else the first English one; -1 when there is none.
int dictionaryFor(const std::vector<DictionaryInfo>& dictionaries, const QLocale& locale);

} // namespace oxlin::spelling
