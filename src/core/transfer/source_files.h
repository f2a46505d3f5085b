#pragma once

// The files an import reads, by the names the file system really holds.
// A name need not be UTF-8: such a name is carried in a QString with each
// byte that does not decode held as U+DC80 + byte, so the same bytes come
// back when the file is opened, and nothing is ever read through a
// conversion that would lose them.

#include <QByteArray>
#include <QString>
#include <QtGlobal>

#include <vector>

namespace oxlin::transfer {

QString decodeNativePath(QByteArrayView bytes);
QByteArray encodeNativePath(const QString& path);
// The path as a person reads it: each byte that did not decode shown as U+FFFD.
QString readablePath(const QString& path);
// A file name read as text: UTF-8 when it is, else Windows-1252, the code
// page such names most often come from; bytes that page leaves undefined
// become U+FFFD.
QString readableName(const QString& name);

enum class SourceType {
    Missing,
    File,         // a regular file (or a link to one)
    Folder,       // a folder (or a link to one, see isLink)
    Special,      // a pipe, a device, a socket: never read
    Unreadable,   // its type could not be learned
};

struct SourceEntry {
    QString name; // decoded as decodeNativePath does
    QString path;
    SourceType type = SourceType::Missing;
    bool isLink = false;
};

SourceEntry sourceEntry(const QString& path);

// The entries of a folder in the order the file system gives them, "." and
// ".." left out. False when the folder cannot be read.
bool listFolder(const QString& folder, std::vector<SourceEntry>& entries);

enum class CopyResult {
    Written,
    NotRegular,  // opened, and found not to be a regular file
    Unreadable,  // could not be opened or read
    TooLarge,    // more than the limit was there to read
    WriteFailed, // the target could not be written
};

// Compresses the regular file `sourcePath` into the new file `targetPath`,
// reading at most `limit` bytes: a file that holds more, or grows past it
// while read, is refused and its partial target removed. The open never
// waits (a pipe without a writer, a device) and what is opened is checked
// to be a regular file before a byte is read. `bytesRead` gets the size read.
CopyResult compressRegularFile(const QString& sourcePath, const QString& targetPath, qint64 limit,
                               qint64& bytesRead);

} // namespace oxlin::transfer
