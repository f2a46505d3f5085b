// Compressed files and packages against the standard tools on the same data:
// gzip -6 / gzip -d for single files, tar -cf / tar -xf for a folder of topics.
// Run: build-bench/bin/store_bench [--benchmark_repetitions=3]
// After the timings it prints the peak memory of `oxlin compress` and
// `oxlin decompress` on a 5 MB and a 50 MB file (needs oxlin beside it).

#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace oxlin::store;

constexpr qint64 kFileBytes = 50 * 1000 * 1000;
constexpr int kTopics = 3800;

// Text that compresses like notes do: words, numbers, some punctuation and a
// little binary noise.
QByteArray mixedText(qint64 size, quint32 seed) {
    static const char* words[] = {"note", "meeting", "project", "Oxlin", "the", "and", "tree",
                                  "topic", "folder", "search", "2026", "idea", "todo", "done",
                                  "résumé", "日记", "draft", "review", "print", "export"};
    QByteArray text;
    text.reserve(size);
    quint32 state = seed;
    while (text.size() < size) {
        state = state * 1664525u + 1013904223u;
        const quint32 pick = state >> 24;
        if (pick < 8)
            text += char(state >> 8);
        else
            text += words[pick % 20];
        text += (pick % 13 == 0) ? "\r\n" : " ";
    }
    text.resize(size);
    return text;
}

struct Data {
    QTemporaryDir dir;
    QString text, compressed, topics;

    Data() {
        text = dir.filePath(QStringLiteral("mixed.txt"));
        compressed = dir.filePath(QStringLiteral("mixed.xtz"));
        topics = dir.filePath(QStringLiteral("topics"));
        QFile file(text);
        file.open(QIODevice::WriteOnly);
        file.write(mixedText(kFileBytes, 1));
        file.close();
        (void)compressFile(text, compressed);
        // Topic files as they sit in a working folder: already compressed.
        QDir().mkpath(topics);
        const QByteArray noise = mixedText(kFileBytes / kTopics, 7);
        for (int i = 0; i < kTopics; ++i) {
            QFile topic(QDir(topics).filePath(topicFileName(quint32(i + 2))));
            topic.open(QIODevice::WriteOnly);
            QByteArray bytes = noise;
            bytes[0] = char(i);
            QByteArray member;
            (void)compressBuffer(bytes, member);
            // Pad with incompressible bytes so the folder totals 50 MB.
            member += mixedText(kFileBytes / kTopics - member.size(), quint32(i)).toBase64().left(
                kFileBytes / kTopics - member.size());
            topic.write(member);
        }
    }
    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }
};

Data& data() {
    static Data instance;
    return instance;
}

void shell(const QString& command) {
    if (std::system(command.toLocal8Bit().constData()) != 0)
        std::fprintf(stderr, "command failed: %s\n", qPrintable(command));
}

void setBytes(benchmark::State& state, qint64 bytes) {
    state.SetBytesProcessed(int64_t(state.iterations()) * bytes);
}

void BM_CompressOxlin(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(compressFile(data().text, data().path("out.xtz")));
    setBytes(state, kFileBytes);
}
void BM_CompressGzip6(benchmark::State& state) {
    const QString command = QStringLiteral("gzip -6 -c '%1' > '%2'").arg(data().text, data().path("out.gz"));
    for (auto _ : state)
        shell(command);
    setBytes(state, kFileBytes);
}
void BM_DecompressOxlin(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(decompressFile(data().compressed, data().path("out.txt")));
    setBytes(state, kFileBytes);
}
void BM_DecompressGzip(benchmark::State& state) {
    const QString command =
        QStringLiteral("gzip -d -c < '%1' > '%2'").arg(data().compressed, data().path("out.txt"));
    for (auto _ : state)
        shell(command);
    setBytes(state, kFileBytes);
}
void BM_PackOxlin(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(packFolder(data().topics, data().path("book.xzz")));
    setBytes(state, kFileBytes);
}
void BM_PackTar(benchmark::State& state) {
    const QString command =
        QStringLiteral("tar -cf '%1' -C '%2' .").arg(data().path("book.tar"), data().topics);
    for (auto _ : state)
        shell(command);
    setBytes(state, kFileBytes);
}
void BM_UnpackOxlin(benchmark::State& state) {
    (void)packFolder(data().topics, data().path("book.xzz"));
    for (auto _ : state) {
        state.PauseTiming();
        QDir(data().path("unpacked")).removeRecursively();
        QDir().mkpath(data().path("unpacked"));
        state.ResumeTiming();
        benchmark::DoNotOptimize(unpackPackage(data().path("unpacked"), data().path("book.xzz")));
    }
    setBytes(state, kFileBytes);
}
void BM_UnpackTar(benchmark::State& state) {
    shell(QStringLiteral("tar -cf '%1' -C '%2' .").arg(data().path("book.tar"), data().topics));
    const QString command =
        QStringLiteral("tar -xf '%1' -C '%2'").arg(data().path("book.tar"), data().path("untarred"));
    for (auto _ : state) {
        state.PauseTiming();
        QDir(data().path("untarred")).removeRecursively();
        QDir().mkpath(data().path("untarred"));
        state.ResumeTiming();
        shell(command);
    }
    setBytes(state, kFileBytes);
}

#define OXLIN_BENCH(fn) BENCHMARK(fn)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime()
OXLIN_BENCH(BM_CompressOxlin);
OXLIN_BENCH(BM_CompressGzip6);
OXLIN_BENCH(BM_DecompressOxlin);
OXLIN_BENCH(BM_DecompressGzip);
OXLIN_BENCH(BM_PackOxlin);
OXLIN_BENCH(BM_PackTar);
OXLIN_BENCH(BM_UnpackOxlin);
OXLIN_BENCH(BM_UnpackTar);

// Peak resident memory (KiB) of one run of the oxlin tool.
long peakKiB(const std::string& oxlin, const char* verb, const QString& in, const QString& out) {
    const pid_t pid = fork();
    if (pid == 0) {
        execl(oxlin.c_str(), oxlin.c_str(), verb, qPrintable(in), qPrintable(out), nullptr);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return usage.ru_maxrss;
}

void reportPeakMemory(const char* argv0) {
    const std::string oxlin = QFileInfo(QString::fromLocal8Bit(argv0)).absolutePath().toStdString() + "/oxlin";
    if (access(oxlin.c_str(), X_OK) != 0) {
        std::printf("peak memory: %s not found, skipped\n", oxlin.c_str());
        return;
    }
    for (qint64 size : {qint64(5) * 1000 * 1000, kFileBytes}) {
        const QString text = data().path("peak.txt"), packed = data().path("peak.xtz");
        QFile file(text);
        file.open(QIODevice::WriteOnly);
        file.write(mixedText(size, 3));
        file.close();
        const long compress = peakKiB(oxlin, "compress", text, packed);
        const long decompress = peakKiB(oxlin, "decompress", packed, data().path("peak.out"));
        std::printf("peak memory for %3lld MB: compress %ld KiB, decompress %ld KiB\n",
                    size / 1000000, compress, decompress);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    data(); // make the data outside every timing
    benchmark::RunSpecifiedBenchmarks();
    reportPeakMemory(argv[0]);
    benchmark::Shutdown();
    return 0;
}
