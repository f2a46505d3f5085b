// The open topic's plain working copy on disk, and its way back into the topic file.
#pragma once

#include "core/store/compressed_file.h"

#include <QByteArray>
#include <QString>

namespace oxlin::app {

// The files behind the editor: the topic file (compressed, in the working
// folder) and the working copy beside it that holds the topic's bytes while
// it is open. Knows nothing of the control or of formats; the editor host
// decides when to read and write.
class WorkingCopy {
public:
    // The topic file decoded in memory, at most `limit` bytes: a topic too
    // large to open never reaches the memory in full.
    static store::Status readTopicFile(const QString& topicFile, qint64 limit, QByteArray& bytes);

    bool isSet() const { return !path_.isEmpty(); }
    const QString& path() const { return path_; }

    // Makes `path` the working copy, holding `bytes`.
    void start(const QString& path, const QByteArray& bytes);
    // Replaces the copy's bytes, written beside and renamed, so a failed
    // write leaves the last good copy.
    store::Status write(const QByteArray& bytes) const;
    // Compresses the copy into the topic file. False when it could not be.
    bool putBack(const QString& topicFile) const;
    // Writes the topic file's bytes, decoded, to `target` (an export).
    static bool exportTopicFile(const QString& topicFile, const QString& target);
    // Saving a topic replaces its file, so a damaged one is first copied
    // beside the notebook's package ("NOTEBOOK.NAME.damaged"), where neither
    // packing nor closing removes it. The copy's path, or empty.
    static QString keepDamagedTopicFile(const QString& topicFile, const QString& workingFolder);
    // Deletes the copy's file and forgets it.
    void discard();
    // Forgets the copy, leaving its file.
    void forget() { path_.clear(); }

private:
    QString path_;
};

} // namespace oxlin::app
