// Reading a topic's file for the editor: decoded in memory up to a limit, and
// a damaged file kept aside before a save can replace it.
#pragma once

#include "core/store/status.h"

#include <QByteArray>
#include <QString>

namespace oxlin::session {

struct TopicRead {
    store::Status status;
    QByteArray bytes;     // what could be decoded, at most the limit; empty when TooLarge
    bool damaged = false; // the file holds bytes, but they could not all be decoded
    QString keptCopy;     // where the damaged file was copied; empty when it was not
    bool tooLarge() const { return status.code() == store::Status::Code::TooLarge; }
};

// Decodes the topic file `topicFile` of the working folder `workingFolder`,
// at most `limit` bytes, so a topic too large to open never reaches the
// memory in full; a missing or empty file reads as an empty topic. Saving a
// topic replaces its file, so a damaged one is first copied beside the
// notebook's package ("NOTEBOOK.NAME.damaged"), where neither packing nor
// closing removes it. A topic too large is not read, and so never written
// back: its file needs no copy.
TopicRead readTopicFile(const QString& topicFile, const QString& workingFolder, qint64 limit);

} // namespace oxlin::session
