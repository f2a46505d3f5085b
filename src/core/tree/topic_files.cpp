#include "core/tree/topic_files.h"

#include "core/paths/notebook_paths.h"
#include "core/store/file_names.h"

#include <QDir>

namespace oxlin::tree {

QString topicFilePath(const QString& workingFolder, qint32 fileId) {
    return store::resolveInFolder(workingFolder, store::topicFileName(quint32(fileId)));
}

QString workingCopyPath(const QString& workingFolder, const QString& label) {
    if (!store::isEntryName(label))
        return {};
    const bool reserved =
        store::hasCompressedExtension(label) ||
        label.compare(QLatin1String(paths::kTreeFileName), Qt::CaseInsensitive) == 0 ||
        label.compare(QLatin1String(paths::kRuntimeFileName), Qt::CaseInsensitive) == 0 ||
        label.compare(QLatin1String(paths::kTopicIndexFileName), Qt::CaseInsensitive) == 0 ||
        label.compare(QLatin1String(paths::kSearchIndexFileName), Qt::CaseInsensitive) == 0 ||
        label.compare(QLatin1String(kReservedCopiesFolder), Qt::CaseInsensitive) == 0;
    const QDir folder(workingFolder);
    return reserved ? folder.filePath(QLatin1String(kReservedCopiesFolder) + u'/' + label)
                    : folder.filePath(label);
}

} // namespace oxlin::tree
