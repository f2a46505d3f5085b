// The gzip codec over byte streams: deflate out, and inflate of gzip members
// (with their trailers checked) and of single-entry zip archives.
#include "core/store/compressed_file.h"

#include "core/store/byte_stream.h"
#include "core/store/gzip_format.h"

#include <zlib.h>

#include <cstring>
#include <memory>

namespace oxlin::store {

namespace fmt = gzip_format;

namespace {

// Buffered reader over a ByteSource with exact-size reads for headers and
// trailers; the inflater takes its input straight from the same buffer.
class InputBuffer {
public:
    explicit InputBuffer(ByteSource& source)
        : source_(source), data_(new unsigned char[fmt::kInputBlock]) {}

    // Makes bytes available; false at the end of the source or on a read error.
    bool fill() {
        if (position_ < length_)
            return true;
        const qint64 got = source_.read(reinterpret_cast<char*>(data_.get()), fmt::kInputBlock);
        position_ = 0;
        length_ = got > 0 ? std::size_t(got) : 0;
        if (got < 0)
            readError_ = true;
        return length_ > 0;
    }

    // Makes at least `count` bytes available unless the source ends first.
    bool ensure(std::size_t count) {
        if (available() >= count)
            return true;
        std::memmove(data_.get(), data_.get() + position_, available());
        length_ = available();
        position_ = 0;
        while (length_ < count) {
            const qint64 got = source_.read(reinterpret_cast<char*>(data_.get() + length_),
                                            qint64(fmt::kInputBlock - length_));
            if (got < 0)
                readError_ = true;
            if (got <= 0)
                return false;
            length_ += std::size_t(got);
        }
        return true;
    }

    bool readExact(unsigned char* out, std::size_t count) {
        while (count > 0) {
            if (!fill())
                return false;
            const std::size_t take = std::min(count, length_ - position_);
            std::memcpy(out, data_.get() + position_, take);
            position_ += take;
            out += take;
            count -= take;
        }
        return true;
    }

    bool skip(std::size_t count) {
        while (count > 0) {
            if (!fill())
                return false;
            const std::size_t take = std::min(count, length_ - position_);
            position_ += take;
            count -= take;
        }
        return true;
    }

    bool skipZeroTerminated() {
        for (;;) {
            if (!fill())
                return false;
            const unsigned char* begin = data_.get() + position_;
            const auto* zero =
                static_cast<const unsigned char*>(std::memchr(begin, 0, length_ - position_));
            if (zero) {
                position_ += std::size_t(zero - begin) + 1;
                return true;
            }
            position_ = length_;
        }
    }

