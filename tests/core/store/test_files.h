#pragma once

// Small file helpers shared by the store tests.

#include "core/store/status.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <ostream>

namespace oxlin::store {

// A failed expectation on a Status prints its words rather than its bytes.
inline void PrintTo(const Status& status, std::ostream* out) {
    *out << status.toString().toStdString();
}

} // namespace oxlin::store

namespace oxlin::test {

inline QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

inline QString fixture(const char* name) {
    return QDir(QStringLiteral(OXLIN_STORE_FIXTURES)).filePath(QString::fromLatin1(name));
}

inline void appendLe32(QByteArray& bytes, quint32 value) {
    for (int i = 0; i < 4; ++i)
        bytes.append(char((value >> (8 * i)) & 0xFF));
}

inline void appendLe16(QByteArray& bytes, quint16 value) {
    bytes.append(char(value & 0xFF));
    bytes.append(char(value >> 8));
}

} // namespace oxlin::test
