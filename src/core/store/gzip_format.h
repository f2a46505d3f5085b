#pragma once

#include <cstddef>
#include <cstdint>

// The compressed-file format: one gzip member around raw deflate data, and the
// single-entry PKZIP archives the reader also accepts.
namespace oxlin::store::gzip_format {

// Every member we write starts with exactly these bytes: deflate, no flags,
// no time, no extra flags, OS code 11.
inline constexpr unsigned char kHeader[10] = {0x1F, 0x8B, 0x08, 0x00, 0x00,
                                              0x00, 0x00, 0x00, 0x00, 0x0B};
inline constexpr std::size_t kHeaderSize = sizeof(kHeader);
inline constexpr std::size_t kTrailerSize = 8; // CRC-32, ISIZE (little-endian)
inline constexpr int kCompressionLevel = 6;

inline constexpr unsigned char kId1 = 0x1F;
inline constexpr unsigned char kId2 = 0x8B;
inline constexpr unsigned char kId2Old = 0x9E; // accepted like 0x8B
inline constexpr unsigned char kMethodDeflate = 8;

// Header flag bits, as the reader interprets them.
inline constexpr unsigned char kFlagText = 0x01;      // ignored
inline constexpr unsigned char kFlagContinued = 0x02; // multi-part: rejected
inline constexpr unsigned char kFlagExtra = 0x04;
inline constexpr unsigned char kFlagName = 0x08;
inline constexpr unsigned char kFlagComment = 0x10;
inline constexpr unsigned char kFlagEncrypted = 0x20; // rejected
inline constexpr unsigned char kFlagReserved = 0xC0;  // rejected

// PKZIP local file header.
inline constexpr std::uint32_t kZipLocalSignature = 0x04034B50; // "PK\3\4"
inline constexpr std::uint32_t kZipDescriptorSignature = 0x08074B50;
inline constexpr std::size_t kZipLocalHeaderSize = 30;
inline constexpr std::uint16_t kZipFlagEncrypted = 0x0001;
inline constexpr std::uint16_t kZipFlagDescriptor = 0x0008;
inline constexpr std::uint16_t kZipMethodStored = 0;
inline constexpr std::uint16_t kZipMethodDeflated = 8;

// Block sizes: input is read in 32 KiB blocks; output leaves in larger ones.
inline constexpr std::size_t kInputBlock = 32 * 1024;
inline constexpr std::size_t kOutputBlock = 128 * 1024;

inline std::uint32_t readLe32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}
inline std::uint16_t readLe16(const unsigned char* p) {
    return std::uint16_t(p[0] | p[1] << 8);
}
inline void writeLe32(unsigned char* p, std::uint32_t v) {
    p[0] = v & 0xFF;
    p[1] = (v >> 8) & 0xFF;
    p[2] = (v >> 16) & 0xFF;
    p[3] = (v >> 24) & 0xFF;
}

} // namespace oxlin::store::gzip_format
