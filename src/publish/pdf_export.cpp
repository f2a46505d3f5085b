#include "publish/pdf_export.h"

#include "core/store/compressed_file.h"
#include "core/tree/topic_files.h"
#include "publish/export_plan.h"
#include "publish/pdf_outline.h"
#include "richtext/content_stream.h"
#include "richtext/text_objects.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QCoreApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include <vector>

namespace oxlin::publish {

namespace {

constexpr qint64 kMaxTopicBytes = qint64(256) * 1024 * 1024;
// Document units are pixels at 96 dpi; page sizes come in points.
constexpr double kPixelsPerPoint = 96.0 / 72.0;
constexpr double kContentsIndent = 20.0;

QString readablePath(const QString& itemPath) {
    return QString(itemPath).replace(QLatin1Char('\\'), QStringLiteral(" \u203A "));
}

// Gives every picture of `topic` a name of its own in `book` and hands the
// image over, so pictures of two topics never share a name.
void movePictures(QTextDocument& topic, QTextDocument& book, int topicNumber) {
    std::vector<std::pair<int, QTextImageFormat>> renamed;
    for (QTextBlock block = topic.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().isImageFormat())
                continue;
            QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            const QString name = QStringLiteral("topic%1/%2").arg(topicNumber).arg(format.name());
            book.addResource(QTextDocument::ImageResource, QUrl(name),
                             richtext::pictureImage(topic, format));
            format.setName(name);
            for (int i = 0; i < it.fragment().length(); ++i)
                renamed.emplace_back(it.fragment().position() + i, format);
        }
    QTextCursor cursor(&topic);
    for (const auto& [position, format] : renamed) {
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

} // namespace

struct PdfExporter::State {
    ExportPlan plan;
    QString workingFolder;
    QString target;
    QString title;
    QPageLayout layout;
    bool rootExists = false;
    QTextDocument book;
    QTextCursor cursor{&book};
    std::vector<int> contentsBlocks; // per item: its line of the contents
    std::vector<int> headingBlocks;  // per item: its heading, -1 for folders
    std::size_t next = 0;
    int topicsDone = 0;
    bool started = false;
    bool finished = false;
    PdfExportReport report;

    State(const tree::TopicTree& tree, tree::ItemHandle root, QString working, QString file,
          QString heading, const QPageLayout& pageLayout)
        : plan(tree, root, QStringLiteral(".pdf")), workingFolder(std::move(working)),
          target(std::move(file)), title(std::move(heading)), layout(pageLayout),
          rootExists(root == tree::kTopLevel || tree.contains(root)),
          headingBlocks(plan.items().size(), -1) {}

