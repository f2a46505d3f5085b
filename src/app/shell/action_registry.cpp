#include "app/shell/action_registry.h"

#include "app/shell/command_ids.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QWidget>

namespace oxlin::app {

namespace {

struct Entry {
    int id; // 0 = separator
    const char* text;
};

// The accelerator table: the keys the menu texts announce, plus the focus switch.
struct Accelerator {
    QKeyCombination key;
    int id;
};

const Accelerator kAccelerators[] = {
    {Qt::Key_F6, cmd::SwitchFocus},
    {Qt::CTRL | Qt::Key_N, cmd::NewNotebook},
    {Qt::CTRL | Qt::Key_O, cmd::OpenNotebook},
    {Qt::CTRL | Qt::Key_S, cmd::Save},
    {Qt::CTRL | Qt::Key_R, cmd::Export},
    {Qt::CTRL | Qt::Key_P, cmd::Print},
    {Qt::CTRL | Qt::Key_W, cmd::WordWrap},
    {Qt::Key_F3, cmd::FindNext},
    {Qt::CTRL | Qt::Key_F, cmd::Find},
    {Qt::Key_F10, cmd::AlwaysOnTop},
    {Qt::Key_F9, cmd::DropWindow},
    {Qt::Key_F5, cmd::LinkToFile},
    {Qt::Key_F4, cmd::LinkToTopic},
    {Qt::Key_F7, cmd::InsertPicture},
    {Qt::Key_F8, cmd::InsertTextFile},
};

} // namespace

ActionRegistry::ActionRegistry(Dispatch dispatch, QObject* parent)
    : QObject(parent), dispatch_(std::move(dispatch)) {
    const Entry menuEntries[] = {
        {cmd::NewNotebook, "&New...               Ctrl+N"},
        {cmd::OpenNotebook, "&Open...             Ctrl+O"},
        {cmd::Save, "&Save                  Ctrl+S"},
        {cmd::ImportFile, "File"},
        {cmd::ImportFolder, "Folder"},
        {cmd::Export, "E&xport...           Ctrl+R"},
        {cmd::PageSetup, "Page Setup..."},
        {cmd::Print, "&Print...               Ctrl+P"},
        {cmd::Exit, "E&xit                       "},
        {cmd::Undo, "&Undo               Ctrl+Z"},
        {cmd::Redo, "&Redo               Ctrl+Y"},
        {cmd::Cut, "Cu&t                  Ctrl+X"},
        {cmd::Copy, "&Copy               Ctrl+C"},
        {cmd::Paste, "&Paste              Ctrl+V"},
        {cmd::Find, "&Find...            Ctrl+F"},
        {cmd::FindNext, "Find Next         (F3)"},
        {cmd::WordWrap, "Word &Wrap    Ctrl+W"},
        {cmd::LinkToFile, "to a File     (F5)"},
        {cmd::LinkToTopic, "to a Topic  (F4)"},
        {cmd::InsertTable, "Table"},
        {cmd::InsertPicture, "Picture            (F7)"},
        {cmd::InsertTextFile, "Text in a File   (F8)"},
        {cmd::DropWindow, "Show DragDrop Window  (F9)"},
        {cmd::AlwaysOnTop, "Always on T&op                 (F10)"},
        {cmd::KeyShortcuts, "Key Shortcut"},
        {cmd::Properties, "P&roperties"},
        {cmd::HelpTopics, "&Help Topics  (F1)"},
        {cmd::About, "&About Oxlin..."},
    };
    for (const Entry& e : menuEntries)
        make(menu_, e.id, QString::fromUtf8(e.text));
    for (int id : {cmd::WordWrap, cmd::AlwaysOnTop, cmd::DropWindow})
        menu_.value(id)->setCheckable(true);

    const Entry contextEntries[] = {
        {cmd::Undo, "Undo"}, {cmd::Redo, "Redo"},           {cmd::Cut, "Cut"},
        {cmd::Copy, "Copy"}, {cmd::Paste, "Paste"},         {cmd::Find, "Find..."},
        {cmd::WordWrap, "Word Wrap"}, {cmd::Properties, "Properties"},
    };
    for (const Entry& e : contextEntries)
        make(context_, e.id, QString::fromUtf8(e.text));
    context_.value(cmd::WordWrap)->setCheckable(true);

    // The tree's commands carry their status-bar descriptions as tooltips.
    const Entry treeEntries[] = {
        {cmd::PasteFiles, "&Paste"},
        {cmd::NewFolder, "New Foloder"},
        {cmd::NewSubfolder, "New SubFolder"},
        {cmd::NewTopic, "New Topic"},
        {cmd::DeleteFolder, "Delete Catalog"},
        {cmd::DeleteTopic, "Delete Topic"},
        {cmd::Export, "Export"},
        {cmd::LevelUp, "Level Up"},
        {cmd::LevelDown, "Level Down"},
        {cmd::MoveUp, "Move Up"},
        {cmd::MoveDown, "Move Down"},
        {cmd::Backward, "Back"},
        {cmd::Forward, "Forward"},
    };
    for (const Entry& e : treeEntries)
        make(tree_, e.id, QString::fromUtf8(e.text));
    const std::pair<int, const char*> treeTips[] = {
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
    };
    for (const auto& [id, tip] : treeTips)
        tree_.value(id)->setToolTip(QString::fromUtf8(tip));

    for (const Accelerator& a : kAccelerators) {
        QAction* act = make(accelerators_, a.id, QString());
        act->setShortcut(QKeySequence(a.key));
        act->setShortcutContext(Qt::WindowShortcut);
    }

    // Icons from the desktop theme where it has them; the menus stay readable without.
    const std::pair<int, const char*> themed[] = {
        {cmd::NewNotebook, "document-new"}, {cmd::OpenNotebook, "document-open"},
        {cmd::Save, "document-save"},       {cmd::Print, "document-print"},
        {cmd::Exit, "application-exit"},   {cmd::Undo, "edit-undo"},
        {cmd::Redo, "edit-redo"},           {cmd::Cut, "edit-cut"},
        {cmd::Copy, "edit-copy"},           {cmd::Paste, "edit-paste"},
        {cmd::Find, "edit-find"},           {cmd::HelpTopics, "help-contents"},
        {cmd::About, "help-about"},         {cmd::Properties, "document-properties"},
    };
    for (const auto& [id, name] : themed) {
        const QIcon icon = QIcon::fromTheme(QString::fromLatin1(name));
        if (!icon.isNull()) {
            menu_.value(id)->setIcon(icon);
            if (QAction* c = context_.value(id))
                c->setIcon(icon);
        }
    }
}

QAction* ActionRegistry::make(QHash<int, QAction*>& into, int id, const QString& text) {
    auto* act = new QAction(text, this);
    act->setData(id);
    connect(act, &QAction::triggered, this, [this, id] {
        if (dispatch_)
            dispatch_(id);
    });
    into.insert(id, act);
    return act;
}

void ActionRegistry::setChecked(int id, bool checked) {
    for (auto* table : {&menu_, &context_})
        if (QAction* act = table->value(id); act && act->isCheckable())
            act->setChecked(checked);
}

void ActionRegistry::setEnabled(int id, bool enabled) {
    for (auto* table : {&menu_, &context_, &accelerators_, &tree_})
        if (QAction* act = table->value(id))
            act->setEnabled(enabled);
}

void ActionRegistry::buildMenuBar(QMenuBar* bar) {
    auto add = [this](QMenu* menu, std::initializer_list<int> ids) {
        for (int id : ids) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(menu_.value(id));
        }
    };

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    add(file, {cmd::NewNotebook, cmd::OpenNotebook, cmd::Save, 0});
    QMenu* import = file->addMenu(QStringLiteral("Import from..."));
    add(import, {cmd::ImportFile, cmd::ImportFolder});
    add(file, {cmd::Export, 0, cmd::PageSetup, cmd::Print, 0, cmd::Exit});

