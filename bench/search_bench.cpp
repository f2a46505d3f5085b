// Index rebuild and content search.
// Run: build/bin/search_bench
//   BM_Rebuild/N        snapshot + both index files for N topics (linear: compare 2000 and 20000)
//   BM_ContentSearch    3,800 topics totalling 50 MB of text, keyword search over their content
//   BM_ZgrepContent     `zgrep -il` over the same topic files, the same keyword
//   BM_RefillLocate/N   the Locate list filled from N rows (n log n: compare 20000 and 200000)

#include "core/search/keyword_search.h"
#include "core/search/topic_index.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/paths/notebook_paths.h"
#include "core/store/profile.h"
#include "core/store/stored_text.h"
#include "core/tree/tree_model.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>

namespace {

using namespace oxlin;

constexpr qint64 kTotalBytes = 50 * 1000 * 1000;
constexpr int kTopics = 3800;

QByteArray notesText(qint64 size, quint32 seed) {
    static const char* words[] = {"note", "meeting", "project", "Oxlin", "the", "and", "tree",
                                  "topic", "folder", "search", "2026", "idea", "todo", "done",
                                  "résumé", "日记", "draft", "review", "print", "export"};
    QByteArray text;
    text.reserve(size);
    quint32 state = seed;
    while (text.size() < size) {
        state = state * 1664525u + 1013904223u;
        const quint32 pick = state >> 24;
        text += words[pick % 20];
        text += (pick % 13 == 0) ? "\r\n" : " ";
    }
    text.resize(size);
    return text;
}

// Topics in 40 folders, as a loaded notebook's tree holds them.
void fillTree(tree::TopicTree& tree, int topics) {
    std::vector<tree::ItemHandle> folders;
    for (int f = 0; f < 40; ++f)
        folders.push_back(tree.insertFolder(tree::kTopLevel, tree::InsertPosition::last(),
                                            QStringLiteral("Folder %1").arg(f)));
    for (int i = 0; i < topics; ++i)
        tree.insertItem(folders[std::size_t(i % 40)], tree::InsertPosition::last(),
                        QStringLiteral("Topic number %1.txt").arg(i), tree::kTextImage,
                        tree::TopicRecord{i + 1, 0});
}

struct Notebook {
    QTemporaryDir dir;
    paths::NotebookPaths paths;
    tree::TopicTree tree;
    store::ProfileService profiles;
    QString keyword = QStringLiteral("needle");

    Notebook() {
        paths = paths::NotebookPaths::forNotebook(dir.path(), QStringLiteral("Bench"));
        QDir().mkpath(paths.workingFolder);
        fillTree(tree, kTopics);
        // Every 50th topic holds the keyword once, in the middle.
        for (int i = 0; i < kTopics; ++i) {
            QByteArray text = notesText(kTotalBytes / kTopics, quint32(i + 1));
            if (i % 50 == 0)
                text.replace(text.size() / 2, 6, "Needle");
            QByteArray packed;
            (void)store::compressBuffer(text, packed);
            QFile file(QDir(paths.workingFolder).filePath(store::topicFileName(quint32(i + 1))));
            file.open(QIODevice::WriteOnly);
            file.write(packed);
        }
        search::TopicIndex index(profiles, paths);
        index.rebuildNow(tree);
    }
};

Notebook& notebook() {
    static Notebook instance;
    return instance;
}

void BM_Rebuild(benchmark::State& state) {
    QTemporaryDir dir;
    const auto paths = paths::NotebookPaths::forNotebook(dir.path(), QStringLiteral("Bench"));
    QDir().mkpath(paths.workingFolder);
    tree::TopicTree tree;
    fillTree(tree, int(state.range(0)));
    store::ProfileService profiles;
    search::TopicIndex index(profiles, paths);
    for (auto _ : state)
        index.rebuildNow(tree);
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_Rebuild)->Arg(2000)->Arg(3800)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_ContentSearch(benchmark::State& state) {
    Notebook& book = notebook();
    search::KeywordSearch search(book.profiles, book.tree, [](const QByteArray& stored) {
        return store::decodeStoredText(stored);
    });
    search.setPaths(book.paths);
    search::SortedRows rows;
    int count = 0;
    for (auto _ : state)
        count = search.contentSearch(book.keyword, false, rows);
    state.counters["found"] = count;
    state.SetBytesProcessed(int64_t(state.iterations()) * kTotalBytes);
}
BENCHMARK(BM_ContentSearch)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ZgrepContent(benchmark::State& state) {
    Notebook& book = notebook();
    const QString command = QStringLiteral("cd '%1' && zgrep -il '%2' *.XTZ | wc -l > '%3'")
                                .arg(book.paths.workingFolder, book.keyword,
                                     book.dir.filePath(QStringLiteral("count.txt")));
    for (auto _ : state)
        if (std::system(command.toLocal8Bit().constData()) != 0)
            std::fprintf(stderr, "zgrep failed\n");
    QFile counted(book.dir.filePath(QStringLiteral("count.txt")));
    counted.open(QIODevice::ReadOnly);
    state.counters["found"] = counted.readAll().trimmed().toInt();
    state.SetBytesProcessed(int64_t(state.iterations()) * kTotalBytes);
}
BENCHMARK(BM_ZgrepContent)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

void BM_RefillLocate(benchmark::State& state) {
    std::vector<search::LocateRow> rows;
    quint32 seed = 7;
    for (int i = 0; i < state.range(0); ++i) {
        seed = seed * 1664525u + 1013904223u;
        rows.push_back({QStringLiteral("Folder %1\\Topic %2").arg(seed % 997).arg(seed >> 8),
                        tree::ItemHandle(i + 1)});
    }
    search::SortedRows list;
    for (auto _ : state)
        search::refillLocate(list, rows);
}
BENCHMARK(BM_RefillLocate)->Arg(20000)->Arg(200000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
