#include "app/shell/action_registry.h"

#include "app/shell/command_ids.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace oxlin::app {

namespace {

// Where a key works: a window key, one only shown beside its menu entry
// because the focused control (or nothing yet) handles it, or one that
// formats text and so only works while the editor has the focus (Ctrl+B in
// the tree must not bold a word the user cannot see selected).
enum class KeyScope { Window, ShownOnly, Editor };

struct Command {
    int id;
    const char* text;
    QKeyCombination key = QKeyCombination();
    KeyScope scope = KeyScope::Window;
};

const Command kCommands[] = {
    {cmd::NewNotebook, "&New...", Qt::CTRL | Qt::Key_N},
    {cmd::OpenNotebook, "&Open...", Qt::CTRL | Qt::Key_O},
    {cmd::Save, "&Save", Qt::CTRL | Qt::Key_S},
    {cmd::ImportFile, "File"},
    {cmd::ImportFolder, "Folder"},
    {cmd::Export, "E&xport...", Qt::CTRL | Qt::Key_R},
    {cmd::PageSetup, "Page Setup..."},
    {cmd::Print, "&Print...", Qt::CTRL | Qt::Key_P},
    {cmd::PrintPreview, "Print Preview..."},
    {cmd::ExportPdf, "Export as PDF..."},
    {cmd::Exit, "E&xit"},
    {cmd::Undo, "&Undo", Qt::CTRL | Qt::Key_Z, KeyScope::ShownOnly},
    {cmd::Redo, "&Redo", Qt::CTRL | Qt::Key_Y, KeyScope::ShownOnly},
    {cmd::Cut, "Cu&t", Qt::CTRL | Qt::Key_X, KeyScope::ShownOnly},
    {cmd::Copy, "&Copy", Qt::CTRL | Qt::Key_C, KeyScope::ShownOnly},
    {cmd::Paste, "&Paste", Qt::CTRL | Qt::Key_V, KeyScope::ShownOnly},
    {cmd::Find, "&Find...", Qt::CTRL | Qt::Key_F},
    {cmd::FindNext, "Find Next", Qt::Key_F3},
    {cmd::Replace, "R&eplace...", Qt::CTRL | Qt::Key_H},
    {cmd::WordWrap, "Word &Wrap", Qt::CTRL | Qt::Key_W},
    {cmd::LinkToFile, "to a File", Qt::Key_F5},
    {cmd::LinkToTopic, "to a Topic", Qt::Key_F4},
    {cmd::InsertTable, "Table"},
    {cmd::InsertPicture, "Picture", Qt::Key_F7},
    {cmd::InsertTextFile, "Text in a File", Qt::Key_F8},
    {cmd::ImportPopup, "Import"},
    {cmd::Font, "Font"},
    {cmd::Bold, "Bold", Qt::CTRL | Qt::Key_B, KeyScope::Editor},
    {cmd::Italic, "Italic", Qt::CTRL | Qt::Key_I, KeyScope::Editor},
    {cmd::Underline, "Underline", Qt::CTRL | Qt::Key_U, KeyScope::Editor},
    {cmd::TextColour, "Color"},
    {cmd::NumberedList, "enumerated list", Qt::CTRL | Qt::SHIFT | Qt::Key_7, KeyScope::Editor},
    {cmd::BulletList, "bullet list", Qt::CTRL | Qt::SHIFT | Qt::Key_8, KeyScope::Editor},
    {cmd::IndentLess, "Decrese indentation"},
    {cmd::IndentMore, "Increase indentation"},
    {cmd::AlignLeft, "Align left", Qt::CTRL | Qt::Key_L, KeyScope::Editor},
    {cmd::AlignCentre, "Center", Qt::CTRL | Qt::Key_E, KeyScope::Editor},
    {cmd::AlignRight, "Align right"},
    {cmd::InsertLink, "Insert a link"},
    {cmd::DropWindow, "Show DragDrop Window", Qt::Key_F9},
    {cmd::AlwaysOnTop, "Always on T&op", Qt::Key_F10},
    {cmd::KeyShortcuts, "Key Shortcut"},
    {cmd::Properties, "P&roperties"},
    {cmd::HelpTopics, "&Help Topics", Qt::Key_F1, KeyScope::ShownOnly},
    {cmd::About, "&About Oxlin..."},
    {cmd::SwitchFocus, "", Qt::Key_F6},
    // The tree's commands.
    {cmd::PasteFiles, "&Paste"},
    {cmd::NewFolder, "New Foloder"},
    {cmd::NewSubfolder, "New SubFolder"},
    {cmd::NewTopic, "New Topic"},
    {cmd::DeleteFolder, "Delete Catalog"},
    {cmd::DeleteTopic, "Delete Topic"},
    {cmd::LevelUp, "Level Up"},
    {cmd::LevelDown, "Level Down"},
    {cmd::MoveUp, "Move Up"},
    {cmd::MoveDown, "Move Down"},
    {cmd::Backward, "Back"},
    {cmd::Forward, "Forward"},
};

// The tree's commands carry their status-bar descriptions as tooltips.
const std::pair<int, const char*> kTips[] = {
    {cmd::NewTopic, "Create a new topic"},
    {cmd::NewFolder, "Create a new catalog"},
    {cmd::DeleteTopic, "Delete the current topic or catalog"},
    {cmd::DeleteFolder, "Delete the current catalog"},
    {cmd::NewSubfolder, "Create a new folder in the current catalog"},
    {cmd::LevelUp, "Decrease the hierarchy level"},
    {cmd::LevelDown, "Increase the hierarchy level"},
    {cmd::MoveUp, "Move the selected item up"},
    {cmd::MoveDown, "Move the selected item down"},
    {cmd::Backward, "Backward"},
    {cmd::Forward, "Forward"},
    // The toolbars' buttons.
    {cmd::NewNotebook, "Create a new notebook (Ctrl + N)"},
    {cmd::OpenNotebook, "Open an existing notebook (Ctrl + O)"},
    {cmd::Save, "Save the current notebook (Ctrl + S)"},
    {cmd::ImportPopup, "Import"},
    {cmd::Export, "Export"},
    {cmd::Cut, "Cut (Ctrl + X)"},
    {cmd::Copy, "Copy (Ctrl + C)"},
    {cmd::Paste, "Paste (Ctrl + V)"},
    {cmd::KeyShortcuts, "View keyboard shortcut"},
    {cmd::Print, "Print (Ctrl + P)"},
    {cmd::HelpTopics, "Help Topics (F1)"},
    {cmd::InsertTable, "Insert a table"},
    {cmd::InsertPicture, "Insert a picture (F7)"},
    {cmd::InsertTextFile, "Insert content from a TEXT file (F8)"},
    {cmd::Font, "Font"},
    {cmd::Bold, "Bold"},
    {cmd::Italic, "Italic"},
    {cmd::Underline, "Underline"},
    {cmd::TextColour, "Color"},
    {cmd::NumberedList, "enumerated list"},
    {cmd::BulletList, "bullet list"},
    {cmd::IndentLess, "Decrese indentation"},
    {cmd::IndentMore, "Increase indentation"},
    {cmd::AlignLeft, "Align left"},
    {cmd::AlignCentre, "Center"},
    {cmd::AlignRight, "Align right"},
    {cmd::InsertLink, "Insert a link (F5 : File-Link / F4 : Topic-Link)"},
};

// Icons from the desktop theme where it has them; the menus stay readable without.
const std::pair<int, const char*> kThemeIcons[] = {
    {cmd::NewNotebook, "document-new"}, {cmd::OpenNotebook, "document-open"},
    {cmd::Save, "document-save"},       {cmd::Print, "document-print"},
    {cmd::Exit, "application-exit"},    {cmd::Undo, "edit-undo"},
    {cmd::Redo, "edit-redo"},           {cmd::Cut, "edit-cut"},
    {cmd::Copy, "edit-copy"},           {cmd::Paste, "edit-paste"},
    {cmd::Find, "edit-find"},           {cmd::HelpTopics, "help-contents"},
    {cmd::About, "help-about"},         {cmd::Properties, "document-properties"},
};

} // namespace