    QMenu* edit = bar->addMenu(QStringLiteral("&Edit"));
    add(edit, {cmd::Undo, cmd::Redo, 0, cmd::Cut, cmd::Copy, cmd::Paste, 0, cmd::Find,
               cmd::FindNext, 0, cmd::WordWrap});

    QMenu* insert = bar->addMenu(QStringLiteral("&Insert"));
    QMenu* link = insert->addMenu(QStringLiteral("Link"));
    add(link, {cmd::LinkToFile, cmd::LinkToTopic});
    add(insert, {cmd::InsertTable, cmd::InsertPicture, 0, cmd::InsertTextFile});

    QMenu* view = bar->addMenu(QStringLiteral("&View"));
    add(view, {cmd::DropWindow, 0, cmd::AlwaysOnTop, 0, cmd::KeyShortcuts, 0, cmd::Properties});

    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    add(help, {cmd::HelpTopics, 0, cmd::About});
}

QMenu* ActionRegistry::buildEditorContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (int id : {cmd::Undo, cmd::Redo, 0, cmd::Cut, cmd::Copy, cmd::Paste, 0, cmd::Find, 0,
                   cmd::WordWrap, 0, cmd::Properties}) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(context_.value(id));
    }
    return menu;
}

QMenu* ActionRegistry::buildTreeContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    for (int id : {cmd::PasteFiles, 0, cmd::NewFolder, cmd::NewSubfolder, cmd::NewTopic, 0,
                   cmd::DeleteFolder, cmd::DeleteTopic, 0, cmd::Export}) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(tree_.value(id));
    }
    return menu;
}

void ActionRegistry::installAccelerators(QWidget* window) {
    for (QAction* act : std::as_const(accelerators_))
        window->addAction(act);
}

} // namespace oxlin::app
