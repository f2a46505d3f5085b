#include "app/editor/working_copy.h"

#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace oxlin::app {

void WorkingCopy::start(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    store::writeFileAtomically(path, bytes);
    path_ = path;
}

bool WorkingCopy::write(const QByteArray& bytes, QFileDevice::FileError& error) const {
    return store::writeFileAtomically(path_, bytes, &error);
}

bool WorkingCopy::putBack(const QString& topicFile) const {
    return store::compressFile(path_, topicFile) == 1;
}

bool WorkingCopy::exportTopicFile(const QString& topicFile, const QString& target) {
    return store::decompressReplacing(topicFile, target) == 1;
}

void WorkingCopy::discard() {
    if (!path_.isEmpty())
        QFile::remove(path_);
    path_.clear();
}

} // namespace oxlin::app
