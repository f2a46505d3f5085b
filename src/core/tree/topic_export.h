#pragma once

#include "core/tree/tree_model.h"

#include <QString>

namespace oxlin::tree {

// Whether a label can name one file or folder inside another folder: not
// empty, not "." or "..", and without "/", "\" or NUL. Labels come from a
// tree file that may have been made anywhere, so nothing may reach outside.
bool isPlainFileName(const QString& label);

// Writes the children of `folder` into the existing folder `destination`, in
// tree order: each topic's file decompressed to the file named by its label
// (a missing topic file gives an empty file; two topics with one label give
// one file, the later one's content), each sub-folder as a folder of its
// label with its own children, skipped with everything below it when it
// cannot be created. Labels that are not plain file names are skipped.
// Returns the number of topics whose file could not be written whole.
int exportChildren(const TopicTree& tree, ItemHandle folder, const QString& workingFolder,
                   const QString& destination);

} // namespace oxlin::tree
