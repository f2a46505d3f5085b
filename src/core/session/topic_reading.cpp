#include "core/session/topic_reading.h"

#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"

#include <QDir>
#include <QFileInfo>

namespace oxlin::session {

namespace {

QString keepDamagedTopicFile(const QString& topicFile, const QString& workingFolder) {
    const QDir working(workingFolder);
    QDir dataFolder(working);
    dataFolder.cdUp();
    return store::keepDamagedCopy(topicFile, dataFolder.filePath(working.dirName() + u'.' +
                                                                 QFileInfo(topicFile).fileName() +
                                                                 QStringLiteral(".damaged")));
}

} // namespace

TopicRead readTopicFile(const QString& topicFile, const QString& workingFolder, qint64 limit) {
    TopicRead read;
    read.status = store::decompressFileToBuffer(topicFile, read.bytes, limit);
    if (read.tooLarge()) {
        read.bytes.clear();
        return read;
    }
    read.damaged = !read.status.ok() && QFileInfo(topicFile).size() > 0;
    if (read.damaged)
        read.keptCopy = keepDamagedTopicFile(topicFile, workingFolder);
    return read;
}

} // namespace oxlin::session