    unsigned char* current() { return data_.get() + position_; }
    std::size_t available() const { return length_ - position_; }
    void consume(std::size_t count) { position_ += count; }
    bool readError() const { return readError_; }

private:
    ByteSource& source_;
    std::unique_ptr<unsigned char[]> data_;
    std::size_t position_ = 0;
    std::size_t length_ = 0;
    bool readError_ = false;
};

// What the decoder produced, for checking against a trailer or descriptor.
struct Produced {
    uLong crc = crc32(0L, Z_NULL, 0);
    std::uint64_t size = 0;
};

class OutputWriter {
public:
    explicit OutputWriter(ByteSink& sink) : sink_(sink) {}
    bool write(const unsigned char* data, std::size_t count, Produced& produced) {
        if (count == 0)
            return true;
        produced.crc = crc32_z(produced.crc, data, count);
        produced.size += count;
        return sink_.write(reinterpret_cast<const char*>(data), qint64(count));
    }

private:
    ByteSink& sink_;
};

CodecStatus endOfInputStatus(const InputBuffer& in) {
    return in.readError() ? CodecStatus::ReadFailed : CodecStatus::BadData;
}

// Inflates one raw deflate stream from `in`, leaving `in` just past its end.
CodecStatus inflateRaw(InputBuffer& in, OutputWriter& out, Produced& produced) {
    z_stream stream{};
    if (inflateInit2(&stream, -MAX_WBITS) != Z_OK)
        return CodecStatus::NoMemory;
    std::unique_ptr<unsigned char[]> buffer(new unsigned char[fmt::kOutputBlock]);
    CodecStatus status = CodecStatus::Ok;
    for (bool done = false; !done;) {
        if (!in.fill()) {
            status = endOfInputStatus(in);
            break;
        }
        stream.next_in = in.current();
        stream.avail_in = uInt(in.available());
        const uInt offered = stream.avail_in;
        int result = Z_OK;
        do {
            stream.next_out = buffer.get();
            stream.avail_out = uInt(fmt::kOutputBlock);
            result = inflate(&stream, Z_NO_FLUSH);
            const std::size_t count = fmt::kOutputBlock - stream.avail_out;
            if (!out.write(buffer.get(), count, produced)) {
                status = CodecStatus::WriteFailed;
                done = true;
                break;
            }
            if (result == Z_STREAM_END) {
                done = true;
                break;
            }
            if (result == Z_MEM_ERROR) {
                status = CodecStatus::NoMemory;
                done = true;
                break;
            }
            if (result != Z_OK && result != Z_BUF_ERROR) {
                status = CodecStatus::BadData;
                done = true;
                break;
            }
        } while (stream.avail_out == 0);
        in.consume(offered - stream.avail_in);
    }
    inflateEnd(&stream);
    return status;
}

CodecStatus copyStored(InputBuffer& in, OutputWriter& out, Produced& produced, std::uint32_t size) {
    std::uint32_t remaining = size;
    while (remaining > 0) {
        if (!in.fill())
            return endOfInputStatus(in);
        const std::size_t take = std::min<std::size_t>(remaining, in.available());
        if (!out.write(in.current(), take, produced))
            return CodecStatus::WriteFailed;
        in.consume(take);
        remaining -= std::uint32_t(take);
    }
    return CodecStatus::Ok;
}

bool matches(const Produced& produced, std::uint32_t crc, std::uint32_t size) {
    return std::uint32_t(produced.crc) == crc && std::uint32_t(produced.size) == size;
}

CodecStatus decodeGzip(InputBuffer& in, OutputWriter& out) {
    unsigned char header[fmt::kHeaderSize];
    if (!in.readExact(header, sizeof header))
        return CodecStatus::BadHeader;
    const unsigned char flags = header[3];
    if (header[2] != fmt::kMethodDeflate)
        return CodecStatus::BadHeader;
    if (flags & fmt::kFlagEncrypted)
        return CodecStatus::BadHeader;
    if (flags & fmt::kFlagContinued)
        return CodecStatus::BadHeader;
    if (flags & fmt::kFlagReserved)
        return CodecStatus::BadHeader;
    if (flags & fmt::kFlagExtra) {
        unsigned char length[2];
        if (!in.readExact(length, 2) || !in.skip(fmt::readLe16(length)))
            return CodecStatus::BadHeader;
    }
    if ((flags & fmt::kFlagName) && !in.skipZeroTerminated())
        return CodecStatus::BadHeader;
    if ((flags & fmt::kFlagComment) && !in.skipZeroTerminated())
        return CodecStatus::BadHeader;

    Produced produced;
    if (const CodecStatus status = inflateRaw(in, out, produced); status != CodecStatus::Ok)
        return status;
    unsigned char trailer[fmt::kTrailerSize];
    if (!in.readExact(trailer, sizeof trailer))
        return endOfInputStatus(in);
    // Anything after the first member's trailer is left unread.
    return matches(produced, fmt::readLe32(trailer), fmt::readLe32(trailer + 4))
               ? CodecStatus::Ok
               : CodecStatus::BadData;
}

CodecStatus decodeZip(InputBuffer& in, OutputWriter& out) {
    unsigned char header[fmt::kZipLocalHeaderSize];
    if (!in.readExact(header, sizeof header))
        return CodecStatus::BadHeader;
    const std::uint16_t flags = fmt::readLe16(header + 6);
    const std::uint16_t method = fmt::readLe16(header + 8);
    std::uint32_t crc = fmt::readLe32(header + 14);
    const std::uint32_t compressedSize = fmt::readLe32(header + 18);
    std::uint32_t size = fmt::readLe32(header + 22);
    if (method != fmt::kZipMethodStored && method != fmt::kZipMethodDeflated)
        return CodecStatus::BadHeader;
    if (flags & fmt::kZipFlagEncrypted)
        return CodecStatus::BadHeader;
    if (method == fmt::kZipMethodStored && compressedSize != size)
        return CodecStatus::BadHeader;
    if (!in.skip(std::size_t(fmt::readLe16(header + 26)) + fmt::readLe16(header + 28)))
        return CodecStatus::BadHeader;

    Produced produced;
    const CodecStatus status = method == fmt::kZipMethodDeflated
                                   ? inflateRaw(in, out, produced)
                                   : copyStored(in, out, produced, size);
    if (status != CodecStatus::Ok)
        return status;

    if (flags & fmt::kZipFlagDescriptor) {
        // The descriptor's signature is optional in practice; accept both forms.
        unsigned char descriptor[16];
        if (!in.readExact(descriptor, 4))
            return endOfInputStatus(in);
        const bool signed_ = fmt::readLe32(descriptor) == fmt::kZipDescriptorSignature;
        const unsigned char* fields = signed_ ? descriptor + 4 : descriptor;
        if (!in.readExact(descriptor + 4, signed_ ? 12 : 8))
            return endOfInputStatus(in);
        crc = fmt::readLe32(fields);
        size = fmt::readLe32(fields + 8);
    }
    if (!matches(produced, crc, size))
        return CodecStatus::BadData;

    unsigned char next[4];
    if (in.readExact(next, 4) && fmt::readLe32(next) == fmt::kZipLocalSignature)
        return CodecStatus::BadData; // more than one entry
    return CodecStatus::Ok;
}

} // namespace

CodecStatus compressStream(ByteSource& source, ByteSink& sink) {
    if (!sink.write(reinterpret_cast<const char*>(fmt::kHeader), fmt::kHeaderSize))
        return CodecStatus::WriteFailed;

    z_stream stream{};
    if (deflateInit2(&stream, fmt::kCompressionLevel, Z_DEFLATED, -MAX_WBITS, 8,
                     Z_DEFAULT_STRATEGY) != Z_OK)
        return CodecStatus::NoMemory;
    std::unique_ptr<unsigned char[]> input(new unsigned char[fmt::kOutputBlock]);
    std::unique_ptr<unsigned char[]> output(new unsigned char[fmt::kOutputBlock]);
    uLong crc = crc32(0L, Z_NULL, 0);
    std::uint32_t size = 0;
    CodecStatus status = CodecStatus::Ok;
    for (int flush = Z_NO_FLUSH; flush != Z_FINISH;) {
        const qint64 got = source.read(reinterpret_cast<char*>(input.get()), fmt::kOutputBlock);
        if (got < 0) {
            status = CodecStatus::ReadFailed;
            break;
        }
        crc = crc32_z(crc, input.get(), std::size_t(got));
        size += std::uint32_t(got);
        flush = got == 0 ? Z_FINISH : Z_NO_FLUSH;
        stream.next_in = input.get();
        stream.avail_in = uInt(got);
        do {
            stream.next_out = output.get();
            stream.avail_out = uInt(fmt::kOutputBlock);
            deflate(&stream, flush);
            const qint64 count = qint64(fmt::kOutputBlock - stream.avail_out);
            if (count > 0 && !sink.write(reinterpret_cast<const char*>(output.get()), count)) {
                status = CodecStatus::WriteFailed;
                break;
            }
        } while (stream.avail_out == 0);
        if (status != CodecStatus::Ok)
            break;
    }
    deflateEnd(&stream);
    if (status != CodecStatus::Ok)
        return status;

    unsigned char trailer[fmt::kTrailerSize];
    fmt::writeLe32(trailer, std::uint32_t(crc));
    fmt::writeLe32(trailer + 4, size);
    return sink.write(reinterpret_cast<const char*>(trailer), sizeof trailer)
               ? CodecStatus::Ok
               : CodecStatus::WriteFailed;
}

CodecStatus decompressStream(ByteSource& source, ByteSink& sink) {
    InputBuffer in(source);
    OutputWriter out(sink);
    in.ensure(4);
    if (in.available() < 2)
        return in.readError() ? CodecStatus::ReadFailed : CodecStatus::BadHeader;
    const unsigned char* start = in.current();
    if (start[0] == fmt::kId1 && (start[1] == fmt::kId2 || start[1] == fmt::kId2Old))
        return decodeGzip(in, out);
    if (in.available() >= 4 && fmt::readLe32(start) == fmt::kZipLocalSignature)
        return decodeZip(in, out);
    return CodecStatus::BadHeader;
}

} // namespace oxlin::store
