#include "spelling/dictionaries.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace oxlin::spelling {

QLocale DictionaryInfo::locale() const {
    // "de_DE_frami", "en_US-large": the locale is the first two parts.
    const QStringList parts = QString(name).replace(u'-', u'_').split(u'_');
    return QLocale(parts.mid(0, 2).join(u'_'));
}

QString DictionaryInfo::languageName() const {
    const QLocale language = locale();
    if (language.language() == QLocale::C)
        return name;
    QString text = language.nativeLanguageName();
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    // "American English" names its country already; "Deutsch" gets "(Deutschland)".
    if (name.contains(u'_') && language.territory() != QLocale::AnyTerritory &&
        !text.contains(u' '))
        text += QStringLiteral(" (%1)").arg(language.nativeTerritoryName());
    return text.isEmpty() ? name : text;
}

QStringList systemDictionaryFolders() {
    return {QStringLiteral("/usr/share/hunspell"), QStringLiteral("/usr/local/share/hunspell")};
}

DictionaryScan findDictionaries(const QStringList& folders) {
    DictionaryScan scan;
    QSet<QString> seen;
    for (const QString& folder : folders) {
        const QFileInfoList affixes =
            QDir(folder).entryInfoList({QStringLiteral("*.aff")}, QDir::Files | QDir::Readable,
                                       QDir::Name);
        for (const QFileInfo& aff : affixes) {
            const QString name = aff.completeBaseName();
            const QFileInfo dic(aff.dir().filePath(name + QStringLiteral(".dic")));
            if (!dic.isFile() || !dic.isReadable()) {
                scan.incomplete << aff.filePath();
                continue;
            }
            if (seen.contains(name))
                continue;
            seen.insert(name);
            scan.dictionaries.push_back({name, aff.filePath(), dic.filePath()});
        }
    }
    std::sort(scan.dictionaries.begin(), scan.dictionaries.end(),
              [](const DictionaryInfo& a, const DictionaryInfo& b) { return a.name < b.name; });
    return scan;
}

int dictionaryFor(const std::vector<DictionaryInfo>& dictionaries, const QLocale& locale) {
    const auto find = [&](const auto& matches) {
        const auto it = std::find_if(dictionaries.begin(), dictionaries.end(), matches);
        return it == dictionaries.end() ? -1 : int(it - dictionaries.begin());
    };
    const QString wanted = locale.name(); // "de_DE"
    if (const int exact = find([&](const DictionaryInfo& d) { return d.name == wanted; }); exact >= 0)
        return exact;
    if (const int language = find([&](const DictionaryInfo& d) {
            return d.locale().language() == locale.language();
        });
        language >= 0)
        return language;
    // Without a dictionary of their own language, English checks what people
    // write in English only where their own words cannot be taken for
    // misspelt English: scripts written without spaces, which are never
    // checked. A German or French text would be marked from end to end.
    const QLocale::Script script = locale.script();
    const bool ownWordsUnchecked =
        locale.language() == QLocale::C || script == QLocale::SimplifiedHanScript ||
        script == QLocale::TraditionalHanScript || script == QLocale::HanScript ||
        script == QLocale::JapaneseScript || script == QLocale::KoreanScript ||
        script == QLocale::HangulScript || script == QLocale::ThaiScript;
    if (!ownWordsUnchecked)
        return -1;
    return find([](const DictionaryInfo& d) { return d.locale().language() == QLocale::English; });
}

} // namespace oxlin::spelling
