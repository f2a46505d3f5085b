#include "messages/notebook_messages.h"

#include "core/paths/notebook_paths.h"
#include "core/store/package_format.h"

#include <QDir>

namespace oxlin::messages {

using session::NameCheck;
using session::NotebookChange;
using session::SessionProblem;

QString NotebookMessages::nameRefused(NameCheck check) {
    switch (check) {
    case NameCheck::Accepted:
        return {};
    case NameCheck::Empty:
        return tr("please input a validate name.\r\n");
    case NameCheck::TooLong:
        return tr("A notebook name can have at most %1 characters.")
            .arg(paths::CurrentBook::kMaxNameLength);
    case NameCheck::NotAllowed:
        return tr("A notebook name cannot begin with \".\", end with \".\" or a blank, or contain "
                  "/ \\ : * ? \" < > | or control characters.");
    case NameCheck::Reserved:
        return tr("This name is reserved; please input another name.");
    case NameCheck::PackageName:
        return tr("A notebook name cannot end in \"%1\", the ending of notebook packages.")
            .arg(QLatin1String(paths::kPackageExtension));
    }
    return {};
}

QString NotebookMessages::deleteQuestion(const QString& name) {
    return tr("Delete the notebook \"%1\"? It cannot be undone.").arg(name);
}

QString NotebookMessages::afterChange(const session::NotebookResult& result, const QString& name) {
    switch (result.change) {
    case NotebookChange::Done:
        break;
    case NotebookChange::NameRefused:
        return nameRefused(result.nameCheck);
    case NotebookChange::AlreadyExists:
        return tr("\"%1\" is already exist, please input another name.").arg(name);
    case NotebookChange::NameTaken:
        return tr("\"%1\" cannot be a notebook's name here: \"%2\" is in its place. Please "
                  "input another name.")
            .arg(name, QDir::toNativeSeparators(result.inTheWay));
    case NotebookChange::TopicNotSaved:
        return tr("The open topic could not be saved, so \"%1\" was not opened and the topic "
                  "keeps its text. Copy the text elsewhere or free some disk space, then try "
                  "again.")
            .arg(name);
    case NotebookChange::AlreadyOpen:
        return tr("\"%1\" is already open.").arg(name);
    case NotebookChange::IsCurrent:
        return tr("You can't delete the opened book.");
    case NotebookChange::DeleteFailed:
        return tr("The notebook \"%1\" could not be deleted.").arg(name);
    case NotebookChange::OpenFailed:
        return tr("The notebook \"%1\" could not be opened: %2")
            .arg(name, problem(result.closeProblem));
    }
    if (!result.closeProblem.isEmpty())
        return tr("Could not save the notebook: %1").arg(problem(result.closeProblem));
    return {};
}

QString NotebookMessages::problem(const SessionProblem& problem) {
    const QString path = QDir::toNativeSeparators(problem.path);
    switch (problem.kind) {
    case SessionProblem::Kind::None:
        return {};
    case SessionProblem::Kind::WorkingFolderIsLink:
        return tr("the working folder \"%1\" is a symbolic link").arg(path);
    case SessionProblem::Kind::UnpackFailed:
        return tr("%1 topic files could not be unpacked into \"%2\" (is the disk full?)")
            .arg(problem.count)
            .arg(path);
    case SessionProblem::Kind::FileNotWritten:
        return tr("\"%1\" could not be written (is the disk full?)").arg(path);
    case SessionProblem::Kind::TooManyTopics:
        // Tree.xtz and Z.xtz take two of the package's members.
        return tr("the notebook holds %1 topic files, more than the %2 a package can hold; move "
                  "some topics to another notebook")
            .arg(problem.count)
            .arg(store::package_format::kMaxPackedEntries - 2);
    case SessionProblem::Kind::PackageNotWritten:
        if (problem.systemError != 0)
            return tr("the package \"%1\" could not be written (%2)")
                .arg(path, store::Status(store::Status::Code::WriteFailed, problem.path,
                                         problem.systemError)
                               .systemMessage());
        return tr("the package \"%1\" could not be written (is the disk full, or does the "
                  "notebook hold more topics than a package can?)")
            .arg(path);
    case SessionProblem::Kind::WorkingFolderNotWritten:
        return tr("the open topic or the tree could not be written into the working folder "
                  "\"%1\" (is the disk full?)")
            .arg(path);
    case SessionProblem::Kind::WorkingFolderNotMade:
        return tr("the working folder \"%1\" could not be created (is the disk full, or is "
                  "something else in its place?)")
            .arg(path);
    case SessionProblem::Kind::WorkingFolderNotWritable:
        return tr("the folder \"%1\" cannot be written to").arg(path);
    case SessionProblem::Kind::DamagedCopyNotKept:
        return tr("\"%1\" is damaged, and no copy of it could be kept aside (is the disk "
                  "full?)")
            .arg(path);
    case SessionProblem::Kind::ChangedPackageUnreadable:
        return tr("\"%1\" was changed by another program and cannot be read, so it was "
                  "neither merged nor replaced (is it still being copied?)")
            .arg(path);
    case SessionProblem::Kind::OtherMachinesFolder:
        return tr("the folder \"%1\" belongs to the notebook open on another machine; it was "
                  "left alone and the notebook was opened from its package")
            .arg(path);
    }
    return {};
}

QString NotebookMessages::openedWithProblem(const SessionProblem& problem) {
    return tr("The notebook was opened, but %1.\nFree some disk space and save soon, or what "
              "you change may not be kept.")
        .arg(NotebookMessages::problem(problem));
}

QString NotebookMessages::noApplication(const QString& fileName) {
    return tr("No application is set up to open %1.").arg(fileName);
}

QString NotebookMessages::topicNotExtracted(const QString& fileName) {
    return tr("%1 could not be taken out of the notebook whole (its topic file is damaged, or "
              "the disk is full), so it was not opened.")
        .arg(fileName);
}

QString NotebookMessages::cannotSaveAfterOpen(const SessionProblem& problem) {
    return tr("The notebook cannot be saved: %1.\nWhat you change now will be "
              "lost when Oxlin ends.")
        .arg(NotebookMessages::problem(problem));
}

QString NotebookMessages::openOutcome(session::OpenOutcome outcome, const QString& package,
                                      const QString& copy, const SessionProblem& problem) {
    switch (outcome) {
    case session::OpenOutcome::PackageUnreadable:
        return copy.isEmpty()
                   ? tr("The notebook package \"%1\" is damaged and could not be read.")
                         .arg(package)
                   : tr("The notebook package \"%1\" is damaged and could not be read.\n"
                        "It was kept unchanged as \"%2\"; the notebook opens without it.")
                         .arg(package, copy);
    case session::OpenOutcome::TreeUnreadable:
        return tr("The list of topics in \"%1\" is damaged and could not be read.\n"
                  "The topics found were put under \"Recovered\".%2")
            .arg(package, copy.isEmpty() ? QString()
                                         : tr("\nThe damaged list was kept as \"%1\".").arg(copy));
    case session::OpenOutcome::Refused:
        return tr("The notebook cannot be opened: %1.\nNothing in it "
                  "will be changed or saved.")
            .arg(NotebookMessages::problem(problem));
    case session::OpenOutcome::UnpackIncomplete:
        return tr("Some topics of \"%1\" could not be unpacked (is the disk full?).\n"
                  "The package was kept unchanged as \"%2\".")
            .arg(package, copy);
    case session::OpenOutcome::Resumed:
    case session::OpenOutcome::Unpacked:
    case session::OpenOutcome::New:
        break;
    }
    return {};
}

QString NotebookMessages::treeLoadNotes(const QString& package, const tree::TreeLoadNotes& notes) {
    return tr("The list of topics in \"%1\" held entries that could not be read "
              "as they were: %2 over-long lines and %3 over-long labels were "
              "left out, %4 folders without a name were named \"(no name)\", and "
              "%5 topics got new file numbers.")
        .arg(package)
        .arg(notes.skippedLines)
        .arg(notes.skippedLabels)
        .arg(notes.unnamedFolders)
        .arg(notes.renumbered);
}

QString NotebookMessages::mergedFromOtherMachine(const merge::MergeReport& report) {
    if (report.keptTwice.isEmpty())
        return tr("Merged changes made on another machine.");
    return tr("Merged changes made on another machine; %n topic(s) changed on both are kept "
              "twice.",
              nullptr, int(report.keptTwice.size()));
}

QString NotebookMessages::conflictCopyQuestion(const QString& name, const QString& madeOn) {
    return tr("Another copy of %1 was made on another machine on %2. Merge it in?")
        .arg(name, madeOn);
}

QString NotebookMessages::conflictCopyNotMerged(const QString& copy, const store::Status& status,
                                                const SessionProblem& problem) {
    switch (status.code()) {
    case store::Status::Code::Corrupt:
        return tr("\"%1\" is damaged or not a notebook; it was not merged and stays where it "
                  "is.")
            .arg(copy);
    case store::Status::Code::WriteFailed:
        if (problem.isEmpty())
            return tr("\"%1\" was merged, but could not be moved into the folder \"Merged\".")
                .arg(copy);
        break;
    default:
        break;
    }
    return tr("\"%1\" could not be merged: %2").arg(copy, NotebookMessages::problem(problem));
}

QString NotebookMessages::recovered() {
    return tr("Recovered the notebook from an unexpected end.");
}

QString NotebookMessages::saveFailed(const SessionProblem& problem, const QString& workingFolder) {
    return tr("Could not save the notebook: %1.\nEverything is kept in "
              "the working folder \"%2\" and will be there at the next "
              "start.")
        .arg(NotebookMessages::problem(problem), QDir::toNativeSeparators(workingFolder));
}

QString NotebookMessages::topicNotSavedOnExit() {
    return tr("The open topic could not be saved, so Oxlin stays "
              "open and keeps its text. Copy the text elsewhere or "
              "free some disk space, then exit again.");
}

} // namespace oxlin::messages
