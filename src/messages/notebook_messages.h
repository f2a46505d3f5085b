// The words about notebooks: refused names, create/switch/delete, open and save problems.
#pragma once

#include "core/session/notebook_session.h"
#include "core/session/notebooks.h"
#include "core/tree/tree_file.h"

#include <QCoreApplication>
#include <QString>

namespace oxlin::messages {

class NotebookMessages {
    Q_DECLARE_TR_FUNCTIONS(NotebookMessages)

public:
    // Why `check` refuses a name (empty for Accepted).
    static QString nameRefused(session::NameCheck check);
    // The confirmation asked before deleting (Yes/No, default No).
    static QString deleteQuestion(const QString& name);
    // What to say after a create, switch or delete of `name`; empty when
    // there is nothing to say.
    static QString afterChange(const session::NotebookResult& result, const QString& name);
    // Why the notebook could not be opened or saved, as a clause that
    // follows "Could not save the notebook: " (empty for none).
    static QString problem(const session::SessionProblem& problem);
    // An open that went on although it could not write everything it wanted.
    static QString openedWithProblem(const session::SessionProblem& problem);
    // No application is set up for a file topic's kind.
    static QString noApplication(const QString& fileName);
    // A file topic's working copy could not be written out whole.
    static QString topicNotExtracted(const QString& fileName);

    // An open that went on in a working folder it cannot write to.
    static QString cannotSaveAfterOpen(const session::SessionProblem& problem);
    // What an open with `outcome` says of the package file `package` and the
    // copy `copy` kept of a damaged one; empty for an outcome that needs no
    // word (Resumed says recovered() in the status bar instead).
    static QString openOutcome(session::OpenOutcome outcome, const QString& package,
                               const QString& copy, const session::SessionProblem& problem);
    // Entries of the tree file that were read otherwise than they were written.
    static QString treeLoadNotes(const QString& package, const tree::TreeLoadNotes& notes);
    // The status note after a start that resumed a working folder.
    static QString recovered();
    // The status bar's note after a save that merged in another machine's changes.
    static QString mergedFromOtherMachine(const merge::MergeReport& report);
    // The question about a conflict copy a file-sync engine made, and why one
    // was not merged (or, merged, not moved aside).
    static QString conflictCopyQuestion(const QString& name, const QString& madeOn);
    static QString conflictCopyNotMerged(const QString& copy, const store::Status& status,
                                         const session::SessionProblem& problem);
    // The Save or the exit sequence could not write the package.
    static QString saveFailed(const session::SessionProblem& problem, const QString& workingFolder);
    // The exit sequence stops: the open topic could not be saved.
    static QString topicNotSavedOnExit();
};

} // namespace oxlin::messages
