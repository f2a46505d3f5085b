#include "app/shell/notebook_commands.h"
#include "messages/notebook_messages.h"

#include "app/base/prompter.h"
#include "app/base/wait_cursor.h"
#include "core/session/notebooks.h"

namespace oxlin::app {

namespace {

PromptIcon iconFor(const session::NotebookResult& result) {
    switch (result.change) {
    case session::NotebookChange::IsCurrent: return PromptIcon::None;
    case session::NotebookChange::OpenFailed: return PromptIcon::Error;
    case session::NotebookChange::TopicNotSaved: return PromptIcon::Error;
    case session::NotebookChange::Done: return PromptIcon::Error; // the old one was not saved
    default: return PromptIcon::Warning;
    }
}

} // namespace

NotebookCommands::NotebookCommands(session::NotebookSession& session, Prompter& prompter,
                                   QObject* parent)
    : QObject(parent), session_(session), prompter_(prompter) {}

void NotebookCommands::newNotebook() {
    prompter_.newNotebook([this](const QString& name) { return create(name); });
}

void NotebookCommands::openNotebook() {
    NotebookChoices choices;
    choices.open = [this](const QString& name) { return open(name); };
    choices.remove = [this](const QString& name) { return remove(name); };
    prompter_.openNotebook(session::listNotebooks(session_.paths().dataFolder), choices);
}

bool NotebookCommands::create(const QString& name) {
    // A name that cannot be a notebook's keeps the dialog open for another.
    const session::NameCheck check = session::checkNotebookName(name);
    if (check != session::NameCheck::Accepted) {
        prompter_.message(messages::NotebookMessages::nameRefused(check), tr("Oxlin"),
                          PromptIcon::Warning);
        return false;
    }
    changeNotebook(name, &session::NotebookManager::createNotebook);
    return true;
}

bool NotebookCommands::open(const QString& name) {
    return changeNotebook(name, &session::NotebookManager::switchToNotebook).change !=
           session::NotebookChange::NameRefused;
}

bool NotebookCommands::switchTo(const QString& name) {
    const session::NotebookChange change =
        changeNotebook(name, &session::NotebookManager::switchToNotebook).change;
    return change == session::NotebookChange::Done ||
           change == session::NotebookChange::AlreadyOpen;
}

session::NotebookResult NotebookCommands::changeNotebook(const QString& name, Change change) {
    const session::NotebookResult result = [&] {
        const WaitCursor wait;
        session::NotebookManager manager(session_);
        return (manager.*change)(name);
    }();
    // A refused open still made the notebook current: the window must say so.
    if (result.change == session::NotebookChange::Done ||
        result.change == session::NotebookChange::OpenFailed)
        Q_EMIT notebookChanged();
    tell(result, name);
    return result;
}

void NotebookCommands::tell(const session::NotebookResult& result, const QString& name) {
    if (const QString text = messages::NotebookMessages::afterChange(result, name); !text.isEmpty())
        prompter_.message(text, tr("Oxlin"), iconFor(result));
}

bool NotebookCommands::remove(const QString& name) {
    if (session::sameNotebookName(name, session_.currentBook().notebookName)) {
        prompter_.message(tr("You can't delete the opened book."), tr("Oxlin"), PromptIcon::None);
        return false;
    }
    if (prompter_.message(messages::NotebookMessages::deleteQuestion(name), tr("Oxlin"),
                          PromptIcon::Question, PromptButtons::YesNoDefaultNo) != PromptAnswer::Yes)
        return false;
    const session::NotebookResult result = session::NotebookManager(session_).deleteNotebook(name);
    tell(result, name);
    return result.ok();
}

} // namespace oxlin::app
