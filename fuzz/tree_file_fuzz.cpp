// Feeds arbitrary bytes to the tree-file reader as Tree.ini, writes the tree
// it read and reads that again: the re-read tree must hold the same items,
// every topic with its file id, in the same places. The outline the listing
// reads from the same bytes must be the tree the model loaded. Build and run as
// fuzz/README.md shows.

#include "core/store/ini_document.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"
#include "core/tree/tree_outline.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

using namespace oxlin::tree;

QStringList outline(const TopicTree& tree) {
    QStringList lines;
    tree.walk([&](const TreeItem& item, int depth) {
        lines << QString::number(depth) + QLatin1Char(' ') + item.label +
                     (item.isTopic() ? QLatin1Char('=') + QString::number(item.record->fileId)
                                     : QString());
    });
    return lines;
}

QStringList outline(const TreeOutline& tree) {
    QStringList lines;
    tree.walk([&](const TreeOutline::Item& item, int depth) {
        lines << QString::number(depth) + QLatin1Char(' ') + item.label +
                     (item.isFolder() ? QString() : QLatin1Char('=') + QString::number(item.fileId));
    });
    return lines;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray input = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const oxlin::store::IniDocument document = oxlin::store::IniDocument::parse(input);
    TopicTree first;
    loadTree(first, document, nullptr);
    TopicTree second;
    loadTree(second, oxlin::store::IniDocument::parse(treeFileText(first)), nullptr);
    const QStringList before = outline(first);
    const QStringList after = outline(second);
    if (before != after) {
        std::fprintf(stderr, "tree_file_fuzz: a re-save changed the tree\n--- read\n%s\n--- re-read\n%s\n",
                     qPrintable(before.join(QLatin1Char('\n'))), qPrintable(after.join(QLatin1Char('\n'))));
        std::abort();
    }
    if (outline(TreeOutline::read(document)) != before) {
        std::fprintf(stderr, "tree_file_fuzz: the outline differs from the loaded tree\n");
        std::abort();
    }
    return 0;
}
