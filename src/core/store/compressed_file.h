#pragma once

#include "core/store/file_system.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace oxlin::store {

class ByteSource;
class ByteSink;

// Why a codec stopped. The file operations collapse this to the 1/0 their
// callers expect; the stream functions keep it for tests and diagnostics.
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
// run on several threads at once. They return 1 on success and 0 on failure.
//
// compressFile leaves the target untouched when the source is missing, and
// replaces an existing target only once the new one is complete, so a failed
// compression never costs the previous compressed copy.
int compressFile(const QString& sourcePath, const QString& targetPath,
                 FileSystem& fs = FileSystem::real());

// For a target that does not exist yet (a new topic's file): written in
// place, which costs a fraction of a replace on file systems where the
// temporary file of a replace is slow to make. Refused (0) when the target
// exists; on any failure the partial target is removed.
int compressToNewFile(const QString& sourcePath, const QString& targetPath);

// decompressFile follows the rules callers depend on: a missing source leaves
// an empty target; a rejected header leaves an empty target; damaged data
// leaves the bytes decoded before the damage.
int decompressFile(const QString& sourcePath, const QString& targetPath);

// For a target the user chose (an export): the content is decoded into a new
// file beside `targetPath` and renamed over it only when complete, so a full
// disk or damaged data leaves whatever was there whole. A symbolic link at
// the target is replaced, never written through; a folder is never replaced.
// A missing source gives an empty file (a topic never saved). 1 or 0.
int decompressReplacing(const QString& sourcePath, const QString& targetPath);

// Decompresses a file into memory for callers that only read the content.
// `out` receives what was decoded (possibly partial on failure). Content
// that decodes to more than `limit` bytes is refused (0) with `out` empty;
// decompressFileStatus says which failure it was (TooLarge for this one).
int decompressFileToBuffer(const QString& sourcePath, QByteArray& out,
                           qint64 limit = kMaxDecodedInMemory);
CodecStatus decompressFileStatus(const QString& sourcePath, QByteArray& out,
                                 qint64 limit = kMaxDecodedInMemory);

// In-memory helpers over the same codec, with the same limit.
int compressBuffer(const QByteArray& data, QByteArray& out);
int decompressBuffer(const QByteArray& data, QByteArray& out, qint64 limit = kMaxDecodedInMemory);

} // namespace oxlin::store
