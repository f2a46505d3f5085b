#pragma once

// A folder's subtree (or the whole notebook) as one PDF: a table of contents
// first, then every topic in tree order, each starting on a new page under
// its path as a heading, laid out with the page setup of printing, and
// bookmarks that follow the tree (pdf_outline.h). Text and rich-text topics
// show their content; other topics show their heading and a line saying
// what they are.
//
// The topics are read a step at a time, so a window can show progress and
// stop; the file is written at the end, whole, or not at all.

#include "core/tree/tree_model.h"

#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <memory>

namespace oxlin::publish {

enum class PdfExportStatus {
    Exported,
    Cancelled,  // nothing was written
    NoItem,     // the item to export is gone
    WriteFailed // the file could not be written
};

struct PdfExportReport {
    PdfExportStatus status = PdfExportStatus::NoItem;
    int topics = 0;
    int pages = 0;
    bool bookmarks = false; // the bookmarks could be added
    QStringList unreadable; // topics whose files could not be read (item paths)
};

class PdfExporter {
public:
    // `tree` is read only while constructing; `title` heads the contents.
    PdfExporter(const tree::TopicTree& tree, tree::ItemHandle root, QString workingFolder,
                QString target, QString title, const QPageLayout& layout);
    ~PdfExporter();
    PdfExporter(const PdfExporter&) = delete;
    PdfExporter& operator=(const PdfExporter&) = delete;

    bool start();
    // Reads the next topic into the document; false when none is left.
    bool step();
    int topicsDone() const;
    int topicCount() const;
    // Lays the document out and writes the file, unless cancelled.
    const PdfExportReport& finish(bool cancelled);
    const PdfExportReport& report() const;

private:
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace oxlin::publish
