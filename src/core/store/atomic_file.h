#pragma once

#include <QByteArray>
#include <QString>

class QSaveFile;

namespace oxlin::store {

// Writes `bytes` to a new file beside `path` and renames it over `path` only
// when every byte is written, so readers see the old file or the new one,
// never half of one. Returns false (and leaves `path` as it was) on failure.
bool writeFileAtomically(const QString& path, const QByteArray& bytes);

// Flushes the file and commits it only when every byte reached the disk:
// QSaveFile::commit() does not report a failed final flush (a full disk)
// in every Qt version. On failure the write is cancelled and the old file
// stays as it was.
bool commitChecked(QSaveFile& file);

// Copies a damaged file to `target`, or to `target` followed by 1, 2, ... when
// that name is taken, before anything replaces the original. Returns the
// copy's path, or an empty string when no copy could be made.
QString keepDamagedCopy(const QString& source, const QString& target);

} // namespace oxlin::store
