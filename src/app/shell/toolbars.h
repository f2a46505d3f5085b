#pragma once

#include "app/base/command_ids.h"

class QMainWindow;
class QToolBar;

namespace oxlin::app {

class ActionRegistry;
class EditorHost;

// The two bars at the top of the main window, holding the registry's own
// actions (so a button and its menu entry enable together).
struct Toolbars {
    QToolBar* main = nullptr;   // notebook, clipboard, shortcuts, print, help
    QToolBar* format = nullptr; // tree, history, formats, links, pictures, tables
};

// Builds both bars on `window`, main bar first, and keeps the editing
// buttons enabled only while `editor` has a topic open. The tree buttons
// follow the tree's selection and history (the tree pane sets them).
Toolbars buildToolbars(QMainWindow& window, ActionRegistry& actions, EditorHost& editor);

// The commands that act on the open topic's text.
inline constexpr int kEditingGroup[] = {
    cmd::Font,        cmd::Bold,        cmd::Italic,        cmd::Underline,   cmd::TextColour,
    cmd::IndentLess,  cmd::IndentMore,  cmd::AlignLeft,     cmd::AlignCentre, cmd::AlignRight,
    cmd::InsertLink,  cmd::InsertPicture, cmd::InsertTable, cmd::InsertTextFile,
    cmd::NumberedList, cmd::BulletList};

} // namespace oxlin::app
