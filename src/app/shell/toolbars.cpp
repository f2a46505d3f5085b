#include "app/shell/toolbars.h"

#include "app/base/action_registry.h"
#include "app/base/command_ids.h"
#include "app/base/toolbar_icons.h"
#include "app/editor/editor_host.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QToolBar>

namespace oxlin::app {

namespace {

QToolBar* makeBar(QMainWindow& window, const char* name, const QString& title) {
    auto* bar = new QToolBar(title, &window);
    bar->setObjectName(QString::fromLatin1(name));
    bar->setIconSize(QSize(16, 16));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // The bars stay where they are, as one fixed band under the menu.
    bar->setMovable(false);
    bar->setFloatable(false);
    window.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void giveIcons(ActionRegistry& actions, std::initializer_list<int> ids) {
    for (int id : ids) {
        QAction* act = actions.action(id);
        if (act && act->icon().isNull())
            act->setIcon(toolbarIcon(id));
    }
}

} // namespace

Toolbars buildToolbars(QMainWindow& window, ActionRegistry& actions, EditorHost& editor) {
    Toolbars bars;
    bars.main =
        makeBar(window, "mainToolBar", QCoreApplication::translate("oxlin::app::Toolbars", "Main"));
    const auto mainIds = {cmd::NewNotebook, cmd::OpenNotebook, cmd::Save,  0,
                          cmd::ImportPopup, cmd::Export,       0,          cmd::Cut,
                          cmd::Copy,        cmd::Paste,        0,          cmd::KeyShortcuts,
                          0,                cmd::Print,        0,          cmd::HelpTopics};
    giveIcons(actions, mainIds);
    actions.addActions(bars.main, mainIds);

    bars.format = makeBar(window, "formatToolBar",
                          QCoreApplication::translate("oxlin::app::Toolbars", "Format"));
    const auto formatIds = {
        cmd::NewFolder,    cmd::NewSubfolder, cmd::NewTopic,   cmd::DeleteTopic, 0,
        cmd::LevelUp,      cmd::LevelDown,    cmd::MoveUp,     cmd::MoveDown,    0,
        cmd::Backward,     cmd::Forward,      0,               cmd::Font,        cmd::Bold,
        cmd::Italic,       cmd::Underline,    cmd::TextColour, 0,                cmd::BulletList,
        cmd::NumberedList, cmd::IndentLess,   cmd::IndentMore, 0,                cmd::AlignLeft,
        cmd::AlignCentre,  cmd::AlignRight,   0,               cmd::InsertLink,  cmd::InsertPicture,
        cmd::InsertTable};
    giveIcons(actions, formatIds);
    actions.addActions(bars.format, formatIds);
    // Commands with no button still get their picture for menus that show them.
    giveIcons(actions, {cmd::InsertTextFile});

    const auto enableEditing = [&actions](bool on) {
        for (int id : kEditingGroup)
            actions.setEnabled(id, on);
    };
    enableEditing(editor.isOpen());
    QObject::connect(&editor, &EditorHost::editingAvailableChanged, bars.format, enableEditing);
    return bars;
}

} // namespace oxlin::app
