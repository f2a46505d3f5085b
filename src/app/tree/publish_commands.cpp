#include "app/tree/publish_commands.h"

#include "app/base/prompter.h"
#include "core/session/notebook_session.h"
#include "publish/pdf_export.h"
#include "publish/site_export.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

namespace oxlin::app {

namespace {

// As an import's slices: long enough to do real work, short enough that the
// window answers between them.
constexpr qint64 kSliceMs = 30;

} // namespace

// An export under way, whichever kind: its steps, how far it is, and its
// ending, which gives the message to show.
struct PublishCommands::Running {
    std::unique_ptr<ProgressPrompt> progress;
    std::function<bool()> step;
    std::function<int()> done;
    int total = 0;
    // Gives the message; `failed` says whether something could not be written.
    std::function<QString(bool cancelled, bool& failed)> finish;
    std::shared_ptr<void> exporter; // what the functions above work on
};

PublishCommands::PublishCommands(Parts parts, QObject* parent)
    : QObject(parent), parts_(std::move(parts)) {
    slices_.setSingleShot(true);
    slices_.setInterval(0);
    connect(&slices_, &QTimer::timeout, this, &PublishCommands::runSlice);
}

PublishCommands::~PublishCommands() = default;

tree::ItemHandle PublishCommands::exportRoot() const {
    return parts_.session.tree().folderOf(parts_.selection ? parts_.selection() : tree::kNoItem);
}

QString PublishCommands::exportTitle(tree::ItemHandle root) const {
    return root == tree::kTopLevel ? parts_.session.currentBook().notebookName
                                   : parts_.session.tree().find(root)->label;
}

template <typename Exporter>
void PublishCommands::runExport(std::shared_ptr<Exporter> exporter,
                                std::function<QString(bool cancelled, bool& failed)> finish) {
    running_ = std::make_unique<Running>();
    running_->progress = parts_.prompter.progress(tr("Export"));
    running_->step = [exporter] { return exporter->step(); };
    running_->done = [exporter] { return exporter->topicsDone(); };
    running_->total = exporter->topicCount();
    running_->finish = std::move(finish);
    running_->exporter = exporter;
    slices_.start();
}

QString PublishCommands::askTarget(const QString& caption, const QString& suffix) {
    if (running_ || (parts_.saveOpenTopic && !parts_.saveOpenTopic()))
        return {};
    const QString name = exportTitle(exportRoot());
    // A folder is never written into something already there, so the dialog
    // need not ask about it; a PDF may replace a file, if the user says so.
    return parts_.prompter.saveFileName(
        caption, name + suffix,
        suffix.isEmpty() ? QStringList() : QStringList{tr("PDF files (*.pdf)")}, !suffix.isEmpty());
}

void PublishCommands::exportSite(publish::SiteFormat format) {
    const bool html = format == publish::SiteFormat::Html;
    const QString target =
        askTarget(html ? tr("Export As Web Pages") : tr("Export As Markdown"), QString());
    if (target.isEmpty())
        return;
    const tree::ItemHandle root = exportRoot();
    const QString title = exportTitle(root);
    (void)parts_.session.fetchTopicFilesUnder(root); // the export reads the topic files
    auto exporter = std::make_shared<publish::SiteExporter>(
        parts_.session.tree(), root, parts_.session.paths().workingFolder, target, format, title,
        parts_.pageFont ? std::optional<QFont>(parts_.pageFont()) : std::nullopt);
    if (!exporter->start()) {
        const QString why =
            exporter->report().status == publish::SiteExportStatus::AlreadyExists
                ? tr("Cannot export to %1: it already exists. Choose a new folder name.")
                : tr("Cannot create the folder %1.");
        parts_.prompter.message(why.arg(QDir::toNativeSeparators(target)), tr("Export"),
                                PromptIcon::Warning);
        return;
    }
    runExport(exporter, [exporter, target, html](bool cancelled, bool& failed) {
        const publish::SiteExportReport& report = exporter->finish(cancelled);
        failed = !report.failed.isEmpty();
        QString said = cancelled ? tr("The export was cancelled: %1 holds the %2 topics written "
                                      "before, and an index of them.")
                                       .arg(QDir::toNativeSeparators(target))
                                       .arg(report.pages + report.files)
                                 : tr("Exported %1 topics to %2.")
                                       .arg(report.pages + report.files)
                                       .arg(QDir::toNativeSeparators(target));
        if (!report.failed.isEmpty())
            said += QLatin1Char('\n') + tr("These could not be written:") + QLatin1Char('\n') +
                    report.failed.mid(0, 10).join(QLatin1Char('\n'));
        if (!html && !cancelled)
            said += QLatin1Char('\n') +
                    tr("Fonts, colours and alignment have no place in Markdown and were left "
                       "out.");
        return said;
    });
}

void PublishCommands::exportPdf() {
    // The file dialog asks before a file is replaced.
    const QString target = askTarget(tr("Export As PDF"), QStringLiteral(".pdf"));
    if (target.isEmpty())
        return;
    const tree::ItemHandle root = exportRoot();
    const QString title = exportTitle(root);
    (void)parts_.session.fetchTopicFilesUnder(root); // the export reads the topic files
    auto exporter = std::make_shared<publish::PdfExporter>(
        parts_.session.tree(), root, parts_.session.paths().workingFolder, target, title,
        parts_.pageLayout ? parts_.pageLayout() : QPageLayout());
    if (!exporter->start())
        return;
    runExport(exporter, [exporter, target](bool cancelled, bool& failed) {
        const publish::PdfExportReport& report = exporter->finish(cancelled);
        failed = report.status == publish::PdfExportStatus::WriteFailed;
        if (cancelled)
            return tr("The export was cancelled: no PDF was written.");
        if (failed)
            return tr("Cannot write %1.").arg(QDir::toNativeSeparators(target));
        return tr("Exported %1 topics on %2 pages to %3.")
            .arg(report.topics)
            .arg(report.pages)
            .arg(QDir::toNativeSeparators(target));
    });
}

void PublishCommands::runSlice() {
    if (!running_)
        return;
    QElapsedTimer slice;
    slice.start();
    do {
        if (!running_->progress->step(
                tr("Exporting... %1 of %2 topics").arg(running_->done()).arg(running_->total))) {
            endExport(true);
            return;
        }
        if (!running_->step()) {
            endExport(false);
            return;
        }
    } while (slice.elapsed() < kSliceMs);
    slices_.start();
}

void PublishCommands::stopExport() {
    if (running_)
        endExport(true);
}

void PublishCommands::endExport(bool cancelled) {
    slices_.stop();
    const std::unique_ptr<Running> run = std::move(running_);
    bool failed = false;
    const QString said = run->finish(cancelled, failed);
    run->progress.reset(); // the progress window goes before the message comes
    parts_.prompter.message(said, tr("Export"),
                            failed ? PromptIcon::Warning : PromptIcon::Information);
    Q_EMIT exportFinished();
}

} // namespace oxlin::app
