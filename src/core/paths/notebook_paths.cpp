#include "core/paths/notebook_paths.h"

#include "core/store/file_names.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace oxlin::paths {

QString usableNotebookName(const QString& name) {
    QString cut = name.left(CurrentBook::kMaxNameLength);
    if (cut.size() == CurrentBook::kMaxNameLength && cut.back().isHighSurrogate())
        cut.chop(1);
    // Names beginning with "." are the data folder's own (the lock, a folder
    // being removed), and so is the settings file's.
    if (cut.isEmpty() || cut.startsWith(QLatin1Char('.')) ||
        cut.compare(QLatin1String(kSettingsFileName), Qt::CaseInsensitive) == 0 ||
        cut.contains(QLatin1Char('/')) || cut.contains(QLatin1Char('\\')) ||
        cut.contains(QChar(0)) ||
        // Its working folder would be another notebook's package.
        cut.endsWith(QLatin1String(kPackageExtension), Qt::CaseInsensitive))
        return QString::fromLatin1(CurrentBook::kDefaultName);
    return cut;
}

NotebookPaths NotebookPaths::forNotebook(const QString& dataFolder, const QString& notebookName) {
    NotebookPaths paths;
    const QDir data(dataFolder);
    paths.dataFolder = QDir::toNativeSeparators(dataFolder);
    paths.settingsFile = QDir::toNativeSeparators(data.filePath(QLatin1String(kSettingsFileName)));
    paths.packageFile =
        QDir::toNativeSeparators(data.filePath(notebookName + QLatin1String(kPackageExtension)));
    paths.workingFolder = QDir::toNativeSeparators(data.filePath(notebookName));
    const QDir working(data.filePath(notebookName));
    const auto inWorking = [&](const char* name) {
        return QDir::toNativeSeparators(working.filePath(QLatin1String(name)));
    };
    paths.runtimeFile = inWorking(kRuntimeFileName);
    paths.searchIndexFile = inWorking(kSearchIndexFileName);
    paths.topicIndexFile = inWorking(kTopicIndexFileName);
    paths.treeFile = inWorking(kTreeFileName);
    return paths;
}

QString NotebookPaths::compressedTreeFile() const {
    return QDir::toNativeSeparators(
        store::resolveInFolder(workingFolder, QLatin1String(kCompressedTreeFileName)));
}

QString NotebookPaths::keptPackageFile() const {
    return QDir(workingFolder).filePath(QLatin1String(kKeptPackageFileName));
}

QString NotebookPaths::compressedRuntimeFile() const {
    return QDir::toNativeSeparators(
        store::resolveInFolder(workingFolder, QLatin1String(kCompressedRuntimeFileName)));
}

QString chooseDataFolder(const QString& executableFolder, const QString& userDataFolder,
                         const std::function<bool(const QString&)>& isWritable) {
    const QString portable = QDir(executableFolder).filePath(QLatin1String(kDataFolderName));
    const bool usePortable =
        QFileInfo(portable).isDir() ? isWritable(portable) : isWritable(executableFolder);
    return QDir::toNativeSeparators(
        usePortable ? portable : QDir(userDataFolder).filePath(QLatin1String(kDataFolderName)));
}

bool isWritableFolder(const QString& folder) {
    const QFileInfo info(folder);
    return info.isDir() && info.isWritable();
}

QString defaultDataFolder() {
    return chooseDataFolder(QCoreApplication::applicationDirPath(),
                            QStandardPaths::writableLocation(QStandardPaths::AppDataLocation),
                            isWritableFolder);
}

} // namespace oxlin::paths
