// The open topic's plain working copy on disk, and its way back into the topic file.
#pragma once

#include "core/store/status.h"

#include <QByteArray>
#include <QString>

namespace oxlin::app {

// The files behind the editor: the topic file (compressed, in the working
// folder) and the working copy beside it that holds the topic's bytes while
// it is open. Knows nothing of the control or of formats; the editor host
// decides when to read and write, and reads the topic file through
// session::readTopicFile.
class WorkingCopy {
public:
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
    // Deletes the copy's file and forgets it.
    void discard();
    // Forgets the copy, leaving its file.
    void forget() { path_.clear(); }

private:
    QString path_;
};

} // namespace oxlin::app
