#pragma once

#include <QString>

#include <functional>

namespace oxlin::transfer {

// `name` when `taken` says it is free, else the first free one of
// "base (2).ext", "base (3).ext", ... The extension is kept at the end when
// `keepExtension` is set (files), so "Notes.txt" becomes "Notes (2).txt".
QString freeName(const QString& name, bool keepExtension,
                 const std::function<bool(const QString&)>& taken);

// A file or folder name made into a label the tree file can carry: the
// characters a label may not hold become "_", and it is cut to 255 bytes.
QString labelForName(const QString& name);

} // namespace oxlin::transfer