    void writeContents();
    void addItem(const PlannedItem& item);
    void layOut(std::vector<OutlineEntry>& outline);
    bool write(const std::vector<OutlineEntry>& outline);
};

void PdfExporter::State::writeContents() {
    const QRectF page = layout.paintRect(QPageLayout::Point);
    book.setPageSize(page.size() * kPixelsPerPoint);
    QTextCharFormat heading;
    heading.setFontPointSize(18);
    heading.setFontWeight(QFont::Bold);
    cursor.setCharFormat(heading);
    cursor.insertText(title);
    // Each line: the label, indented by depth, and its page at the right edge.
    const double right =
        page.width() * kPixelsPerPoint - 2 * book.rootFrame()->frameFormat().margin();
    for (const PlannedItem& item : plan.items()) {
        QTextBlockFormat line;
        line.setLeftMargin(item.depth * kContentsIndent);
        line.setTabPositions(
            {QTextOption::Tab(right - item.depth * kContentsIndent - 1, QTextOption::RightTab)});
        QTextCharFormat text;
        text.setFontWeight(item.kind == PlannedKind::Folder ? QFont::Bold : QFont::Normal);
        cursor.insertBlock(line, text);
        cursor.insertText(item.label + QLatin1Char('\t'));
        contentsBlocks.push_back(cursor.block().blockNumber());
    }
}

void PdfExporter::State::addItem(const PlannedItem& item) {
    if (item.kind == PlannedKind::Folder)
        return;
    QTextBlockFormat headingBlock;
    headingBlock.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
    headingBlock.setBottomMargin(12);
    QTextCharFormat heading;
    heading.setFontPointSize(14);
    heading.setFontWeight(QFont::Bold);
    cursor.insertBlock(headingBlock, heading);
    cursor.insertText(readablePath(item.itemPath));
    headingBlocks[next] = cursor.block().blockNumber();
    cursor.insertBlock(QTextBlockFormat(), QTextCharFormat());
    if (item.kind == PlannedKind::File) {
        QTextCharFormat note;
        note.setFontItalic(true);
        cursor.insertText(
            QCoreApplication::translate("oxlin::publish::PdfExport", "A file, not shown here."),
            note);
        return;
    }
    QByteArray bytes;
    const store::Status read = store::decompressFileToBuffer(
        tree::topicFilePath(workingFolder, item.fileId), bytes, kMaxTopicBytes);
    if (!read.ok() && read.code() != store::Status::Code::NotFound &&
        read.code() != store::Status::Code::Corrupt) {
        report.unreadable.append(item.itemPath);
        return;
    }
    QTextDocument topic;
    richtext::loadTopicStream(bytes, topic);
    movePictures(topic, book, int(next));
    cursor.insertFragment(QTextDocumentFragment(&topic));
}

void PdfExporter::State::layOut(std::vector<OutlineEntry>& outline) {
    const double pageHeight = book.pageSize().height();
    QAbstractTextDocumentLayout* layoutOfBook = book.documentLayout();
    std::vector<int> pages(plan.items().size(), -1);
    for (std::size_t i = 0; i < pages.size(); ++i)
        if (headingBlocks[i] >= 0)
            pages[i] = int(
                layoutOfBook->blockBoundingRect(book.findBlockByNumber(headingBlocks[i])).top() /
                pageHeight);
    // A folder opens at the first topic after it, or the last page.
    int following = std::max(0, book.pageCount() - 1);
    for (std::size_t i = pages.size(); i-- > 0;)
        following = pages[i] = pages[i] >= 0 ? pages[i] : following;
    // One edit for all the numbers: each edit alone would lay out again
    // everything after it, thousands of times.
    QTextCursor numbers(&book);
    numbers.beginEditBlock();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        const PlannedItem& item = plan.items()[i];
        outline.push_back({item.label, item.depth, pages[i]});
        const QTextBlock line = book.findBlockByNumber(contentsBlocks[i]);
        numbers.setPosition(line.position() + line.length() - 1);
        numbers.insertText(QString::number(pages[i] + 1));
    }
    numbers.endEditBlock();
}

bool PdfExporter::State::write(const std::vector<OutlineEntry>& outline) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setPageLayout(layout);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Oxlin"));
        book.print(&writer);
    }
    const QByteArray pdf = addOutline(buffer.data(), outline);
    report.bookmarks = pdf.size() != buffer.data().size();
    report.pages = book.pageCount();
    QSaveFile file(target);
    return file.open(QIODevice::WriteOnly) && file.write(pdf) == pdf.size() && file.commit();
}

PdfExporter::PdfExporter(const tree::TopicTree& tree, tree::ItemHandle root, QString workingFolder,
                         QString target, QString title, const QPageLayout& layout)
    : state_(std::make_unique<State>(tree, root, std::move(workingFolder), std::move(target),
                                     std::move(title), layout)) {}

PdfExporter::~PdfExporter() = default;

bool PdfExporter::start() {
    if (!state_->rootExists)
        return false;
    state_->writeContents();
    state_->started = true;
    return true;
}

bool PdfExporter::step() {
    State& s = *state_;
    if (!s.started || s.finished || s.next >= s.plan.items().size())
        return false;
    const PlannedItem& item = s.plan.items()[s.next];
    s.addItem(item);
    s.topicsDone += item.kind == PlannedKind::Folder ? 0 : 1;
    ++s.next;
    return s.next < s.plan.items().size();
}

int PdfExporter::topicsDone() const {
    return state_->topicsDone;
}

int PdfExporter::topicCount() const {
    return state_->plan.topicCount();
}

const PdfExportReport& PdfExporter::finish(bool cancelled) {
    State& s = *state_;
    if (!s.started || s.finished)
        return s.report;
    if (cancelled) {
        s.finished = true;
        s.report.topics = s.topicsDone;
        s.report.status = PdfExportStatus::Cancelled;
        return s.report;
    }
    while (step()) {
    }
    s.finished = true;
    s.report.topics = s.topicsDone;
    std::vector<OutlineEntry> outline;
    s.layOut(outline);
    s.report.status = s.write(outline) ? PdfExportStatus::Exported : PdfExportStatus::WriteFailed;
    return s.report;
}

const PdfExportReport& PdfExporter::report() const {
    return state_->report;
}

} // namespace oxlin::publish
