#pragma once

#include "core/store/file_system.h"
#include "core/store/status.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace oxlin::store {

class ByteSource;
class ByteSink;

// Why a codec stopped. The stream functions return it; the file and buffer
// operations below turn it into a Status naming the file at fault.
enum class CodecStatus {
    Ok,
    BadHeader,   // not a member we accept; nothing was written
    BadData,     // invalid deflate data, early end, CRC or length mismatch
    ReadFailed,  // the source reported a read error
    WriteFailed, // the sink refused bytes
    NoMemory,
    TooLarge,    // decoded content passed the caller's limit; nothing more was kept
};

// The most a topic may decode to when it is read into memory (the editor,
// the content search). A small package can hold a member that decodes to
// gigabytes; past this size reading stops and the topic is refused.
inline constexpr qint64 kMaxDecodedInMemory = qint64(256) * 1024 * 1024;

// Writes one gzip member (fixed 10-byte header, level-6 deflate, CRC-32 and
// ISIZE trailer) holding everything `source` delivers.
CodecStatus compressStream(ByteSource& source, ByteSink& sink);

// Reads the first gzip member, or a single-entry PKZIP archive, and writes
// what it decodes to `sink` as it goes; on failure the sink keeps what was
// decoded before the fault.
CodecStatus decompressStream(ByteSource& source, ByteSink& sink);

// File to file. Both stream through fixed buffers, share no state, and may
// run on several threads at once. A failure names the file at fault: damaged
// data (Corrupt) or a failed read the source, a failed write the target,
// with the system's error where the system gave one.
//
// compressFile leaves the target untouched when the source is missing
// (NotFound), and replaces an existing target only once the new one is
// complete, so a failed compression never costs the previous compressed copy.
Status compressFile(const QString& sourcePath, const QString& targetPath,
                    FileSystem& fs = FileSystem::real());

// For a target that does not exist yet (a new topic's file): written in
// place, which costs a fraction of a replace on file systems where the
// temporary file of a replace is slow to make. Refused when the target
// exists; on any failure the partial target is removed.
Status compressToNewFile(const QString& sourcePath, const QString& targetPath);

// decompressFile follows the rules callers depend on: a missing source leaves
// an empty target (NotFound); a rejected header leaves an empty target;
// damaged data leaves the bytes decoded before the damage (both Corrupt).
// A target that is the source itself is Refused.
Status decompressFile(const QString& sourcePath, const QString& targetPath);

// For a target the user chose (an export): the content is decoded into a new
// file beside `targetPath` and renamed over it only when complete, so a full
// disk or damaged data leaves whatever was there whole. A symbolic link at
// the target is replaced, never written through; a folder is never replaced
// (Refused). A missing source gives an empty file (a topic never saved) and
// is ok.
Status decompressReplacing(const QString& sourcePath, const QString& targetPath);

// Decompresses a file into memory for callers that only read the content.
// `out` receives what was decoded (possibly partial when Corrupt). A missing
// file is NotFound, one that cannot be read ReadFailed; content that decodes
// to more than `limit` bytes is TooLarge, with `out` empty.
Status decompressFileToBuffer(const QString& sourcePath, QByteArray& out,
                              qint64 limit = kMaxDecodedInMemory);

// In-memory helpers over the same codec, with the same limit. Their
// failures carry no path.
Status compressBuffer(const QByteArray& data, QByteArray& out);
Status decompressBuffer(const QByteArray& data, QByteArray& out,
                        qint64 limit = kMaxDecodedInMemory);

} // namespace oxlin::store
