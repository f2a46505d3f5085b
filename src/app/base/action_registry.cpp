#include "app/base/action_registry.h"

#include "app/base/command_ids.h"

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

// The texts are marked in the registry's translation context and translated
// when the actions are made.
const Command kCommands[] = {
    {cmd::NewNotebook, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&New..."),
     Qt::CTRL | Qt::Key_N},
    {cmd::OpenNotebook, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Open..."),
     Qt::CTRL | Qt::Key_O},
    {cmd::Save, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Save"), Qt::CTRL | Qt::Key_S},
    {cmd::ImportFile, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "File")},
    {cmd::ImportFolder, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Folder")},
    {cmd::Export, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "E&xport..."),
     Qt::CTRL | Qt::Key_R},
    {cmd::PageSetup, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Page Setup...")},
    {cmd::Print, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Print..."),
     Qt::CTRL | Qt::Key_P},
    {cmd::PrintPreview, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Print Preview...")},
    {cmd::ExportPdf, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Export as PDF...")},
    {cmd::ExportWebPages, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Web Pages...")},
    {cmd::ExportMarkdown, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Markdown...")},
    {cmd::ExportNotebookPdf, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "PDF...")},
    {cmd::ImportMarkdown, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Import Markdown...")},
    {cmd::ImportMarkdownFolder,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Import Markdown Folder...")},
    {cmd::Exit, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "E&xit")},
    {cmd::Undo, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Undo"), Qt::CTRL | Qt::Key_Z,
     KeyScope::ShownOnly},
    // Ctrl+Y is bound to the editor: text fields redo on it only on some desktops.
    {cmd::Redo, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Redo"), Qt::CTRL | Qt::Key_Y,
     KeyScope::Editor},
    {cmd::Cut, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Cu&t"), Qt::CTRL | Qt::Key_X,
     KeyScope::ShownOnly},
    {cmd::Copy, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Copy"), Qt::CTRL | Qt::Key_C,
     KeyScope::ShownOnly},
    {cmd::Paste, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Paste"), Qt::CTRL | Qt::Key_V,
     KeyScope::ShownOnly},
    {cmd::Find, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Find..."), Qt::CTRL | Qt::Key_F},
    {cmd::FindNext, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Find Next"), Qt::Key_F3},
    {cmd::Replace, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "R&eplace..."),
     Qt::CTRL | Qt::Key_H},
    {cmd::WordWrap, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Word &Wrap"),
     Qt::CTRL | Qt::Key_W},
    {cmd::LinkToFile, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "to a File"), Qt::Key_F5},
    {cmd::LinkToTopic, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "to a Topic"), Qt::Key_F4},
    {cmd::LinkToWeb, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "to a Web Address..."),
     Qt::CTRL | Qt::Key_K},
    {cmd::InsertTable, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Table")},
    {cmd::InsertPicture, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Picture"), Qt::Key_F7},
    {cmd::InsertTextFile, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Text in a File"),
     Qt::Key_F8},
    {cmd::ImportPopup, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Import")},
    {cmd::Font, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Font")},
    {cmd::Bold, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Bold"), Qt::CTRL | Qt::Key_B,
     KeyScope::Editor},
    {cmd::Italic, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Italic"), Qt::CTRL | Qt::Key_I,
     KeyScope::Editor},
    {cmd::Underline, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Underline"),
     Qt::CTRL | Qt::Key_U, KeyScope::Editor},
    {cmd::TextColour, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Color")},
    {cmd::NumberedList, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Numbered List"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_7, KeyScope::Editor},
    {cmd::BulletList, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Bulleted List"),
     Qt::CTRL | Qt::SHIFT | Qt::Key_8, KeyScope::Editor},
    {cmd::IndentLess, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Decrese indentation")},
    {cmd::IndentMore, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Increase indentation")},
    {cmd::AlignLeft, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Align left"),
     Qt::CTRL | Qt::Key_L, KeyScope::Editor},
    {cmd::AlignCentre, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Center"),
     Qt::CTRL | Qt::Key_E, KeyScope::Editor},
    {cmd::AlignRight, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Align right")},
    {cmd::InsertLink, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Insert a link")},
    // The side pane's tabs from the keyboard.
    {cmd::ShowTopicsPanel, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Topics"),
     Qt::CTRL | Qt::Key_1},
    {cmd::ShowIndexPanel, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Index"),
     Qt::CTRL | Qt::Key_2},
    {cmd::ShowSearchPanel, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Search"),
     Qt::CTRL | Qt::Key_3},
    {cmd::SpellCheck,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Check Spelling as You Type"),
     Qt::SHIFT | Qt::Key_F7},
    {cmd::DropWindow, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Show DragDrop Window"),
     Qt::Key_F9},
    {cmd::AlwaysOnTop, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Always on T&op"),
     Qt::Key_F10},
    {cmd::KeyShortcuts, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Key Shortcut")},
    {cmd::Properties, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "P&roperties")},
    {cmd::HelpTopics, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Help Topics"), Qt::Key_F1},
    {cmd::About, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&About Oxlin...")},
    {cmd::SwitchFocus, "", Qt::Key_F6},
    // The tree's commands.
    {cmd::PasteFiles, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "&Paste")},
    {cmd::NewFolder, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "New Foloder")},
    {cmd::NewSubfolder, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "New SubFolder")},
    {cmd::NewTopic, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "New Topic")},
    {cmd::DeleteFolder, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Delete Catalog")},
    {cmd::DeleteTopic, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Delete Topic")},
    {cmd::LevelUp, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Level Up")},
    {cmd::LevelDown, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Level Down")},
    {cmd::MoveUp, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Move Up")},
    {cmd::MoveDown, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Move Down")},
    {cmd::Backward, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Back")},
    {cmd::Forward, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Forward")},
};

// The tree's commands carry their status-bar descriptions as tooltips.
const std::pair<int, const char*> kTips[] = {
    {cmd::NewTopic, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Create a new topic")},
    {cmd::NewFolder, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Create a new catalog")},
    {cmd::DeleteTopic,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Delete the current topic or catalog")},
    {cmd::DeleteFolder,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Delete the current catalog")},
    {cmd::NewSubfolder,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Create a new folder in the current catalog")},
    {cmd::LevelUp, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Decrease the hierarchy level")},
    {cmd::LevelDown,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Increase the hierarchy level")},
    {cmd::MoveUp, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Move the selected item up")},
    {cmd::MoveDown, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Move the selected item down")},
    {cmd::Backward, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Backward")},
    {cmd::Forward, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Forward")},
    // The toolbars' buttons.
    {cmd::NewNotebook,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Create a new notebook (Ctrl + N)")},
    {cmd::OpenNotebook,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Open an existing notebook (Ctrl + O)")},
    {cmd::Save,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Save the current notebook (Ctrl + S)")},
    {cmd::ImportPopup, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Import")},
    {cmd::Export, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Export")},
    {cmd::Cut, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Cut (Ctrl + X)")},
    {cmd::Copy, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Copy (Ctrl + C)")},
    {cmd::Paste, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Paste (Ctrl + V)")},
    {cmd::KeyShortcuts, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "View keyboard shortcut")},
    {cmd::Print, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Print (Ctrl + P)")},
    {cmd::HelpTopics, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Help Topics (F1)")},
    {cmd::InsertTable, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Insert a table")},
    {cmd::InsertPicture, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Insert a picture (F7)")},
    {cmd::InsertTextFile,
     QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Insert content from a TEXT file (F8)")},
    {cmd::Font, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Font")},
    {cmd::Bold, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Bold")},
    {cmd::Italic, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Italic")},
    {cmd::Underline, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Underline")},
    {cmd::TextColour, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Color")},
    {cmd::NumberedList, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "enumerated list")},
    {cmd::BulletList, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "bullet list")},
    {cmd::IndentLess, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Decrese indentation")},
    {cmd::IndentMore, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Increase indentation")},
    {cmd::AlignLeft, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Align left")},
    {cmd::AlignCentre, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Center")},
    {cmd::AlignRight, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry", "Align right")},
    {cmd::InsertLink, QT_TRANSLATE_NOOP("oxlin::app::ActionRegistry",
                                        "Insert a link (F5 : File-Link / F4 : Topic-Link)")},
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
        QAction* act = make(c.id, tr(c.text));
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
        actions_.value(id)->setToolTip(tr(tip));
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
    QMenu* file = bar->addMenu(tr("&File"));
    addActions(file, {cmd::NewNotebook, cmd::OpenNotebook, cmd::Save, 0});
    QMenu* import = file->addMenu(tr("Import from..."));
    addActions(import, {cmd::ImportFile, cmd::ImportFolder});
    addActions(file, {cmd::ImportMarkdown, cmd::ImportMarkdownFolder, cmd::Export});
    QMenu* exportAs = file->addMenu(tr("Export As"));
    addActions(exportAs, {cmd::ExportWebPages, cmd::ExportMarkdown, cmd::ExportNotebookPdf});
    addActions(file,
               {0, cmd::PageSetup, cmd::Print, cmd::PrintPreview, cmd::ExportPdf, 0, cmd::Exit});

    QMenu* edit = bar->addMenu(tr("&Edit"));
    addActions(edit, {cmd::Undo, cmd::Redo, 0, cmd::Cut, cmd::Copy, cmd::Paste, 0, cmd::Find,
                      cmd::FindNext, cmd::Replace, 0, cmd::WordWrap});

    QMenu* insert = bar->addMenu(tr("&Insert"));
    QMenu* link = insert->addMenu(tr("Link"));
    addActions(link, {cmd::LinkToFile, cmd::LinkToTopic, cmd::LinkToWeb});
    addActions(insert, {cmd::InsertTable, cmd::InsertPicture, 0, cmd::InsertTextFile});

    // The formatting commands, so that their keys can be found.
    QMenu* format = bar->addMenu(tr("F&ormat"));
    addActions(format, {cmd::Font, cmd::Bold, cmd::Italic, cmd::Underline, cmd::TextColour, 0,
                        cmd::BulletList, cmd::NumberedList, 0, cmd::IndentLess, cmd::IndentMore, 0,
                        cmd::AlignLeft, cmd::AlignCentre, cmd::AlignRight});

    QMenu* view = bar->addMenu(tr("&View"));
    addActions(view, {cmd::ShowTopicsPanel, cmd::ShowIndexPanel, cmd::ShowSearchPanel, 0,
                      cmd::DropWindow, 0, cmd::AlwaysOnTop, 0, cmd::KeyShortcuts, 0,
                      cmd::Properties});

    // The dictionaries are listed above the switch when the menu opens.
    QMenu* tools = bar->addMenu(tr("&Tools"));
    QMenu* spelling = tools->addMenu(tr("Spelling"));
    spelling->setObjectName(QStringLiteral("spellingMenu"));
    addActions(spelling, {cmd::SpellCheck});

    QMenu* help = bar->addMenu(tr("Help"));
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
    QAction* entry = menu->addAction(tr("Export"));
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
