#pragma once

#include <cstddef>
#include <cstdint>

// Layout of a notebook package (".xzz"), all integers unsigned 32-bit little-endian:
//
//   [data area: member bytes end to end][directory: N x 16-byte entries][trailer: data size]
//
// An entry is an 8-byte name (the member's name before its first ".", zero
// padded, no terminator when 8 long), the member's offset and its size. Every
// member is a ".xtz" compressed file; the extension is not stored.
namespace oxlin::store::package_format {

inline constexpr std::size_t kNameSize = 8;
inline constexpr std::size_t kEntrySize = 16;
inline constexpr std::size_t kTrailerSize = 4;

// The directory and trailer are assembled in, and read into, a 61,440-byte block.
inline constexpr std::size_t kDirectoryBlock = 61440;
inline constexpr std::size_t kMaxPackedEntries = (kDirectoryBlock - kTrailerSize) / kEntrySize; // 3,839
inline constexpr std::size_t kMaxReadEntries = kDirectoryBlock / kEntrySize;                   // 3,840

inline constexpr char kMemberExtension[] = ".xtz";

} // namespace oxlin::store::package_format
