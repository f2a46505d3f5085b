#include "app/editor/spell_service.h"

#include "spelling/speller.h"

#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

namespace oxlin::app {

namespace {

struct Loaded {
    std::shared_ptr<spelling::Speller> speller;
    QString error;
};

} // namespace

SpellService::SpellService(QStringList folders, const QString& personalWordsPath,
                           Settings settings, QObject* parent)
    : QObject(parent), personal_(personalWordsPath), settings_(std::move(settings)) {
    const spelling::DictionaryScan scan = spelling::findDictionaries(folders);
    dictionaries_ = scan.dictionaries;
    if (!scan.incomplete.isEmpty())
        tellLater(tr("%n dictionary file(s) without a .dic file beside them left out: %1", nullptr,
                     int(scan.incomplete.size()))
                      .arg(scan.incomplete.join(QStringLiteral(", "))));
    enabled_ = settings_.read(QLatin1String(kEnabledKey), QStringLiteral("1")) != u'0';
    if (!personal_.load())
        tellLater(tr("The word list %1 could not be read.").arg(personal_.path()));
    else if (personal_.skippedLines() > 0)
        tellLater(tr("%n line(s) of the word list %1 hold no word and were left out.", nullptr,
                          personal_.skippedLines())
                           .arg(personal_.path()));
    const QString kept = settings_.read(QLatin1String(kDictionaryKey), QString());
    int index = -1;
    for (size_t i = 0; i < dictionaries_.size() && index < 0; ++i)
        if (dictionaries_[i].name == kept)
            index = int(i);
    if (index < 0)
        index = spelling::dictionaryFor(dictionaries_, QLocale::system());
    if (index >= 0) {
        chosen_ = dictionaries_[size_t(index)].name;
        load(dictionaries_[size_t(index)]);
    }
}

SpellService::~SpellService() = default;

void SpellService::tellLater(const QString& text) {
    QMetaObject::invokeMethod(this, [this, text] { Q_EMIT problem(text); }, Qt::QueuedConnection);
}

void SpellService::load(const spelling::DictionaryInfo& dictionary) {
    const int ticket = ++loading_;
    auto* watcher = new QFutureWatcher<Loaded>(this);
    connect(watcher, &QFutureWatcher<Loaded>::finished, this, [this, watcher, ticket] {
        watcher->deleteLater();
        Loaded loaded = watcher->result();
        if (ticket != loading_)
            return;
        if (!loaded.speller) {
            Q_EMIT problem(tr("The dictionary could not be loaded: %1.").arg(loaded.error));
            return;
        }
        speller_ = std::move(loaded.speller);
        // Our own names are no misspellings.
        for (const char* name : {"Oxlin", "Vistelo", "oxlin"})
            speller_->ignore(QLatin1String(name));
        known_.clear();
        Q_EMIT marksChanged();
    });
    const spelling::PersonalWords* personal = &personal_;
    watcher->setFuture(QtConcurrent::run([dictionary, personal] {
        QString error;
        std::unique_ptr<spelling::Speller> speller =
            spelling::Speller::load(dictionary, personal, &error);
        return Loaded{std::shared_ptr<spelling::Speller>(std::move(speller)), error};
    }));
}

void SpellService::chooseDictionary(const QString& name) {
    for (const spelling::DictionaryInfo& dictionary : dictionaries_) {
        if (dictionary.name != name || name == chosen_)
            continue;
        chosen_ = name;
        settings_.write(QLatin1String(kDictionaryKey), name);
        speller_.reset();
        Q_EMIT marksChanged();
        load(dictionary);
    }
}

void SpellService::setEnabled(bool on) {
    if (on == enabled_)
        return;
    enabled_ = on;
    settings_.write(QLatin1String(kEnabledKey), on ? QStringLiteral("1") : QStringLiteral("0"));
    Q_EMIT marksChanged();
}

std::vector<spelling::WordSpan> SpellService::misspelt(QStringView paragraph) const {
    if (!isActive())
        return {};
    return spelling::misspeltWords(paragraph,
                                   [this](const QString& word) { return !isMisspelt(word); });
}

bool SpellService::isMisspelt(const QString& word) const {
    if (!isActive())
        return false;
    constexpr qsizetype kKnownWords = 50'000;
    if (const auto it = known_.constFind(word); it != known_.constEnd())
        return !*it;
    if (known_.size() >= kKnownWords)
        known_.clear();
    const bool correct = speller_->isCorrect(word);
    known_.insert(word, correct);
    return !correct;
}

QStringList SpellService::suggestions(const QString& word) const {
    return speller_ ? speller_->suggestions(word, 7) : QStringList();
}

void SpellService::ignore(const QString& word) {
    if (!speller_)
        return;
    speller_->ignore(word);
    known_.remove(word);
    Q_EMIT marksChanged();
}

bool SpellService::addToDictionary(const QString& word) {
    const bool written = personal_.add(word);
    known_.remove(word);
    if (!written)
        Q_EMIT problem(tr("\"%1\" could not be added to the word list %2.").arg(word, personal_.path()));
    Q_EMIT marksChanged();
    return written;
}

} // namespace oxlin::app
