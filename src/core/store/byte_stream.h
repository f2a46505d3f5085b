#pragma once

#include <QByteArray>
#include <QtGlobal>

class QIODevice;

namespace oxlin::store {

// Where the codecs read from. Kept this small so tests can inject short reads
// and failures, and so the same decoder fills a file or a memory buffer.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Reads up to `size` bytes. Returns the count read, 0 at the end, -1 on a read error.
    virtual qint64 read(char* data, qint64 size) = 0;
};

class ByteSink {
public:
    virtual ~ByteSink() = default;
    // Returns false when not every byte could be written.
    virtual bool write(const char* data, qint64 size) = 0;
};

// Adapters over an open device. The device is borrowed and must outlive the adapter.
class DeviceSource final : public ByteSource {
public:
    explicit DeviceSource(QIODevice& device) : device_(device) {}
    qint64 read(char* data, qint64 size) override;

private:
    QIODevice& device_;
};

class DeviceSink final : public ByteSink {
public:
    explicit DeviceSink(QIODevice& device) : device_(device) {}
    bool write(const char* data, qint64 size) override;

private:
    QIODevice& device_;
};

// Reads a byte array that the caller keeps alive.
class BufferSource final : public ByteSource {
public:
    explicit BufferSource(const QByteArray& bytes) : bytes_(bytes) {}
    qint64 read(char* data, qint64 size) override;

private:
    const QByteArray& bytes_;
    qint64 position_ = 0;
};

// Appends to a byte array that the caller keeps alive.
class BufferSink final : public ByteSink {
public:
    explicit BufferSink(QByteArray& bytes) : bytes_(bytes) {}
    bool write(const char* data, qint64 size) override;

private:
    QByteArray& bytes_;
};

// Appends to a byte array, refusing any write that would take it past
// `limit` bytes (and then every later one). Growth is done here, in steps
// that never reserve beyond the limit.
class CappedBufferSink final : public ByteSink {
public:
    CappedBufferSink(QByteArray& bytes, qint64 limit) : bytes_(bytes), limit_(limit) {}
    bool write(const char* data, qint64 size) override;
    bool overLimit() const { return overLimit_; }

private:
    QByteArray& bytes_;
    qint64 limit_;
    bool overLimit_ = false;
};

} // namespace oxlin::store
