#pragma once

// A folder's subtree (or the whole notebook, or one topic) written as a web
// site or as Markdown files into a new folder: one page per text or
// rich-text topic in folders mirroring the tree, its pictures as files
// beside it, every other topic's stored bytes copied beside, and an index
// listing the whole tree. Topic links become relative links between the
// pages.
//
// The work goes a step at a time (one item each), so a window can show
// progress and stop it; whatever step it stops after, the folder holds whole
// files only and an index of what was written.

#include "core/tree/tree_model.h"
#include "publish/export_plan.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QTextDocument;
class QTextImageFormat;

namespace oxlin::publish {

enum class SiteFormat { Html, Markdown };

enum class SiteExportStatus {
    Exported,
    Cancelled,     // stopped on request; what was written is kept, with its index
    AlreadyExists, // something is at the chosen path; nothing was written
    CannotCreate,  // the chosen folder could not be made
    NoItem,        // the item to export is gone
};

struct SiteExportReport {
    SiteExportStatus status = SiteExportStatus::NoItem;
    int pages = 0;
    int files = 0;   // file topics copied
    int folders = 0; // below the chosen one
    int pictures = 0;
    QStringList failed; // paths that could not be written; the export went on
};

class SiteExporter {
public:
    // `tree` is read only while constructing: the items are planned at once,
    // so the tree may change while the export runs. `title` heads the index;
    // pages show text without a font of its own in `pageFont` (the editor's)
    // or, without one, in the browser's.
    SiteExporter(const tree::TopicTree& tree, tree::ItemHandle root, QString workingFolder,
                 QString target, SiteFormat format, QString title,
                 std::optional<QFont> pageFont = std::nullopt);
    ~SiteExporter();
    SiteExporter(const SiteExporter&) = delete;
    SiteExporter& operator=(const SiteExporter&) = delete;

    // Makes the target folder. False when nothing can be exported (the
    // report says why); then step() does nothing.
    bool start();
    // Writes the next item; false when none is left.
    bool step();
    int topicsDone() const { return topicsDone_; }
    int topicCount() const { return plan_.topicCount(); }
    // Writes the index over what was written, once, also after a cancel.
    const SiteExportReport& finish(bool cancelled);
    const SiteExportReport& report() const { return report_; }

    // The name of the index in the target folder.
    QString indexName() const;

private:
    void writeItem(const PlannedItem& item);
    bool writePage(const PlannedItem& item);
    QString pageText(const PlannedItem& item, QTextDocument& document);
    QString topicHref(const QString& page, const QString& itemPath);
    QString writePicture(const QString& page, const QTextDocument& document,
                         const QTextImageFormat& format, int& number);
    QString pathOf(const QString& relative) const;
    bool writeFile(const QString& relative, const QByteArray& bytes);
    QString htmlIndex() const;
    QString markdownIndex() const;

    ExportPlan plan_;
    QString workingFolder_;
    QString target_;
    SiteFormat format_;
    QString title_;
    std::optional<QFont> pageFont_;
    bool rootExists_;
    std::size_t next_ = 0;
    std::vector<bool> written_;
    // Pages that link to other topics' pages or files, by index.
    std::vector<std::size_t> linkingPages_;
    bool linksOut_ = false;                // the page being written links to another
    bool onlyWritten_ = false;             // links lead only to what was written
    QHash<QString, QString> pictureNames_; // page and number -> picture path
    int topicsDone_ = 0;
    bool started_ = false;
    bool finished_ = false;
    SiteExportReport report_;
};

} // namespace oxlin::publish
