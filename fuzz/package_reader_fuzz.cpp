// Feeds arbitrary bytes to the package reader as a notebook package and
// unpacks it into a folder that holds a symbolic link named like a member.
// Whatever the package says, nothing may appear outside that folder, the
// link's target is never written, and the folder holds only plain files.
// Build and run as fuzz/README.md shows.

#include "core/store/package.h"

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void check(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "package_reader_fuzz: %s\n", what);
        std::abort();
    }
}

void writeFile(const QString& path, QByteArrayView bytes) {
    QFile file(path);
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "cannot write a fixture");
    file.write(bytes.data(), bytes.size());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir root;
    // The working directory is an empty folder of its own, so a member
    // written relative to it shows too.
    static const bool inPlace = QDir(root.path()).mkpath(QStringLiteral("cwd")) &&
                                QDir::setCurrent(QDir(root.path()).filePath(QStringLiteral("cwd")));
    check(inPlace, "cannot enter the working directory");
    const QDir top(root.path());
    const QString folder = top.filePath(QStringLiteral("nest/work"));
    QDir(folder).removeRecursively();
    check(top.mkpath(QStringLiteral("nest/work")), "cannot make the folder");
    const QString victim = top.filePath(QStringLiteral("nest/victim"));
    writeFile(victim, "victim");
    check(QFile::link(QStringLiteral("../victim"), QDir(folder).filePath(QStringLiteral("Z.xtz"))),
          "cannot make the link");
    const QString package = top.filePath(QStringLiteral("book.xzz"));
    writeFile(package, QByteArrayView(reinterpret_cast<const char*>(data), qsizetype(size)));

    (void)oxlin::store::unpackPackage(folder, package);

    QFile kept(victim);
    check(kept.open(QIODevice::ReadOnly) && kept.readAll() == "victim", "the link's target was written");
    check(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                  == QStringList({QStringLiteral("book.xzz"), QStringLiteral("cwd"), QStringLiteral("nest")}),
          "something appeared beside the package");
    check(QDir::current().isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
          "something appeared in the working directory");
    check(QDir(top.filePath(QStringLiteral("nest")))
                  .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System)
                  == QStringList({QStringLiteral("victim"), QStringLiteral("work")}),
          "something appeared beside the folder");
    QDirIterator it(folder, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
    while (it.hasNext()) {
        it.next();
        const QFileInfo entry = it.fileInfo();
        if (entry.fileName() == QLatin1String("Z.xtz") && entry.isSymLink())
            continue; // the package had no Z member
        check(entry.isFile() && !entry.isSymLink(), "the folder holds something that is not a plain file");
        check(entry.fileName().endsWith(QLatin1String(".xtz")), "a member lost its extension");
    }
    return 0;
}
