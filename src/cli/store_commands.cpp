#include "cli/commands.h"

#include "core/store/compressed_file.h"
#include "core/store/package.h"

#include <QDir>
#include <QFileInfo>

namespace oxlin::cli {

namespace {

// The exit status for `status`; a failure is said on stderr.
int fromResult(const store::Status& status, const QString& failure) {
    if (status.ok())
        return kSuccess;
    complain(failure);
    return kFailure;
}

// Unpacks, then names every member that was left out: a partial unpack is a failure.
int unpack(const QString& package, const QString& folder) {
    store::UnpackReport report;
    if (QFileInfo(package).isFile() && !QDir().mkpath(folder)) {
        complain(Texts::tr("cannot create the folder %1").arg(folder));
        return kFailure;
    }
    if (!store::unpackPackage(folder, package, &report).ok()) {
        complain(Texts::tr("cannot unpack %1: it is missing, damaged or not a notebook package")
                     .arg(package));
        return kFailure;
    }
    for (const QString& name : report.unsafeNames)
        complain(Texts::tr("skipped member \"%1\": not a plain file name").arg(name));
    for (const QString& name : report.caseTwins)
        complain(Texts::tr("skipped member \"%1\": an earlier member has the same name in "
                           "another letter case")
                     .arg(name));
    for (const QString& name : report.failed)
        complain(Texts::tr("cannot write member \"%1\" into %2").arg(name, folder));
    return report.complete() ? kSuccess : kFailure;
}

} // namespace

std::vector<Command> storeCommands() {
    return {
        {"compress", "SRC DST",
         QT_TRANSLATE_NOOP("oxlin::cli::Texts", "compress a file into the notebook's gzip format"),
         2, 2,
         [](const QStringList& a) {
             return fromResult(store::compressFile(a[0], a[1]),
                               Texts::tr("cannot compress %1 into %2").arg(a[0], a[1]));
         }},
        {"decompress", "SRC DST",
         QT_TRANSLATE_NOOP("oxlin::cli::Texts", "decompress a gzip (or single-entry zip) file"), 2,
         2,
         [](const QStringList& a) {
             return fromResult(store::decompressFile(a[0], a[1]),
                               Texts::tr("cannot decompress %1: it is missing, damaged or not "
                                         "a gzip or single-entry zip file")
                                   .arg(a[0]));
         }},
        {"pack", "FOLDER PACKAGE",
         QT_TRANSLATE_NOOP("oxlin::cli::Texts",
                           "pack the .xtz files of a folder into a notebook package"),
         2, 2,
         [](const QStringList& a) {
             return fromResult(store::packFolder(a[0], a[1]),
                               Texts::tr("cannot pack %1 into %2").arg(a[0], a[1]));
         }},
        {"unpack", "PACKAGE FOLDER",
         QT_TRANSLATE_NOOP("oxlin::cli::Texts", "unpack a notebook package into a folder"), 2, 2,
         [](const QStringList& a) { return unpack(a[0], a[1]); }},
    };
}

} // namespace oxlin::cli
