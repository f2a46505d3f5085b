#include "app/tree/transfer_commands.h"

#include "app/shell/prompter.h"
#include "app/shell/wait_cursor.h"
#include "core/session/notebook_session.h"
#include "core/transfer/export.h"
#include "core/transfer/import.h"
#include "app/shell/user_messages.h"
#include "messages/transfer_messages.h"
#include "core/tree/topic_kind.h"

#include <QDir>
#include <QFileInfo>

namespace oxlin::app {

TransferCommands::TransferCommands(Parts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {}

tree::ItemHandle TransferCommands::selectionFolder() const {
    const tree::TopicTree& tree = parts_.session.tree();
    const tree::ItemHandle selected = parts_.selection ? parts_.selection() : tree::kNoItem;
    const tree::TreeItem* item = tree.find(selected);
    if (!item)
        return tree::kTopLevel;
    return item->isFolder() ? selected : tree.parent(selected);
}

template <typename Work> void TransferCommands::runImport(Work&& work) {
    const std::unique_ptr<ProgressPrompt> progress = parts_.prompter.progress(tr("Import"));
    transfer::Importer importer({parts_.session.tree(), parts_.session.fileIds(),
                                 parts_.session.paths().workingFolder, parts_.images,
                                 [this](tree::ItemHandle topic) {
                                     if (parts_.indexed)
                                         parts_.indexed(topic);
                                 },
                                 tree::kMaxTopics,
                                 [&progress](int handled) {
                                     return progress->step(
                                         tr("Importing... %1 files").arg(handled));
                                 }});
    {
        const WaitCursor wait;
        work(importer);
    }
    // Said after the import, on this thread, once each.
    for (const messages::UserMessage& message : messages::TransferMessages::afterImport(importer.report()))
        showMessage(parts_.prompter, message);
}

void TransferCommands::importFile() {
    const QStringList chosen = parts_.prompter.openFileNames(tr("Please Select a File"), QString(),
                                                             anyFileFilters(), false);
    if (chosen.isEmpty())
        return;
    const tree::ItemHandle parent = selectionFolder();
    runImport([&](transfer::Importer& importer) { importer.importFile(chosen.front(), parent); });
}

void TransferCommands::importFolder() {
    const QString folder = parts_.prompter.existingFolder(tr("Import"), QString());
    if (folder.isEmpty())
        return;
    const bool selected =
        parts_.selection && parts_.session.tree().contains(parts_.selection());
    const tree::ItemHandle parent = selectionFolder();
    runImport([&](transfer::Importer& importer) {
        importer.importFolder(folder, parent,
                              selected ? transfer::Importer::Placement::NewFolderFirst
                                       : transfer::Importer::Placement::ContentsOnly);
    });
}

void TransferCommands::importPaths(const QStringList& paths) {
    if (paths.isEmpty())
        return;
    runImport([&](transfer::Importer& importer) { importer.importPaths(paths, tree::kTopLevel); });
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
    if (item->isFolder()) {
        showMessage(parts_.prompter, messages::TransferMessages::afterFolderExport(
                                  transfer::exportFolder(tree, selected, working, target)));
        return;
    }
    showMessage(parts_.prompter, messages::TransferMessages::afterFileExport(
                              transfer::exportTopic(working, item->record->fileId, target) == 1));
}

} // namespace oxlin::app
