#include "app/shell/editor_spelling.h"

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/base/command_router.h"
#include "app/editor/editor_host.h"
#include "app/editor/spell_service.h"
#include "app/editor/spelling_marks.h"
#include "app/editor/spelling_menus.h"
#include "app/editor/topic_text_edit.h"
#include "app/shell/main_window.h"
#include "core/paths/notebook_paths.h"
#include "core/store/profile.h"
#include "spelling/personal_words.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace oxlin::app {

EditorSpelling::EditorSpelling(MainWindow& window, store::ProfileService& profiles,
                               const QString& dataFolder, const QString& settingsFile,
                               QObject* parent)
    : QObject(parent) {
    const QString section = QLatin1String(paths::kSettingsSection);
    SpellService::Settings settings{
        [&profiles, settingsFile, section](const QString& key, const QString& fallback) {
            return profiles.readString(settingsFile, section, key, fallback);
        },
        [&profiles, settingsFile, section](const QString& key, const QString& value) {
            profiles.writeString(settingsFile, section, key, value);
        }};
    const QDir data(dataFolder);
    service_ = std::make_unique<SpellService>(
        QStringList{data.filePath(QLatin1String(kDictionariesFolderName))} +
            spelling::systemDictionaryFolders(),
        data.filePath(QLatin1String(spelling::kPersonalWordsFileName)), settings);
    connect(service_.get(), &SpellService::problem, &window, &MainWindow::showStatusNote);

    TopicTextEdit* edit = window.editorHost().editor();
    marks_ = std::make_unique<SpellingMarks>(edit, *service_);
    menus_ = std::make_unique<SpellingMenus>(edit, *service_);
    window.editorHost().setContextMenuExtras([this](QMenu& menu, const QPoint& at) {
        menus_->addWordEntries(menu, at);
    });
    QAction* toggle = window.actions().action(cmd::SpellCheck);
    if (auto* menu = window.menuBar()->findChild<QMenu*>(QStringLiteral("spellingMenu")))
        menus_->attach(menu, toggle);
    window.router().setMenuHandler(cmd::SpellCheck, [this, toggle] {
        service_->setEnabled(!service_->isEnabled());
        toggle->setChecked(service_->isEnabled());
    });
}

EditorSpelling::~EditorSpelling() = default;

} // namespace oxlin::app
