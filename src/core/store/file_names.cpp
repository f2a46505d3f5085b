#include "core/store/file_names.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>

namespace oxlin::store {

QString topicFileName(quint32 fileId) {
    return QStringLiteral("%1.XTZ").arg(fileId, 8, 16, QLatin1Char('0')).toUpper();
}

bool hasCompressedExtension(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".xtz"), Qt::CaseInsensitive);
}

QString resolveInFolder(const QString& folder, const QString& fileName) {
    // Not QDir::filePath, which returns a name starting with ":" (a resource
    // path to Qt) alone, outside the folder.
    const QString exact = QDir(folder).path() + QLatin1Char('/') + fileName;
    if (QFileInfo::exists(exact))
        return exact;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden |
                                QDir::System);
    while (it.hasNext()) {
        it.next();
        if (it.fileName().compare(fileName, Qt::CaseInsensitive) == 0)
            return it.filePath();
    }
    return exact;
}

} // namespace oxlin::store
