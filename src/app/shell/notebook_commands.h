#pragma once

// The New Notebook and Open Notebook commands: the dialogs through the
// prompter, the notebook changes through the core's NotebookManager, and
// what the user is told about each.

#include "core/session/notebooks.h"

#include <QObject>

namespace oxlin::app {

class Prompter;

class NotebookCommands final : public QObject {
    Q_OBJECT
public:
    // Both are borrowed and must outlive the commands.
    NotebookCommands(session::NotebookSession& session, Prompter& prompter,
                     QObject* parent = nullptr);

    void newNotebook();  // 57600
    void openNotebook(); // 57601
    // Opens the notebook `name` as Open Notebook does, saying what the
    // dialog's choice would. True when it is then the open notebook.
    bool switchTo(const QString& name);

Q_SIGNALS:
    // Another notebook became current (created or switched to): the title,
    // the window's notes and whatever shows the notebook follow it.
    void notebookChanged();

private:
    bool create(const QString& name);
    bool open(const QString& name);
    bool remove(const QString& name);
    using Change = session::NotebookResult (session::NotebookManager::*)(const QString&);
    // Runs a create or a switch under the wait cursor and says how it went.
    session::NotebookResult changeNotebook(const QString& name, Change change);
    void tell(const session::NotebookResult& result, const QString& name);

    session::NotebookSession& session_;
    Prompter& prompter_;
};

} // namespace oxlin::app
