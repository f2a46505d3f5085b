// Z.ini of two sides of a merge.
#pragma once

#include <QByteArray>
#include <QtGlobal>

namespace oxlin::merge {

// Ours' Z.ini with theirs' keyword history added (ours' keywords first, then
// those of theirs that ours lacks, without regard to case, at most the 20 the
// history holds, the newest kept), sections only theirs has added, and
// FileIDCount the largest of ours, theirs and `leastFileIdCount`.
QByteArray mergeRuntimeText(const QByteArray& ours, const QByteArray& theirs,
                            qint32 leastFileIdCount);

// FileIDCount of a Z.ini text; 0 when it has none.
qint32 fileIdCountOf(const QByteArray& runtimeText);

} // namespace oxlin::merge
