#pragma once

// Spelling in the main window's editor: the dictionaries of the system and
// of the data folder's "Dictionaries", the word list in the data folder, the
// marks, the context menu's entries, Tools > Spelling and its Shift+F7.

#include <QObject>

#include <memory>

namespace oxlin::store {
class ProfileService;
}

namespace oxlin::app {

class MainWindow;
class SpellService;
class SpellingMarks;
class SpellingMenus;

class EditorSpelling final : public QObject {
    Q_OBJECT
public:
    static constexpr char kDictionariesFolderName[] = "Dictionaries";

    EditorSpelling(MainWindow& window, store::ProfileService& profiles, const QString& dataFolder,
                   const QString& settingsFile, QObject* parent = nullptr);
    ~EditorSpelling() override;

    SpellService& service() { return *service_; }
    SpellingMarks& marks() { return *marks_; }

private:
    std::unique_ptr<SpellService> service_;
    std::unique_ptr<SpellingMarks> marks_;
    std::unique_ptr<SpellingMenus> menus_;
};

} // namespace oxlin::app
