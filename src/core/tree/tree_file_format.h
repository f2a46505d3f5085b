#pragma once

// Tree.ini, the tree file of a notebook's working folder.
//
// One section per folder that has children, and one for the top level when the
// tree is not empty. A section is named "\" + the folder's item path ("[\]"
// for the top level) and lists the folder's children in sibling order, one
// "label=value" line each: a topic's file id, or 0 for a folder. Lines end in
// CR LF. Sections are written depth first in post-order, so a folder's
// section precedes its parent's and "[\]" is always last. An empty tree is a
// 0-byte file.
//
// Reading gives each folder its sub-folders first, in file order, then its
// topics, in file order. Section names and labels are taken exactly, blanks
// at either end included.
namespace oxlin::tree::tree_file_format {

inline constexpr char kFileName[] = "Tree.ini";
inline constexpr char kCompressedFileName[] = "Tree.xtz";
inline constexpr char kPathSeparator = '\\';
inline constexpr int kFolderValue = 0;

// Longest label in bytes of UTF-8: the longest file name the file systems we
// run on take. Longer labels in a file are skipped when it is read.
inline constexpr long long kMaxLabelBytes = 255;

// What a folder whose label is empty (only a damaged or hand-made file has
// one) is called when it is read; its section is still found by its empty
// label.
inline constexpr char kUnnamedFolderLabel[] = "(no name)";

} // namespace oxlin::tree::tree_file_format
