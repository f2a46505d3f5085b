// The words about notebooks: refused names, create/switch/delete, open and save problems.
#pragma once

#include "core/session/notebook_session.h"
#include "core/session/notebooks.h"

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
    // A file topic's working copy could not be written out whole.
    static QString topicNotExtracted(const QString& fileName);
};

} // namespace oxlin::messages
