#pragma once

#include "core/tree/tree_model.h"

#include <QObject>

#include <atomic>
#include <functional>
#include <memory>
#include <vector>

class QThread;

namespace oxlin::session {
class LoadedNotebook;
}

namespace oxlin::app {

class Launcher;

// File topics (neither ".txt" nor ".rtf"): each is decompressed off the UI
// thread into a working copy named by its label and handed to its
// application; the working copy goes back into the topic file when another
// file topic opens or the notebook closes. The copy's path is remembered
// with the topic's file id, so a rename or a move while the copy is open in
// its application still finds the copy the user is editing. Text and
// rich-text topics open in the editor through the tree operations, not here.
//
// A worker only decompresses; the copy goes to its application on the UI
// thread, either when the worker's end is posted back or when the UI thread
// joins it (waitForWorkers), whichever comes first, and only once. Nothing
// here spins the event loop, so nothing queued runs in the middle of an exit.
//
// `session` and `launcher` are borrowed and must outlive the opener.
class TopicOpener final : public QObject {
    Q_OBJECT
public:
    // Says whether the editor holds `item` open: its working copy is the editor's.
    using EditorShows = std::function<bool(tree::ItemHandle item)>;

    TopicOpener(session::LoadedNotebook& session, EditorShows editorShows, Launcher& launcher,
                QObject* parent = nullptr);
    ~TopicOpener() override;

    // Writes `previous`'s working copy back, then opens `item` with its application.
    void openFileTopic(tree::ItemHandle item, tree::ItemHandle previous);
    // Puts the topic's working copy, if there is one, back into its topic file.
    // The editor's own topic is left to the editor. False when a copy exists
    // and could not be put back.
    bool compressWorkingCopy(tree::ItemHandle item);
    // Joins the workers still writing copies out and hands their copies to
    // their applications.
    void waitForWorkers();

Q_SIGNALS:
    // The desktop has no application for the topic's working copy `fileName`.
    void noApplication(const QString& fileName);
    // The topic's working copy `fileName` could not be written out whole (a
    // damaged topic file, a full disk): no application was started on it.
    void notExtracted(const QString& fileName);

private:
    // Which working copy belongs to which topic file.
    QString copyFor(const tree::TreeItem& topic) const;
    // Joins worker `id` if it is still pending, then opens its copy.
    void finish(quint64 id);

    // Drops a copy that could not be written out whole: nothing opens it,
    // and nothing puts it back over its topic file.
    void dropCopy(const QString& copy);

    struct Worker {
        quint64 id;
        QThread* thread; // owned; deleted once joined
        QString copy;
        std::shared_ptr<std::atomic<bool>> extracted; // set by the worker before it ends
    };

    session::LoadedNotebook& session_;
    EditorShows editorShows_;
    Launcher& launcher_;
    std::vector<Worker> workers_;
    quint64 lastWorkerId_ = 0;
    qint32 openedFileId_ = 0;
    QString openedCopy_;
};

} // namespace oxlin::app
