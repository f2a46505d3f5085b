#include "publish/site_export.h"

#include "core/store/compressed_file.h"
#include "core/transfer/export.h"
#include "core/tree/topic_files.h"
#include "publish/html_writer.h"
#include "publish/markdown_writer.h"
#include "richtext/content_stream.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QTextDocument>

namespace oxlin::publish {

namespace {

const QString kHtmlIndex = QStringLiteral("index.html");
const QString kMarkdownIndex = QStringLiteral("index.md");

// The largest topic read into a page, as the editor's limit.
constexpr qint64 kMaxTopicBytes = qint64(256) * 1024 * 1024;

// "Folder › Topic" for a page's navigation line.
QString readablePath(const QString& itemPath) {
    return QString(itemPath).replace(QLatin1Char('\\'), QStringLiteral(" \u203A "));
}

} // namespace

SiteExporter::SiteExporter(const tree::TopicTree& tree, tree::ItemHandle root,
                           QString workingFolder, QString target, SiteFormat format, QString title,
                           std::optional<QFont> pageFont)
    : plan_(tree, root,
            format == SiteFormat::Html ? QStringLiteral(".html") : QStringLiteral(".md"),
            {format == SiteFormat::Html ? kHtmlIndex : kMarkdownIndex}),
      workingFolder_(std::move(workingFolder)), target_(std::move(target)), format_(format),
      title_(std::move(title)), pageFont_(std::move(pageFont)),
      rootExists_(root == tree::kTopLevel || tree.contains(root)),
      written_(plan_.items().size(), false) {}

SiteExporter::~SiteExporter() = default;

QString SiteExporter::indexName() const {
    return format_ == SiteFormat::Html ? kHtmlIndex : kMarkdownIndex;
}

bool SiteExporter::start() {
    if (!rootExists_) {
        report_.status = SiteExportStatus::NoItem;
        return false;
    }
    if (transfer::exportTargetTaken(target_)) {
        report_.status = SiteExportStatus::AlreadyExists;
        return false;
    }
    if (!QDir().mkdir(target_)) {
        report_.status = SiteExportStatus::CannotCreate;
        return false;
    }
    report_.status = SiteExportStatus::Exported;
    started_ = true;
    return true;
}

bool SiteExporter::step() {
    if (!started_ || finished_ || next_ >= plan_.items().size())
        return false;
    writeItem(plan_.items()[next_]);
    ++next_;
    return next_ < plan_.items().size();
}

QString SiteExporter::pathOf(const QString& relative) const {
    return QDir(target_).filePath(relative);
}

void SiteExporter::writeItem(const PlannedItem& item) {
    const QString path = pathOf(item.relativePath);
    bool ok = false;
    switch (item.kind) {
    case PlannedKind::Folder:
        ok = QDir().mkdir(path);
        report_.folders += ok;
        break;
    case PlannedKind::File:
        ok = transfer::exportTopic(workingFolder_, item.fileId, path).ok();
        report_.files += ok;
        ++topicsDone_;
        break;
    case PlannedKind::Page:
        ok = writePage(item);
        report_.pages += ok;
        ++topicsDone_;
        break;
    }
    written_[next_] = ok;
    if (!ok)
        report_.failed.append(path);
}

bool SiteExporter::writePage(const PlannedItem& item) {
    QByteArray bytes;
    // A topic never saved has no file: its page is empty, not missing.
    const store::Status read = store::decompressFileToBuffer(
        tree::topicFilePath(workingFolder_, item.fileId), bytes, kMaxTopicBytes);
    if (!read.ok() && read.code() != store::Status::Code::NotFound &&
        read.code() != store::Status::Code::Corrupt) // damaged: what could be read
        return false;
    QTextDocument document;
    richtext::loadTopicStream(bytes, document);
    linksOut_ = false;
    const bool written = writeFile(item.relativePath, pageText(item, document).toUtf8());
    if (written && linksOut_ && !onlyWritten_)
        linkingPages_.push_back(next_);
    return written;
}

QString SiteExporter::topicHref(const QString& page, const QString& itemPath) {
    const QString target = plan_.pathOfItem(itemPath);
    if (target.isEmpty())
        return {};
    linksOut_ = true;
    // After a stop, a link to a page that was never written would lead nowhere.
    if (onlyWritten_ && !written_[plan_.indexOfPath(target)])
        return {};
    return ExportPlan::relativeLink(page, target);
}

QString SiteExporter::pageText(const PlannedItem& item, QTextDocument& document) {
    int pictures = 0;
    const QString page = item.relativePath;
    PageOutput output{[&](const QString& link) {
                          return exportedHref(link, [&](const QString& itemPath) {
                              return topicHref(page, itemPath);
                          });
                      },
                      [&](const QTextDocument& doc, const QTextImageFormat& format) {
                          return writePicture(page, doc, format, pictures);
                      }};
    if (format_ == SiteFormat::Markdown)
        return documentMarkdown(document, output);
    const QString back = QStringLiteral("<a href=\"%1\">%2</a> \u203A %3")
                             .arg(escapeHtml(ExportPlan::relativeLink(page, kHtmlIndex)),
                                  escapeHtml(title_), escapeHtml(readablePath(item.itemPath)));
    return htmlPage(item.label, back, documentHtml(document, output), pageFont_);
}

QString SiteExporter::writePicture(const QString& page, const QTextDocument& document,
                                   const QTextImageFormat& format, int& number) {
    const PictureFile picture = pictureFile(document, format);
    if (picture.bytes.isEmpty())
        return {};
    // A page written again (after a stop) writes its pictures under the
    // names they had.
    const QString key = page + QLatin1Char('\n') + QString::number(++number);
    QString name = pictureNames_.value(key);
    const bool again = !name.isEmpty();
    if (!again) {
        name = plan_.reserveName(folderOf(page), QStringLiteral("%1-%2%3")
                                                     .arg(QFileInfo(page).completeBaseName())
                                                     .arg(number)
                                                     .arg(picture.extension));
        pictureNames_.insert(key, name);
    }
    if (!writeFile(name, picture.bytes)) {
        report_.failed.append(pathOf(name));
        return {};
    }
    report_.pictures += again ? 0 : 1;
    return ExportPlan::relativeLink(page, name);
}

bool SiteExporter::writeFile(const QString& relative, const QByteArray& bytes) {
    // A stop comes between files; a failed write (a full disk) takes its
    // half file away. No sync per file: thousands of them would cost more
    // than the export itself, and a copy is made again easily.
    QFile file(pathOf(relative));
    if (file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.flush())
        return true;
    file.remove();
    return false;
}

const SiteExportReport& SiteExporter::finish(bool cancelled) {
    if (!started_ || finished_)
        return report_;
    finished_ = true;
    if (cancelled) {
        report_.status = SiteExportStatus::Cancelled;
        // The pages that link to others are written again without the links
        // to pages the stop left out, so every link in the folder leads somewhere.
        onlyWritten_ = true;
        for (std::size_t index : linkingPages_) {
            next_ = index;
            if (!writePage(plan_.items()[index]))
                report_.failed.append(pathOf(plan_.items()[index].relativePath));
        }
    }
    const QString index = format_ == SiteFormat::Html ? htmlIndex() : markdownIndex();
    if (!writeFile(indexName(), index.toUtf8()))
        report_.failed.append(pathOf(indexName()));
    return report_;
}

QString SiteExporter::htmlIndex() const {
    // Nested lists by depth: a folder's item stays open around its children.
    QString list = QStringLiteral("<ul>");
    int depth = 0;
    bool first = true;
    const std::vector<PlannedItem>& items = plan_.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PlannedItem& item = items[i];
        for (; depth > item.depth; --depth)
            list += QStringLiteral("</li></ul>");
        if (item.depth > depth) {
            list += QStringLiteral("<ul>");
            depth = item.depth;
        } else if (!first) {
            list += QStringLiteral("</li>\n");
        }
        first = false;
        const QString label = escapeHtml(item.label);
        if (item.kind == PlannedKind::Folder || !written_[i])
            list += QStringLiteral("<li>") + label;
        else
            list += QStringLiteral("<li><a href=\"%1\">%2</a>")
                        .arg(escapeHtml(ExportPlan::relativeLink(kHtmlIndex, item.relativePath)),
                             label);
    }
    for (; depth > 0; --depth)
        list += QStringLiteral("</li></ul>");
    list += first ? QStringLiteral("</ul>\n") : QStringLiteral("</li></ul>\n");
    const QString heading = QStringLiteral("<h1>%1</h1>\n").arg(escapeHtml(title_));
    return htmlPage(title_, QString(), heading + list, pageFont_);
}

QString SiteExporter::markdownIndex() const {
    QString index = QStringLiteral("# %1\n\n").arg(escapeMarkdown(title_));
    const std::vector<PlannedItem>& items = plan_.items();
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PlannedItem& item = items[i];
        const QString label = escapeMarkdown(item.label);
        index += QString(2 * item.depth, QLatin1Char(' ')) + QStringLiteral("- ");
        if (item.kind == PlannedKind::Folder || !written_[i])
            index += label + QLatin1Char('\n');
        else
            index += QStringLiteral("[%1](%2)\n")
                         .arg(label, ExportPlan::relativeLink(kMarkdownIndex, item.relativePath));
    }
    return index;
}

} // namespace oxlin::publish
