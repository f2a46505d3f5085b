// What the controller tells the user after an open or a save: problems,
// outcomes, and the question about each conflict copy a sync engine left.
#include "app/shell/notebook_controller.h"
#include "messages/notebook_messages.h"

#include "core/session/conflict_copies.h"

#include "app/base/prompter.h"
#include "app/shell/main_window.h"
#include "app/shell/shown_place.h"
#include "app/tree/tree_controller.h"

#include <QFileInfo>
#include <QMenu>

namespace oxlin::app {

void NotebookController::warn(const QString& text) {
    prompter_.message(text, tr("Oxlin"), PromptIcon::Warning);
}

void NotebookController::reportOpenProblem() {
    // A refusal is said with the outcome.
    const session::SessionProblem& problem = session_->saveProblem();
    if (session_->lastOpenOutcome() == session::OpenOutcome::Refused || problem.isEmpty())
        return;
    if (problem.kind == session::SessionProblem::Kind::WorkingFolderNotWritable)
        warn(messages::NotebookMessages::cannotSaveAfterOpen(problem));
    else
        warn(messages::NotebookMessages::openedWithProblem(problem));
}

void NotebookController::offerConflictCopies() {
    if (session_->lastOpenOutcome() == session::OpenOutcome::Refused)
        return;
    const QString name = session_->currentBook().notebookName;
    for (const session::ConflictCopy& copy :
         session::findConflictCopies(session_->paths().dataFolder, name)) {
        if (prompter_.message(messages::NotebookMessages::conflictCopyQuestion(name, copy.madeOn),
                              tr("Oxlin"), PromptIcon::Question,
                              PromptButtons::UnaskedYesNo) != PromptAnswer::Yes)
            continue;
        const ShownPlace shown =
            placeShown(session_->tree(), window_->editorHost(), treeController_->selection());
        const store::Status merged = session_->mergeConflictCopy(copy.path);
        if (merged.ok() && session_->lastMerge().changed)
            showAgain(shown, session_->tree(), window_->editorHost(), *treeController_);
        if (merged.ok())
            window_->showStatusNote(
                messages::NotebookMessages::mergedFromOtherMachine(session_->lastMerge()));
        else
            warn(messages::NotebookMessages::conflictCopyNotMerged(
                QFileInfo(copy.path).fileName(), merged, session_->saveProblem()));
    }
}

void NotebookController::reportOpenOutcome() {
    reportOpenProblem();
    offerConflictCopies();
    const session::OpenOutcome outcome = session_->lastOpenOutcome();
    if (outcome == session::OpenOutcome::Resumed) {
        window_->showStatusNote(messages::NotebookMessages::recovered());
        return;
    }
    const QString package = QFileInfo(session_->paths().packageFile).fileName();
    const QString copy = QFileInfo(session_->damagedPackageCopy()).fileName();
    const QString said =
        messages::NotebookMessages::openOutcome(outcome, package, copy, session_->saveProblem());
    if (!said.isEmpty()) {
        prompter_.message(said, tr("Oxlin"),
                          outcome == session::OpenOutcome::Refused ? PromptIcon::Error
                                                                   : PromptIcon::Warning);
        return;
    }
    if (const tree::TreeLoadNotes& notes = session_->treeLoadNotes(); notes.any())
        warn(messages::NotebookMessages::treeLoadNotes(package, notes));
}

void NotebookController::reportSaveProblem() {
    prompter_.message(messages::NotebookMessages::saveFailed(session_->saveProblem(),
                                                             session_->paths().workingFolder),
                      tr("Oxlin"), PromptIcon::Error);
}

} // namespace oxlin::app
