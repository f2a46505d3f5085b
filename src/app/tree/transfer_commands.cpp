#include "app/tree/transfer_commands.h"

#include "app/base/prompter.h"
#include "app/base/user_messages.h"
#include "app/base/wait_cursor.h"
#include "core/session/notebook_session.h"
#include "core/transfer/export.h"
#include "core/transfer/import.h"
#include "core/tree/topic_kind.h"
#include "messages/transfer_messages.h"
#include "publish/markdown_import.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

namespace oxlin::app {

namespace {

// Long enough that a slice does real work, short enough that the window
// answers between slices as if nothing ran.
constexpr qint64 kSliceMs = 30;

} // namespace

struct TransferCommands::RunningImport {
    std::unique_ptr<ProgressPrompt> progress;
    std::unique_ptr<transfer::Importer> importer;
    WaitCursor wait;
    // Markdown made into RTF files, read from here until the import ends.
    std::vector<std::unique_ptr<QTemporaryDir>> converted;
};

TransferCommands::TransferCommands(Parts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {
    slices_.setSingleShot(true);
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &TransferCommands::runSlice);
}

TransferCommands::~TransferCommands() = default;

tree::ItemHandle TransferCommands::selectionFolder() const {
    return parts_.session.tree().folderOf(parts_.selection ? parts_.selection() : tree::kNoItem);
}

template <typename Queue> void TransferCommands::runImport(Queue&& queue) {
    if (!running_) {
        auto run = std::make_unique<RunningImport>();
        run->progress = parts_.prompter.progress(tr("Import"));
        ProgressPrompt* progress = run->progress.get();
        run->importer = std::make_unique<transfer::Importer>(transfer::ImportTarget{
            parts_.session.tree(), parts_.session.fileIds(), parts_.session.paths().workingFolder,
            parts_.images,
            [this](tree::ItemHandle topic) {
                if (parts_.indexed)
                    parts_.indexed(topic);
            },
            tree::kMaxTopics,
            [progress](int handled) {
                return progress->step(tr("Importing... %1 files").arg(handled));
            }});
        running_ = std::move(run);
    }
    queue(*running_->importer);
    slices_.start();
}

void TransferCommands::runSlice() {
    if (!running_)
        return;
    QElapsedTimer slice;
    slice.start();
    do {
        if (!running_->importer->step()) {
            endImport();
            return;
        }
    } while (slice.elapsed() < kSliceMs);
    slices_.start();
}

void TransferCommands::finishImport() {
    if (!running_)
        return;
    while (running_->importer->step()) {
    }
    endImport();
}

void TransferCommands::endImport() {
    slices_.stop();
    const std::unique_ptr<RunningImport> run = std::move(running_);
    // The topic files are written: the tree that names them follows at
    // once, not with the next safety write, so that no end of the program
    // leaves them out of the tree.
    parts_.session.saveTreeFile();
    const std::vector<messages::UserMessage> said =
        messages::TransferMessages::afterImport(run->importer->report());
    run->importer.reset(); // gives the id counter its own batch back
    run->progress.reset(); // the progress box goes before the messages come
    for (const messages::UserMessage& message : said)
        showMessage(parts_.prompter, message);
    Q_EMIT importFinished();
}

void TransferCommands::importFile() {
    const QStringList chosen = parts_.prompter.openFileNames(tr("Please Select a File"), QString(),
                                                             anyFileFilters(), false);
    if (chosen.isEmpty())
        return;
    const tree::ItemHandle parent = selectionFolder();
    runImport([&](transfer::Importer& importer) { importer.queueFile(chosen.front(), parent); });
}

void TransferCommands::importFolder() {
    const QString folder = parts_.prompter.existingFolder(tr("Import"), QString());
    if (folder.isEmpty())
        return;
    const bool selected =
        parts_.selection && parts_.session.tree().contains(parts_.selection());
    const tree::ItemHandle parent = selectionFolder();
    runImport([&](transfer::Importer& importer) {
        importer.queueFolder(folder, parent,
                             selected ? transfer::Importer::Placement::NewFolderFirst
                                      : transfer::Importer::Placement::ContentsOnly);
    });
}

void TransferCommands::importPaths(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    runImport([&](transfer::Importer& importer) { importer.queuePaths(paths, tree::kTopLevel); });
}

void TransferCommands::importMarkdown(bool folder) {
    QStringList chosen;
    if (folder) {
        const QString path = parts_.prompter.existingFolder(tr("Import Markdown"), QString());
        if (!path.isEmpty())
            chosen.append(path);
    } else {
        chosen = parts_.prompter.openFileNames(tr("Import Markdown"), QString(),
                                               {tr("Markdown files (*.md *.markdown)")}, true);
    }
    if (chosen.isEmpty())
        return;
    const tree::ItemHandle parent = selectionFolder();
    auto mirror = std::make_unique<QTemporaryDir>();
    publish::MarkdownConversion conversion;
    {
        const WaitCursor wait;
        conversion = publish::convertMarkdownForImport(
            chosen, parts_.session.tree().itemPath(parent), mirror->path());
    }
    if (!mirror->isValid() || !conversion.ok) {
        parts_.prompter.message(tr("The Markdown files could not be converted: there is no room "
                                   "for them in the temporary folder."),
                                tr("Import"), PromptIcon::Warning);
        return;
    }
    runImport([&](transfer::Importer& importer) { importer.queuePaths(conversion.paths, parent); });
    running_->converted.push_back(std::move(mirror));
    if (!conversion.unreadable.isEmpty())
        parts_.prompter.message(tr("These files could not be read:") + QLatin1Char('\n') +
                                    conversion.unreadable.join(QLatin1Char('\n')),
                                tr("Import"), PromptIcon::Warning);
}

void TransferCommands::exportSelection() {
    const tree::TopicTree& tree = parts_.session.tree();
    const tree::ItemHandle selected = parts_.selection ? parts_.selection() : tree::kNoItem;
    const tree::TreeItem* item = tree.find(selected);
    if (!item)
        return;
    const tree::TopicKind kind = tree::topicKind(item->label);
    if (item->isTopic() && (kind == tree::TopicKind::Text || kind == tree::TopicKind::RichText) &&
        parts_.exportThroughEditor && parts_.exportThroughEditor(selected))
        return;
    const QString target = parts_.prompter.saveFileName(tr("Export"), item->label, {}, false);
    // A folder is never written into something already there (the export
    // refuses it with its own message); a file may replace one, if the user says so.
    if (target.isEmpty() || (item->isTopic() && !mayReplace(parts_.prompter, target)))
        return;
    const QString working = parts_.session.paths().workingFolder;
    const WaitCursor wait;
    // What the export reads comes out of the kept package first.
    (void)parts_.session.fetchTopicFilesUnder(selected);
    if (item->isFolder()) {
        showMessage(parts_.prompter, messages::TransferMessages::afterFolderExport(
                                  transfer::exportFolder(tree, selected, working, target)));
        return;
    }
    showMessage(parts_.prompter,
                messages::TransferMessages::afterFileExport(
                    transfer::exportTopic(working, item->record->fileId, target).ok()));
}

} // namespace oxlin::app
