#include "core/session/notebooks.h"

#include "core/session/conflict_copies.h"

#include "core/store/file_names.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace oxlin::session {

using paths::CurrentBook;

NameCheck checkNotebookName(const QString& name) {
    if (name.isEmpty())
        return NameCheck::Empty;
    if (name.size() > CurrentBook::kMaxNameLength)
        return NameCheck::TooLong;
    if (name.compare(QLatin1String(paths::kSettingsFileName), Qt::CaseInsensitive) == 0)
        return NameCheck::Reserved;
    // Whatever the portable file-name rule would change is a name some file
    // system refuses or reads as another; a leading "." names the data
    // folder's own files (the lock, a folder being removed), and ".." leaves it.
    if (name.startsWith(QLatin1Char('.')))
        return NameCheck::NotAllowed;
    // "x.xzz" would put its working folder where notebook "x" keeps its
    // package. Refused rather than cut to "x": the user would get another
    // notebook than the name they typed, or be told "x" exists.
    if (name.endsWith(QLatin1String(paths::kPackageExtension), Qt::CaseInsensitive))
        return NameCheck::PackageName;
    const QString safe = store::safeFileName(name);
    if (safe != name)
        return safe == QLatin1Char('_') + name ? NameCheck::Reserved : NameCheck::NotAllowed;
    return NameCheck::Accepted;
}

bool sameNotebookName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QStringList listNotebooks(const QString& dataFolder) {
    QDir folder(dataFolder);
    folder.setNameFilters({QStringLiteral("*.xzz")});
    folder.setFilter(QDir::Files | QDir::Hidden);
    QStringList names;
    for (const QString& file : folder.entryList()) {
        const QString name = file.left(file.lastIndexOf(QLatin1Char('.')));
        // A sync engine's second copy of a notebook is merged, not opened.
        if (checkNotebookName(name) == NameCheck::Accepted && conflictCopyOf(file).isEmpty())
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}

QString findPackage(const QString& dataFolder, const QString& name) {
    const QString path =
        store::resolveInFolder(dataFolder, name + QLatin1String(paths::kPackageExtension));
    return QFileInfo(path).isFile() ? path : QString();
}

// What already holds the place of `name`'s working folder or package, if
// anything does that a new notebook cannot take over: a file where the folder
// goes, a folder (or anything but a file) where the package goes, or either
// spelled in another letter case. A folder of the exact name is a working
// folder left by an earlier run, and the new notebook resumes it.
QString inTheWayOf(const QString& dataFolder, const QString& name) {
    const QDir data(dataFolder);
    const QString package = name + QLatin1String(paths::kPackageExtension);
    for (const QString& wanted : {name, package}) {
        const QString found = store::resolveInFolder(dataFolder, wanted);
        const QFileInfo info(found);
        if (!info.exists() && !info.isSymLink())
            continue;
        if (info.fileName() != wanted)
            return found;
        if (wanted == name ? (!info.isDir() || info.isSymLink()) : !info.isFile())
            return found;
    }
    return {};
}

NotebookResult NotebookManager::closeAndOpen(const QString& name) {
    NotebookResult result;
    if (!session_.saveOpenTopic()) {
        result.change = NotebookChange::TopicNotSaved;
        return result;
    }
    // A failed pack keeps the working folder (the session never removes it
    // then), so going on loses nothing: the next open of it resumes there.
    if (!session_.closeNotebook().ok())
        result.closeProblem = session_.saveProblem();
    session_.currentBook().notebookName = name;
    session_.setUpPaths();
    if (!session_.openNotebook().ok()) {
        result.change = NotebookChange::OpenFailed;
        result.closeProblem = session_.saveProblem();
    }
    return result;
}

NotebookResult NotebookManager::createNotebook(const QString& name) {
    NotebookResult result;
    result.nameCheck = checkNotebookName(name);
    if (result.nameCheck != NameCheck::Accepted) {
        result.change = NotebookChange::NameRefused;
        return result;
    }
    const QString data = session_.paths().dataFolder;
    if (!findPackage(data, name).isEmpty() ||
        sameNotebookName(name, session_.currentBook().notebookName)) {
        result.change = NotebookChange::AlreadyExists;
        return result;
    }
    result.inTheWay = inTheWayOf(data, name);
    if (!result.inTheWay.isEmpty()) {
        result.change = NotebookChange::NameTaken;
        return result;
    }
    result = closeAndOpen(name);
    if (result.ok() && !session_.packNotebook().ok() && result.closeProblem.isEmpty())
        result.closeProblem = session_.saveProblem();
    return result;
}

NotebookResult NotebookManager::switchToNotebook(const QString& name) {
    const NameCheck check = checkNotebookName(name);
    if (check != NameCheck::Accepted)
        return {NotebookChange::NameRefused, check, {}, {}};
    if (sameNotebookName(name, session_.currentBook().notebookName))
        return {NotebookChange::AlreadyOpen, NameCheck::Accepted, {}, {}};
    // The name as the file system spells it, so the working folder and the
    // package keep one spelling.
    const QString package = findPackage(session_.paths().dataFolder, name);
    const QString spelled = package.isEmpty() ? name : QFileInfo(package).completeBaseName();
    return closeAndOpen(spelled);
}

NotebookResult NotebookManager::deleteNotebook(const QString& name) {
    // The name reaches the file system: ".." or a "/" would delete elsewhere.
    const NameCheck check = checkNotebookName(name);
    if (check != NameCheck::Accepted)
        return {NotebookChange::NameRefused, check, {}, {}};
    if (sameNotebookName(name, session_.currentBook().notebookName))
        return {NotebookChange::IsCurrent, NameCheck::Accepted, {}, {}};
    const QString data = session_.paths().dataFolder;
    const QString package = findPackage(data, name);
    if (!package.isEmpty() && !session_.fileSystem().remove(package))
        return {NotebookChange::DeleteFailed, NameCheck::Accepted, {}, {}};
    // A working folder left under the name would come back as the notebook
    // of a later create of that name. A link is removed, not followed.
    const QString working = store::resolveInFolder(data, name);
    if (QFileInfo(working).isDir() || QFileInfo(working).isSymLink())
        NotebookSession::removeFolder(working);
    return {};
}

} // namespace oxlin::session
