#pragma once

// Spelling as the editor uses it: the installed dictionaries, the one in use
// (loaded away from the window, so a large dictionary never holds up a key),
// the user's word list, and the choices the user keeps across restarts.

#include "spelling/dictionaries.h"
#include "spelling/personal_words.h"
#include "spelling/word_scan.h"

#include <QHash>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

namespace oxlin::spelling {
class Speller;
}

namespace oxlin::app {

class SpellService final : public QObject {
    Q_OBJECT
public:
    // Where the choices are kept between runs (the program's settings file).
    struct Settings {
        std::function<QString(const QString& key, const QString& fallback)> read;
        std::function<void(const QString& key, const QString& value)> write;
    };
    static constexpr char kEnabledKey[] = "SpellCheck";
    static constexpr char kDictionaryKey[] = "SpellDictionary";

    // Looks for dictionaries in `folders` (the first wins a name found
    // twice) and keeps the user's words in `personalWordsPath`.
    SpellService(QStringList folders, const QString& personalWordsPath, Settings settings,
                 QObject* parent = nullptr);
    ~SpellService() override;

    const std::vector<spelling::DictionaryInfo>& dictionaries() const { return dictionaries_; }
    QString dictionaryName() const { return chosen_; }
    void chooseDictionary(const QString& name);
    bool isEnabled() const { return enabled_; }
    void setEnabled(bool on);
    // Checking as the user types: on, and a dictionary loaded.
    bool isActive() const { return enabled_ && speller_ != nullptr; }

    std::vector<spelling::WordSpan> misspelt(QStringView paragraph) const;
    bool isMisspelt(const QString& word) const;
    QStringList suggestions(const QString& word) const;
    void ignore(const QString& word);
    bool addToDictionary(const QString& word);

Q_SIGNALS:
    // What is misspelt may have changed: marks are drawn again.
    void marksChanged();
    // Something the user should hear of once (a damaged dictionary, bad
    // lines in the word list).
    void problem(const QString& text);

private:
    void load(const spelling::DictionaryInfo& dictionary);
    // Said from the event loop, once whoever listens is connected.
    void tellLater(const QString& text);

    std::vector<spelling::DictionaryInfo> dictionaries_;
    spelling::PersonalWords personal_;
    Settings settings_;
    QString chosen_;
    bool enabled_ = true;
    std::shared_ptr<spelling::Speller> speller_;
    // What the speller said of each word lately: a key rechecks the words on
    // screen, nearly all of them answered before.
    mutable QHash<QString, bool> known_;
    int loading_ = 0; // which load is the latest; an older one finishing is dropped
};

} // namespace oxlin::app
