#pragma once

#include "core/session/notebook_session.h"

#include <QString>
#include <QStringList>

namespace oxlin::session {

// Why a name cannot be a new notebook's, or Accepted.
enum class NameCheck {
    Accepted,
    Empty,
    TooLong,     // more than CurrentBook::kMaxNameLength characters
    NotAllowed,  // a character a file system refuses (/ \ : * ? " < > | or a control
                 // character), a trailing dot or blank, or a leading "."
                 // (the data folder's own files)
    Reserved,    // "Notebook.ini", or a device name such as CON or NUL
    PackageName, // ends in ".xzz": the name would be another notebook's package
};
NameCheck checkNotebookName(const QString& name);

// Names are compared without regard to letter case, as on the file systems
// notebooks come from.
bool sameNotebookName(const QString& a, const QString& b);

// The notebooks of a data folder: each "*.xzz" package's name up to its last
// ".", sorted without regard to case. Names no notebook may have (see
// checkNotebookName) are left out: opening them would open another notebook.
QStringList listNotebooks(const QString& dataFolder);

// The package of `name` in the data folder, found without regard to case;
// empty when there is none.
QString findPackage(const QString& dataFolder, const QString& name);

enum class NotebookChange {
    Done,
    NameRefused,   // checkNotebookName refused it
    AlreadyExists, // create: a package of that name exists (any case)
    NameTaken,     // create: a file, a folder or another spelling of the name is
                   // where its working folder or package would go
    AlreadyOpen,   // switch: it is the current notebook; nothing changed
    IsCurrent,     // delete: the current notebook cannot be deleted
    DeleteFailed,  // delete: the package could not be removed
    OpenFailed,    // switch/create: the new working folder was refused
    TopicNotSaved, // switch/create: the open topic could not be saved; nothing changed
};

// What a create, switch or delete did, for the application to say.
struct NotebookResult {
    NotebookChange change = NotebookChange::Done;
    NameCheck nameCheck = NameCheck::Accepted;
    QString inTheWay; // NameTaken: what is in the way
    // Why the notebook that was current could not be packed; its working
    // folder then stays, and the next open resumes it.
    SessionProblem closeProblem;
    bool ok() const { return change == NotebookChange::Done; }
};

// Create, switch to and delete notebooks of the session's data folder. The
// session is borrowed and must outlive the manager; everything runs on the
// user-interface thread. The window title and the index worker follow
// through the session's hooks and the caller.
class NotebookManager {
public:
    explicit NotebookManager(NotebookSession& session) : session_(session) {}

    // Closes the current notebook (saved, packed, working folder removed when
    // the pack succeeded), makes `name` current, opens it empty (or from a
    // working folder of that name left by an earlier run) and packs it so its
    // package exists at once.
    NotebookResult createNotebook(const QString& name);
    // Closes the current notebook and opens `name`. Both (and create) stop
    // before anything changes when the open topic cannot be saved: closing
    // would empty the editor, whose text is then the only copy.
    NotebookResult switchToNotebook(const QString& name);
    // Deletes the package of `name` and a working folder of that name left
    // behind, so a new notebook of the name starts empty. Never the current
    // one. DeleteFailed when the package is still there.
    NotebookResult deleteNotebook(const QString& name);

private:
    NotebookResult closeAndOpen(const QString& name);

    NotebookSession& session_;
};

} // namespace oxlin::session
