// The work of `oxlin export --as FORMAT` and `oxlin import --markdown`.
#include "cli/rich/rich_text_commands.h"

#include "cli/rich/gui_application.h"
#include "core/tree/tree_model.h"
#include "publish/markdown_import.h"
#include "publish/pdf_export.h"
#include "publish/site_export.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace oxlin::cli {

namespace {

constexpr int kTopicsPerProgressLine = 100;

struct ExportArguments {
    QString package;
    QString itemPath;
    QString destination;
    QString format;
};

bool splitExportArguments(const QStringList& arguments, ExportArguments& split) {
    QStringList positional = arguments;
    const qsizetype at = positional.indexOf(QLatin1String(kExportAsFlag));
    if (at < 0 || at + 1 >= positional.size())
        return false;
    split.format = positional.at(at + 1).toLower();
    positional.remove(at, 2);
    if (positional.size() != 3)
        return false;
    split.package = positional[0];
    split.itemPath = itemPathArgument(positional[1]);
    split.destination = positional[2];
    return split.format == QLatin1String("html") || split.format == QLatin1String("markdown") ||
           split.format == QLatin1String("pdf");
}

// Says how far a long export is: a line per hundred topics.
void tellProgress(int done, int total) {
    if (done > 0 && done % kTopicsPerProgressLine == 0)
        complain(Texts::tr("%1 of %2 topics exported").arg(done).arg(total));
}

int exportSite(const tree::TopicTree& tree, tree::ItemHandle item, const QString& workingFolder,
               const ExportArguments& split, const QString& title) {
    publish::SiteExporter exporter(tree, item, workingFolder, split.destination,
                                   split.format == QLatin1String("html")
                                       ? publish::SiteFormat::Html
                                       : publish::SiteFormat::Markdown,
                                   title);
    if (!exporter.start()) {
        complain(exporter.report().status == publish::SiteExportStatus::AlreadyExists
                     ? Texts::tr("cannot export to %1: it already exists").arg(split.destination)
                     : Texts::tr("cannot create the folder %1").arg(split.destination));
        return kFailure;
    }
    int told = 0;
    while (exporter.step())
        if (exporter.topicsDone() != told)
            tellProgress(told = exporter.topicsDone(), exporter.topicCount());
    const publish::SiteExportReport& report = exporter.finish(false);
    for (const QString& path : report.failed)
        complain(Texts::tr("cannot write %1").arg(QDir::toNativeSeparators(path)));
    printLine(Texts::tr("exported %1 pages, %2 files, %3 pictures and %4 folders to %5")
                  .arg(report.pages)
                  .arg(report.files)
                  .arg(report.pictures)
                  .arg(report.folders)
                  .arg(split.destination));
    return report.failed.isEmpty() ? kSuccess : kFailure;
}

// The page setup of printing when nothing else is said: A4, 2 cm margins.
QPageLayout defaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(20, 20, 20, 20),
                       QPageLayout::Millimeter);
}

int exportPdf(const tree::TopicTree& tree, tree::ItemHandle item, const QString& workingFolder,
              const ExportArguments& split, const QString& title) {
    // Nothing the user has is replaced: a PDF goes where nothing is.
    if (QFileInfo::exists(split.destination) || QFileInfo(split.destination).isSymLink()) {
        complain(Texts::tr("cannot export to %1: it already exists").arg(split.destination));
        return kFailure;
    }
    publish::PdfExporter exporter(tree, item, workingFolder, split.destination, title,
                                  defaultPageLayout());
    if (!exporter.start())
        return kFailure;
    int told = 0;
    while (exporter.step())
        if (exporter.topicsDone() != told)
            tellProgress(told = exporter.topicsDone(), exporter.topicCount());
    const publish::PdfExportReport& report = exporter.finish(false);
    for (const QString& path : report.unreadable)
        complain(Texts::tr("cannot read the topic %1").arg(path));
    if (report.status != publish::PdfExportStatus::Exported) {
        complain(Texts::tr("cannot write %1").arg(split.destination));
        return kFailure;
    }
    printLine(Texts::tr("exported %1 topics on %2 pages to %3")
                  .arg(report.topics)
                  .arg(report.pages)
                  .arg(split.destination));
    return report.unreadable.isEmpty() ? kSuccess : kFailure;
}

} // namespace

int exportAs(const QStringList& arguments) {
    ExportArguments split;
    if (!splitExportArguments(arguments, split)) {
        std::fprintf(stderr, "%s\n",
                     qPrintable(Texts::tr(
                         "usage: oxlin export PACKAGE ITEM\\PATH DEST --as html|markdown|pdf")));
        return kUsage;
    }
    if (refuseWhenOpen(split.package))
        return kFailure;
    QTemporaryDir folder;
    tree::TopicTree tree;
    if (!readPackageTree(split.package, folder, tree, nullptr))
        return kFailure;
    const tree::ItemHandle item =
        split.itemPath.isEmpty() ? tree::kTopLevel : tree.findByPath(split.itemPath);
    if (item == tree::kNoItem && !split.itemPath.isEmpty()) {
        complain(Texts::tr("%1 holds no item %2").arg(split.package, split.itemPath));
        return kFailure;
    }
    const QString title = item == tree::kTopLevel ? QFileInfo(split.package).completeBaseName()
                                                  : tree.find(item)->label;
    const auto app = guiApplication(); // documents need their fonts
    if (split.format == QLatin1String("pdf"))
        return exportPdf(tree, item, folder.path(), split, title);
    return exportSite(tree, item, folder.path(), split, title);
}

int importMarkdown(const QStringList& arguments) {
    QTemporaryDir mirror; // holds the converted files until the import ends
    std::unique_ptr<QGuiApplication> app;
    return importConverted(arguments, [&](QStringList& paths, const QString& intoPath) {
        if (!mirror.isValid()) {
            complain(Texts::tr("cannot make a temporary folder for the Markdown files"));
            return false;
        }
        app = guiApplication(); // documents need their fonts
        const publish::MarkdownConversion conversion =
            publish::convertMarkdownForImport(paths, intoPath, mirror.path());
        for (const QString& path : conversion.unreadable)
            complain(Texts::tr("cannot read %1").arg(path));
        if (!conversion.ok) {
            complain(
                Texts::tr("cannot write the converted Markdown files in %1").arg(mirror.path()));
            return false;
        }
        paths = conversion.paths;
        return true;
    });
}

} // namespace oxlin::cli
