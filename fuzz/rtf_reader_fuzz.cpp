// libFuzzer target: any bytes through the topic content stream, then a rewrite
// of what was read. See README.md for how to build and run it.

#include "richtext/content_stream.h"
#include "richtext/rtf_reader.h"
#include "richtext/rtf_writer.h"

#include <QGuiApplication>
#include <QTextDocument>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QTextDocument document;
    oxlin::richtext::loadTopicStream(bytes, document);
    QTextDocument back;
    oxlin::richtext::readRtf(oxlin::richtext::writeRtf(document), back);
    return 0;
}
