// Loading and saving Tree.ini for trees of 2,000 and 20,000 items.

#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>

namespace {

using namespace oxlin::tree;

// `items` items of which a tenth are folders, two levels deep: top-level
// folders each holding sub-folders, topics spread over all folders.
void buildTree(TopicTree& tree, int items) {
    const int folders = items / 10;
    const int topFolders = std::max(1, folders / 10);
    std::vector<ItemHandle> all;
    for (int i = 0; i < topFolders; ++i)
        all.push_back(tree.insertFolder(kTopLevel, InsertPosition::last(),
                                        QStringLiteral("Folder %1").arg(i)));
    for (int i = topFolders; i < folders; ++i)
        all.push_back(tree.insertFolder(all[std::size_t(i % topFolders)], InsertPosition::last(),
                                        QStringLiteral("Sub %1").arg(i)));
    for (int i = 0; i < items - folders; ++i)
        tree.insertItem(all[std::size_t(i % folders)], InsertPosition::last(),
                        QStringLiteral("Topic number %1.txt").arg(i), kTextImage,
                        TopicRecord{i + 2, 0});
}

void saveTreeBench(benchmark::State& state) {
    TopicTree tree;
    buildTree(tree, int(state.range(0)));
    QTemporaryDir dir;
    const QString path = dir.filePath("Tree.ini");
    for (auto _ : state)
        benchmark::DoNotOptimize(saveTree(tree, path));
    state.SetComplexityN(state.range(0));
    state.counters["bytes"] = double(QFile(path).size());
}

void loadTreeBench(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = dir.filePath("Tree.ini");
    {
        TopicTree tree;
        buildTree(tree, int(state.range(0)));
        saveTree(tree, path);
    }
    TopicTree tree;
    for (auto _ : state) {
        loadTree(tree, path, nullptr);
        benchmark::DoNotOptimize(tree.itemCount());
    }
    if (tree.itemCount() != state.range(0))
        state.SkipWithError("the loaded tree has the wrong size");
    state.SetComplexityN(state.range(0));
}

BENCHMARK(saveTreeBench)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();
BENCHMARK(loadTreeBench)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->Complexity();

} // namespace
BENCHMARK_MAIN();
