// Feeds arbitrary bytes to the profile service as an INI file, reads from it,
// then writes one key and reads it back: whatever the file held, the key
// written is the key found. Build and run as fuzz/README.md shows.

#include "core/store/profile.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static QTemporaryDir root;
    static oxlin::store::ProfileService profiles;
    const QString path = QDir(root.path()).filePath(QStringLiteral("Z.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    const QString section = QStringLiteral("RunTimeData");
    const QString key = QStringLiteral("FileIDCount");
    (void)profiles.readSection(path, section);
    (void)oxlin::store::leadingInteger(profiles.readString(path, section, key));
    (void)profiles.find(path, QStringLiteral("Settings"), QStringLiteral("LastBook"));
    if (!profiles.writeString(path, section, key, QStringLiteral("42")) ||
        profiles.readString(path, section, key) != QLatin1String("42")) {
        std::fprintf(stderr, "profile_reader_fuzz: a written key does not read back\n");
        std::abort();
    }
    return 0;
}
