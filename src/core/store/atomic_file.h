#pragma once

#include "core/store/file_system.h"
#include "core/store/status.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QFileDevice;
class QSaveFile;

namespace oxlin::store {

// Opens `file` for an atomic replace of its path. QSaveFile writes through a
// symbolic link to the link's target; a link in a working folder may point
// anywhere, so an existing link is removed first and the new file takes its
// place. A directory or another non-regular file is never replaced (Refused).
Status openForReplace(QSaveFile& file);

// Commits a QSaveFile only when every byte reached the file: the buffered
// tail is flushed and checked first, because QSaveFile::commit() does not
// report a failed final flush (a full disk would replace a good file with a
// short one). On any failure the temporary file is dropped, the target is
// left as it was, and the result is WriteFailed with the system's error
// (errno says the same on return, for callers behind the FileSystem seam).
Status commitChecked(QSaveFile& file);

// Writes `bytes` to a new file beside `path` and renames it over `path` only
// when every byte is written, so readers see the old file or the new one,
// never half of one; then syncs the folder, so that a power cut after an
// ok return cannot bring the old file back. On failure `path` is left as it
// was, unless only the folder's sync failed.
Status writeFileAtomically(const QString& path, const QByteArray& bytes,
                           FileSystem& fs = FileSystem::real());

// Renames `from` over `to` in one step, replacing a file or a symbolic link
// of that name (never its target). WriteFailed on `to` when the rename failed.
Status replaceWith(const QString& from, const QString& to);

// Starts writing the data of `file` (open, written, flushed) to disk without
// waiting for it, so that a later syncFiles finds it mostly written: the
// disk works through a batch of files while the program writes the next.
// Nothing on systems without a way to ask for it.
void startWriteBack(const QFileDevice& file);

// Waits until the data of every file in `paths` (written without a sync
// each) and then the names in `folder` are on disk: the files this program
// wrote and nothing else, so that another program's writes never make the
// wait longer (as a sync of the whole file system would). WriteFailed on the
// first of `paths` whose sync failed (every one is tried), else on `folder`.
Status syncFiles(const QString& folder, const QStringList& paths);

// Copies a damaged file to `target`, or to `target` followed by 1, 2, ... when
// that name is taken (an earlier copy is never replaced), before anything
// replaces the original. Returns the copy's path, or an empty string when no
// copy could be made.
QString keepDamagedCopy(const QString& source, const QString& target,
                        FileSystem& fs = FileSystem::real());

} // namespace oxlin::store
