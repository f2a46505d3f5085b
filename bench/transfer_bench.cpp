// Importing a folder of 5,000 files / 50 MB as topics and exporting it back,
// against `cp -r` of the same folder plus `gzip -6` of its files in the same run.
// Run: build-bench/bin/transfer_bench
// A package holds fewer topics than a folder import may bring (kMaxTopics),
// so the import here lifts that limit: it measures the import's own work.

#include "core/store/profile.h"
#include "core/transfer/export.h"
#include "core/transfer/import.h"
#include "core/tree/file_ids.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace {

using namespace oxlin;

constexpr int kFiles = 5000;
constexpr int kFileBytes = 10'000; // 5,000 x 10,000 = 50 MB, exactly the folder limit
constexpr int kPerFolder = 500;

// Notes-like text: words and numbers, different in every file.
QByteArray noteText(int size, quint32 seed) {
    static const char* words[] = {"note", "meeting", "project", "the", "and", "tree", "topic",
                                  "folder", "2026", "idea", "todo", "draft", "résumé", "日记"};
    QByteArray text;
    text.reserve(size);
    while (text.size() < size) {
        seed = seed * 1103515245u + 12345u;
        text.append(words[(seed >> 16) % std::size(words)]);
        text.append((seed >> 8) % 13 == 0 ? "\r\n" : " ");
        if ((seed >> 4) % 7 == 0)
            text.append(QByteArray::number(seed % 100000));
    }
    text.truncate(size);
    return text;
}

struct Fixture {
    QTemporaryDir root;
    QString source() const { return root.filePath("Source"); }
    Fixture() {
        for (int i = 0; i < kFiles; ++i) {
            const QString folder = QStringLiteral("%1/part%2").arg(source()).arg(i / kPerFolder);
            QDir().mkpath(folder);
            QFile file(QStringLiteral("%1/note%2.txt").arg(folder).arg(i));
            if (file.open(QIODevice::WriteOnly))
                file.write(noteText(kFileBytes, quint32(i)));
        }
    }
};

Fixture& fixture() {
    static Fixture made;
    return made;
}

// One import into a fresh working folder; the tree is left for the export.
struct Imported {
    QTemporaryDir work;
    store::ProfileService profiles;
    tree::TopicTree tree;
    tree::FileIdCounter fileIds{profiles, work.filePath("Z.ini")};
    tree::ItemHandle folder = tree::kNoItem;

    int run() {
        transfer::Importer importer({.tree = tree,
                                     .fileIds = fileIds,
                                     .workingFolder = work.path(),
                                     .addToIndex = {},
                                     .maxTopics = kFiles,
                                     .keepGoing = {}});
        folder = importer.importFolder(fixture().source(), tree::kTopLevel,
                                       transfer::Importer::Placement::NewFolderFirst);
        return importer.report().topics;
    }
};

void BM_ImportFolder(benchmark::State& state) {
    fixture();
    for (auto _ : state) {
        state.PauseTiming();
        auto imported = std::make_unique<Imported>();
        state.ResumeTiming();
        if (imported->run() != kFiles)
            state.SkipWithError("not every file was imported");
        state.PauseTiming();
        imported.reset();
        state.ResumeTiming();
    }
}

void BM_ExportFolder(benchmark::State& state) {
    Imported imported;
    imported.run();
    int round = 0;
    for (auto _ : state) {
        const QString target = imported.work.filePath(QStringLiteral("out%1").arg(round++));
        const transfer::FolderExportReport report =
            transfer::exportFolder(imported.tree, imported.folder, imported.work.path(), target);
        if (report.files != kFiles)
            state.SkipWithError("not every topic was exported");
        state.PauseTiming();
        QDir(target).removeRecursively();
        state.ResumeTiming();
    }
}

void BM_CopyAndGzipPeer(benchmark::State& state) {
    fixture();
    QTemporaryDir out;
    for (auto _ : state) {
        const QString target = out.filePath("copy");
        const QString command = QStringLiteral("cp -r '%1' '%2' && find '%2' -type f -exec gzip -6 {} +")
                                    .arg(fixture().source(), target);
        if (std::system(command.toLocal8Bit().constData()) != 0)
            state.SkipWithError("cp or gzip failed");
        state.PauseTiming();
        QDir(target).removeRecursively();
        state.ResumeTiming();
    }
}

#define OXLIN_BENCH(fn) BENCHMARK(fn)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime()
OXLIN_BENCH(BM_CopyAndGzipPeer);
OXLIN_BENCH(BM_ImportFolder);
OXLIN_BENCH(BM_ExportFolder);

} // namespace

BENCHMARK_MAIN();
