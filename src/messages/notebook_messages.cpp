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
    }
    return {};
}

QString NotebookMessages::openedWithProblem(const SessionProblem& problem) {
    return tr("The notebook was opened, but %1.\nFree some disk space and save soon, or what "
              "you change may not be kept.")
        .arg(NotebookMessages::problem(problem));
}

QString NotebookMessages::topicNotExtracted(const QString& fileName) {
    return tr("%1 could not be taken out of the notebook whole (its topic file is damaged, or "
              "the disk is full), so it was not opened.")
        .arg(fileName);
}

} // namespace oxlin::messages