ActionRegistry::ActionRegistry(Dispatch dispatch, QObject* parent)
    : QObject(parent), dispatch_(std::move(dispatch)) {
    for (const Command& c : kCommands) {
        QAction* act = make(c.id, QString::fromUtf8(c.text));
        if (c.key == QKeyCombination())
            continue;
        act->setShortcut(QKeySequence(c.key));
        // A shown-only key is bound to the menu it is listed in, where it
        // cannot take the key from the editor.
        act->setShortcutContext(c.scope == KeyScope::Window ? Qt::WindowShortcut
                                                            : Qt::WidgetShortcut);
        if (c.scope == KeyScope::Editor)
            editorKeys_.append(act);
    }
    for (int id : {cmd::WordWrap, cmd::AlwaysOnTop, cmd::DropWindow})
        actions_.value(id)->setCheckable(true);
    for (const auto& [id, tip] : kTips)
        actions_.value(id)->setToolTip(QString::fromUtf8(tip));
    for (const auto& [id, name] : kThemeIcons) {
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
        if (!icon.isNull())
            actions_.value(id)->setIcon(icon);
    }
}

QAction* ActionRegistry::make(int id, const QString& text) {
    auto* act = new QAction(text, this);
    act->setData(id);
    connect(act, &QAction::triggered, this, [this, id] {
        if (dispatch_)
            dispatch_(id);
    });
    actions_.insert(id, act);
    return act;
}

