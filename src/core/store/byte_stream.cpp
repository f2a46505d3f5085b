#include "core/store/byte_stream.h"

#include <QIODevice>

#include <algorithm>
#include <new>

namespace oxlin::store {

qint64 DeviceSource::read(char* data, qint64 size) {
    // A device may deliver less than asked before its end (pipes, some file
    // systems); keep reading so callers only see a short count at the end.
    qint64 total = 0;
    while (total < size) {
        const qint64 got = device_.read(data + total, size - total);
        if (got < 0)
            return total > 0 ? total : -1;
        if (got == 0)
            break;
        total += got;
    }
    return total;
}

bool DeviceSink::write(const char* data, qint64 size) {
    qint64 total = 0;
    while (total < size) {
        const qint64 put = device_.write(data + total, size - total);
        if (put <= 0)
            return false;
        total += put;
    }
    return true;
}

qint64 BufferSource::read(char* data, qint64 size) {
    const qint64 count = std::min(size, bytes_.size() - position_);
    if (count <= 0)
        return 0;
    std::copy_n(bytes_.constData() + position_, count, data);
    position_ += count;
    return count;
}

bool BufferSink::write(const char* data, qint64 size) {
    try {
        bytes_.append(data, size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

bool CappedBufferSink::write(const char* data, qint64 size) {
    if (overLimit_ || size > limit_ - bytes_.size()) {
        overLimit_ = true;
        return false;
    }
    try {
        const qint64 needed = bytes_.size() + size;
        if (needed > bytes_.capacity())
            bytes_.reserve(qsizetype(std::min(limit_, std::max(needed, bytes_.capacity() * 2))));
        bytes_.append(data, size);
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

} // namespace oxlin::store
