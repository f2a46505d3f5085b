#include "cli/commands.h"

#include "store/compressed_file.h"
#include "store/package.h"

namespace oxlin::cli {

namespace {

// 1 is success; anything else is said on stderr.
int fromResult(int result, const QString& failure) {
    if (result == 1)
        return kSuccess;
    complain(failure);
    return kFailure;
}

} // namespace

std::vector<Command> storeCommands() {
    return {
        {"compress", "SRC DST", "compress a file into the notebook's gzip format", 2, 2,
         [](const QStringList& a) {
             return fromResult(store::compressFile(a[0], a[1]),
                               QStringLiteral("cannot compress %1 into %2").arg(a[0], a[1]));
         }},
        {"decompress", "SRC DST", "decompress a gzip (or single-entry zip) file", 2, 2,
         [](const QStringList& a) {
             return fromResult(store::decompressFile(a[0], a[1]),
                               QStringLiteral("cannot decompress %1: it is missing, damaged or not "
                                              "a gzip or single-entry zip file").arg(a[0]));
         }},
        {"pack", "FOLDER PACKAGE", "pack the .xtz files of a folder into a notebook package", 2, 2,
         [](const QStringList& a) {
             return fromResult(store::packFolder(a[0], a[1]),
                               QStringLiteral("cannot pack %1 into %2").arg(a[0], a[1]));
         }},
        {"unpack", "PACKAGE FOLDER", "unpack a notebook package into a folder", 2, 2,
         [](const QStringList& a) {
             return fromResult(store::unpackPackage(a[1], a[0]),
                               QStringLiteral("cannot unpack %1: it is missing, damaged or not a "
                                              "notebook package").arg(a[0]));
         }},
    };
}

} // namespace oxlin::cli
