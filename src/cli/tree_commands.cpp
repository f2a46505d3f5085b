#include "cli/commands.h"

#include "core/paths/notebook_paths.h"
#include "core/search/topic_index.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/store/package.h"
#include "core/store/profile.h"
#include "core/transfer/names.h"
#include "core/tree/file_ids.h"
#include "core/tree/topic_images.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_model.h"
#include "core/tree/tree_outline.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <charconv>
#include <cstdio>
#include <string>
#include <vector>

namespace oxlin::cli {

namespace {

constexpr std::size_t kOutputBlock = 64 * 1024;

// Text as UTF-8; ASCII, the common case, without a temporary.
void appendUtf8(std::string& out, const QString& text) {
    const std::size_t at = out.size();
    out.resize(at + std::size_t(text.size()));
    char* to = out.data() + at;
    for (QChar c : text) {
        if (c.unicode() >= 0x80) {
            const QByteArray utf8 = text.toUtf8();
            out.resize(at);
            out.append(utf8.constData(), std::size_t(utf8.size()));
            return;
        }
        *to++ = char(c.unicode());
    }
}

// Lists the tree of a package, one item per line in tree order.
int listTree(const QStringList& arguments) {
    const QString& package = arguments[0];
    // Only the tree member is read: the topics stay in the package.
    store::PackageReader reader;
    if (!openForReading(package, reader))
        return kFailure;
    tree::TreeOutline outline;
    tree::TreeLoadNotes notes;
    if (!readPackageOutline(package, reader, outline, &notes))
        return kFailure;
    if (notes.any())
        complain(Texts::tr("the tree of %1 is damaged: %2 overlong lines and %3 overlong "
                           "labels skipped, %4 unnamed folders, %5 topic ids renumbered, "
                           "%6 topics dropped")
                     .arg(package)
                     .arg(notes.skippedLines)
                     .arg(notes.skippedLabels)
                     .arg(notes.unnamedFolders)
                     .arg(notes.renumbered)
                     .arg(notes.droppedTopics));
    // Paths grow from the parent's as the walk goes down, already in UTF-8,
    // and go out in large writes: a path and a write per line would cost
    // more than reading the tree.
    std::string path;
    std::vector<std::size_t> pathEnd; // the length of the path at each depth
    std::string out;
    out.reserve(kOutputBlock + 4096);
    bool written = true;
    const auto flush = [&] {
        written = written && std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
        out.clear(); // keeps its capacity
    };
    outline.walk([&](const tree::TreeOutline::Item& item, int depth) {
        pathEnd.resize(std::size_t(depth) + 1);
        path.resize(depth > 0 ? pathEnd[std::size_t(depth) - 1] : 0);
        if (depth > 0)
            path += '\\';
        appendUtf8(path, item.label);
        pathEnd[std::size_t(depth)] = path.size();
        out += path;
        if (item.isFolder()) {
            out += "\\\n";
        } else {
            char digits[16];
            const auto end = std::to_chars(digits, digits + sizeof digits, item.fileId).ptr;
            out += '\t';
            out.append(digits, end);
            out += '\n';
        }
        if (out.size() >= kOutputBlock)
            flush();
    });
    flush();
    return written && std::fflush(stdout) == 0 ? kSuccess : kFailure;
}

// Whether `folder` was made; says so when it was not.
bool madeTemporaryFolder(const QTemporaryDir& folder) {
    if (!folder.isValid())
        complain(Texts::tr("cannot create a temporary folder"));
    return folder.isValid();
}

// Writes the package of a brand-new, empty notebook: the entries Tree and Z,
// each an empty file compressed. An existing file is never replaced.
int newNotebook(const QStringList& arguments) {
    const QString& package = arguments[0];
    if (QFileInfo::exists(package)) {
        complain(Texts::tr("%1 already exists").arg(package));
        return kFailure;
    }
    QTemporaryDir folder;
    if (!madeTemporaryFolder(folder))
        return kFailure;
    for (const auto& [plain, compressed] :
         {std::pair{paths::kTreeFileName, paths::kCompressedTreeFileName},
          std::pair{paths::kRuntimeFileName, paths::kCompressedRuntimeFileName}}) {
        QFile empty(folder.filePath(QLatin1String(plain)));
        if (!empty.open(QIODevice::WriteOnly) ||
            !store::compressFile(empty.fileName(), folder.filePath(QLatin1String(compressed)))
                 .ok()) {
            complain(Texts::tr("cannot prepare the notebook"));
            return kFailure;
        }
    }
    if (!store::packFolder(folder.path(), package).ok()) {
        complain(Texts::tr("cannot write %1").arg(package));
        return kFailure;
    }
    return kSuccess;
}

// The label a source file or folder gives: its name without a leading
// ordering number ("02 Keys.rtf" is "Keys.rtf"), so the folder decides the
// order and the reader never sees the numbers, made a label as an import
// makes one (characters the tree file reserves become "_").
QString labelForSourceName(const QString& name) {
    static const QRegularExpression ordering(QStringLiteral("^[0-9]+ (?=.)"));
    return transfer::labelForName(QString(name).remove(ordering));
}

// Makes a notebook package from a folder tree of files: each sub-folder
// becomes a folder and each file a topic of the same name, in name order;
// the first topic is the one a reader sees first (LastEdit). Used to build
// the help notebook from the files kept in the repository.
int buildNotebook(const QStringList& arguments) {
    const QString& source = arguments[0];
    const QString& package = arguments[1];
    if (!QFileInfo(source).isDir()) {
        complain(Texts::tr("%1 is not a folder").arg(source));
        return kFailure;
    }
    QTemporaryDir folder;
    if (!madeTemporaryFolder(folder))
        return kFailure;
    tree::TopicTree tree;
    tree::TopicImages images;
    qint32 lastId = 0;
    tree::ItemHandle firstTopic = tree::kNoItem;
    std::vector<std::pair<QString, tree::ItemHandle>> pending{{source, tree::kTopLevel}};
    while (!pending.empty()) {
        const auto [path, parent] = pending.back();
        pending.pop_back();
        const QFileInfoList entries =
            QDir(path).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        for (const QFileInfo& entry : entries) {
            const QString label = labelForSourceName(entry.fileName());
            if (entry.isDir()) {
                pending.emplace_back(
                    entry.filePath(),
                    tree.insertFolder(parent, tree::InsertPosition::last(), label));
                continue;
            }
            const qint32 id = ++lastId;
            if (!store::compressFile(entry.filePath(),
                                     folder.filePath(store::topicFileName(quint32(id))))
                     .ok()) {
                complain(Texts::tr("cannot compress %1").arg(entry.filePath()));
                return kFailure;
            }
            const tree::ItemHandle topic =
                tree.insertItem(parent, tree::InsertPosition::last(), label, images.imageFor(label),
                                tree::TopicRecord{id, 0});
            if (firstTopic == tree::kNoItem && parent == tree::kTopLevel)
                firstTopic = topic;
        }
    }
    store::ProfileService profiles;
    const QString treeFile = folder.filePath(QLatin1String(paths::kTreeFileName));
    const QString runtimeFile = folder.filePath(QLatin1String(paths::kRuntimeFileName));
    const bool written =
        tree::saveTree(tree, treeFile) &&
        profiles.writeStrings(runtimeFile, QLatin1String(tree::FileIdCounter::kSection),
                              {{QLatin1String(tree::FileIdCounter::kKey), QString::number(lastId)},
                               {QLatin1String(search::kLastEditKey), tree.itemPath(firstTopic)}}) &&
        store::compressFile(treeFile,
                            folder.filePath(QLatin1String(paths::kCompressedTreeFileName)))
            .ok() &&
        store::compressFile(runtimeFile,
                            folder.filePath(QLatin1String(paths::kCompressedRuntimeFileName)))
            .ok();
    if (!written || !store::packFolder(folder.path(), package).ok()) {
        complain(Texts::tr("cannot write %1").arg(package));
        return kFailure;
    }
    return kSuccess;
}

} // namespace

std::vector<Command> treeCommands() {
    return {
        {"tree", "PACKAGE",
         QT_TRANSLATE_NOOP("oxlin::cli::Texts",
                           "list the folders and topics of a notebook package"),
         1, 1, listTree},
        {"new", "PACKAGE",
         QT_TRANSLATE_NOOP("oxlin::cli::Texts", "create an empty notebook package"), 1, 1,
         newNotebook},
        {"build", "FOLDER PACKAGE",
         QT_TRANSLATE_NOOP("oxlin::cli::Texts", "make a notebook package of a folder tree of files "
                                                "(folders and topics in name order)"),
         2, 2, buildNotebook},
    };
}

} // namespace oxlin::cli
