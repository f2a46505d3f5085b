#pragma once

#include <QString>
#include <QtGlobal>

namespace oxlin::store {

// "%08X.XTZ": the name of the compressed file that holds topic `fileId`.
QString topicFileName(quint32 fileId);

// True for names ending in ".xtz" in any letter case.
bool hasCompressedExtension(const QString& fileName);

// Notebooks come from a case-insensitive file system, where "0000000A.xtz" and
// "0000000A.XTZ" are one file. Returns the path of the entry of `folder` whose
// name equals `fileName` without regard to case, or folder + "/" + fileName
// when there is none, so callers open the existing file and never create a twin.
QString resolveInFolder(const QString& folder, const QString& fileName);

} // namespace oxlin::store
