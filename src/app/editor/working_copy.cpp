#include "app/editor/working_copy.h"

#include "core/store/atomic_file.h"
#include "core/store/compressed_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace oxlin::app {

void WorkingCopy::start(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    // Not reported: the editor shows the topic from `bytes`, and a save
    // writes the copy whole.
    (void)store::writeFileAtomically(path, bytes);
    path_ = path;
}

store::Status WorkingCopy::write(const QByteArray& bytes) const {
    return store::writeFileAtomically(path_, bytes);
}

bool WorkingCopy::putBack(const QString& topicFile) const {
    return store::compressFile(path_, topicFile).ok();
}

bool WorkingCopy::exportTopicFile(const QString& topicFile, const QString& target) {
    return store::decompressReplacing(topicFile, target).ok();
}

void WorkingCopy::discard() {
    if (!path_.isEmpty())
        QFile::remove(path_);
    path_.clear();
}

} // namespace oxlin::app
