#include "spelling/speller.h"

#include "spelling/dictionary_encoding.h"
#include "spelling/personal_words.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <hunspell.hxx>

namespace oxlin::spelling {

namespace {

// Hunspell reads what it is given without a word on failure: what it cannot
// read must be found before it is handed over.
QString unreadable(const DictionaryInfo& dictionary) {
    for (const QString& path : {dictionary.affPath, dictionary.dicPath}) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return QCoreApplication::translate("oxlin::spelling::Speller", "%1 cannot be read")
                .arg(path);
        if (file.size() == 0)
            return QCoreApplication::translate("oxlin::spelling::Speller", "%1 is empty").arg(path);
    }
    // A ".dic" file starts with its word count.
    QFile dic(dictionary.dicPath);
    dic.open(QIODevice::ReadOnly);
    bool counted = false;
    dic.readLine(64).trimmed().toLongLong(&counted);
    if (!counted)
        return QCoreApplication::translate("oxlin::spelling::Speller",
                                           "%1 does not start with its word count")
            .arg(dictionary.dicPath);
    return {};
}

} // namespace

std::unique_ptr<Speller> Speller::load(const DictionaryInfo& dictionary,
                                       const PersonalWords* personal, QString* error) {
    if (const QString why = unreadable(dictionary); !why.isEmpty()) {
        if (error)
            *error = why;
        return nullptr;
    }
    auto engine = std::make_unique<Hunspell>(QFile::encodeName(dictionary.affPath).constData(),
                                             QFile::encodeName(dictionary.dicPath).constData());
    auto encoding = std::make_unique<DictionaryEncoding>(engine->get_dict_encoding());
    return std::unique_ptr<Speller>(
        new Speller(dictionary, std::move(engine), std::move(encoding), personal));
}

Speller::Speller(DictionaryInfo dictionary, std::unique_ptr<Hunspell> engine,
                 std::unique_ptr<DictionaryEncoding> encoding, const PersonalWords* personal)
    : dictionary_(std::move(dictionary)), engine_(std::move(engine)),
      encoding_(std::move(encoding)), personal_(personal) {}

Speller::~Speller() = default;

bool Speller::isCorrect(const QString& word) const {
    if (ignored_.contains(word) || (personal_ && personal_->contains(word)))
        return true;
    const std::optional<std::string> bytes = encoding_->encode(word);
    // A word in letters the dictionary has no place for is not its to judge.
    if (!bytes)
        return true;
    return engine_->spell(*bytes);
}

QStringList Speller::suggestions(const QString& word, int count) const {
    const std::optional<std::string> bytes = encoding_->encode(word);
    if (!bytes)
        return {};
    QStringList found;
    for (const std::string& suggestion : engine_->suggest(*bytes)) {
        if (found.size() >= count)
            break;
        if (const QString text = encoding_->decode(suggestion); !text.isEmpty())
            found << text;
    }
    return found;
}

} // namespace oxlin::spelling
