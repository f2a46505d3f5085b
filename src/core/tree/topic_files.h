// Where a topic's bytes live in the working folder: its topic file and the
// working copy an open topic is written to.
#pragma once

#include <QString>
#include <QtGlobal>

namespace oxlin::tree {

// The topic file of `fileId` in the working folder ("%08X.XTZ", found without
// regard to letter case).
QString topicFilePath(const QString& workingFolder, qint32 fileId);

// The working copy of an open topic: the file named by its label in the
// working folder. A label that names one of the notebook's own files there
// ("Tree.ini", "Z.ini", the index files, anything ending in ".xtz", which
// packing would take for a member) gets its copy in the sub-folder
// kReservedCopiesFolder instead; callers create it. Empty when the label
// cannot name a file inside the folder (empty, ".", "..", or containing "/"
// or NUL), so callers refuse to open it rather than write elsewhere.
QString workingCopyPath(const QString& workingFolder, const QString& label);
inline constexpr char kReservedCopiesFolder[] = "Copies";

} // namespace oxlin::tree
