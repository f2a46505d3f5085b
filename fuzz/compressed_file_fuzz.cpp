// Feeds arbitrary bytes to the compressed-file reader (gzip members and
// single-entry zip archives). Build and run as fuzz/README.md shows for the
// RTF reader, linking liboxlin-core.a only.

#include "core/store/compressed_file.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    QByteArray out;
    (void)oxlin::store::decompressBuffer(input, out);
    return 0;
}
