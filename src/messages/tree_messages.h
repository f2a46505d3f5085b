// The words of the tree commands: their questions, refused names, a full notebook.
#pragma once

#include "core/tree/tree_operations.h"

#include <QCoreApplication>
#include <QString>

namespace oxlin::messages {

class TreeMessages {
    Q_DECLARE_TR_FUNCTIONS(TreeMessages)

public:
    // The caption of the tree's messages, and of the drop's question.
    static QString caption();
    static QString dropCaption();
    // The Yes/No question before a delete or a drop; `folderPath` is the
    // drop target's path (unused for the others).
    static QString question(tree::TreeQuestion question, const QString& label,
                            const QString& folderPath = {});
    // Why `label` cannot be a name (empty for Accepted).
    static QString labelRefused(tree::LabelCheck check, const QString& label);
    // Said when a new topic would pass the most a package can hold.
    static QString notebookFull();
};

} // namespace oxlin::messages