void ActionRegistry::setChecked(int id, bool checked) {
    if (QAction* act = actions_.value(id); act && act->isCheckable())
        act->setChecked(checked);
}

void ActionRegistry::setEnabled(int id, bool enabled) {
    if (QAction* act = actions_.value(id))
        act->setEnabled(enabled);
}

void ActionRegistry::addActions(QWidget* target, std::initializer_list<int> ids) {
    for (int id : ids) {
        if (id != 0) {
            target->addAction(actions_.value(id));
            continue;
        }
        auto* separator = new QAction(target);
        separator->setSeparator(true);
        target->addAction(separator);
    }
}

void ActionRegistry::buildMenuBar(QMenuBar* bar) {
    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    addActions(file, {cmd::NewNotebook, cmd::OpenNotebook, cmd::Save, 0});
    QMenu* import = file->addMenu(QStringLiteral("Import from..."));
    addActions(import, {cmd::ImportFile, cmd::ImportFolder});
    addActions(file, {cmd::Export, 0, cmd::PageSetup, cmd::Print, cmd::PrintPreview,
                      cmd::ExportPdf, 0, cmd::Exit});

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    addActions(edit, {cmd::Undo, cmd::Redo, 0, cmd::Cut, cmd::Copy, cmd::Paste, 0, cmd::Find,
                      cmd::FindNext, cmd::Replace, 0, cmd::WordWrap});

    QMenu* insert = bar->addMenu(QStringLiteral("&Insert"));
    QMenu* link = insert->addMenu(QStringLiteral("Link"));
    addActions(link, {cmd::LinkToFile, cmd::LinkToTopic});
    addActions(insert, {cmd::InsertTable, cmd::InsertPicture, 0, cmd::InsertTextFile});

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    addActions(view, {cmd::DropWindow, 0, cmd::AlwaysOnTop, 0, cmd::KeyShortcuts, 0, cmd::Properties});

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    addActions(help, {cmd::HelpTopics, 0, cmd::About});
}

QMenu* ActionRegistry::buildEditorContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    addActions(menu, {cmd::Undo, cmd::Redo, 0, cmd::Cut, cmd::Copy, cmd::Paste, 0, cmd::Find, 0,
                      cmd::WordWrap, 0, cmd::Properties});
    return menu;
}

QMenu* ActionRegistry::buildTreeContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    addActions(menu, {cmd::PasteFiles, 0, cmd::NewFolder, cmd::NewSubfolder, cmd::NewTopic, 0,
                      cmd::DeleteFolder, cmd::DeleteTopic, 0});
    // The tree names the menu's Export by its short name. The entry only
    // follows and triggers the one Export action, so there is still one
    // action to enable or disable.
    QAction* exportAction = actions_.value(cmd::Export);
    QAction* entry = menu->addAction(QStringLiteral("Export"));
    entry->setData(cmd::Export);
    entry->setEnabled(exportAction->isEnabled());
    connect(entry, &QAction::triggered, exportAction, &QAction::trigger);
    connect(exportAction, &QAction::enabledChanged, entry, &QAction::setEnabled);
    return menu;
}

void ActionRegistry::installEditorKeys(QWidget* editor) {
    for (QAction* act : std::as_const(editorKeys_))
        editor->addAction(act);
}

void ActionRegistry::installAccelerators(QWidget* window) {
    for (QAction* act : std::as_const(actions_))
        if (!act->shortcut().isEmpty() && act->shortcutContext() == Qt::WindowShortcut)
            window->addAction(act);
}

} // namespace oxlin::app
