#include "publish/markdown_import.h"

#include "core/transfer/import.h"
#include "core/transfer/names.h"
#include "core/transfer/source_files.h"
#include "core/tree/links.h"
#include "richtext/plain_text.h"
#include "richtext/rtf_writer.h"
#include "richtext/text_objects.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImage>
#include <QSaveFile>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUrl>

#include <vector>

namespace oxlin::publish {

namespace {

// A Markdown file found, where its RTF goes, and the topic it becomes.
struct MarkdownFile {
    QString source;
    QString target;
    QString itemPath;
};

class Mirror {
public:
    explicit Mirror(MarkdownConversion& result) : result_(result) {}

    // Mirrors `source` into the folder `folder`, whose items get `itemPath`;
    // returns the path made for it, empty when none was.
    QString add(const QString& source, const QString& folder, const QString& itemPath);
    void convertAll();

private:
    QString freeTarget(const QString& folder, const QString& name);
    void convert(const MarkdownFile& file);
    void resolveObjects(QTextDocument& document, const QString& sourceFolder);

    MarkdownConversion& result_;
    std::vector<MarkdownFile> files_;
    QHash<QString, QString> itemPaths_;  // clean source path -> item path
    QHash<QString, QSet<QString>> used_; // mirror folder -> names in upper case
};

// Headings take a size of their own: the reader marks them with a level and
// a relative size that RTF cannot carry.
void sizeHeadings(QTextDocument& document) {
    static constexpr double kPoints[] = {20, 16, 14, 12, 11, 10};
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 6)
            continue;
        QTextCharFormat heading;
        heading.setFontPointSize(kPoints[level - 1]);
        heading.setFontWeight(QFont::Bold);
        cursor.setPosition(block.position());
        cursor.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(heading);
    }
}

QString childItemPath(const QString& parent, const QString& name) {
    const QString label = transfer::labelForName(transfer::readableName(name));
    return parent.isEmpty() ? label : parent + QLatin1Char('\\') + label;
}

QString Mirror::freeTarget(const QString& folder, const QString& name) {
    QSet<QString>& used = used_[folder];
    const QString free = transfer::freeName(
        name, true, [&](const QString& candidate) { return used.contains(candidate.toUpper()); });
    used.insert(free.toUpper());
    return QDir(folder).filePath(free);
}

QString Mirror::add(const QString& source, const QString& folder, const QString& itemPath) {
    const transfer::SourceEntry entry = transfer::sourceEntry(source);
    const QString name = QFileInfo(source).fileName();
    if (entry.type == transfer::SourceType::Folder && !entry.isLink) {
        const QString target = freeTarget(folder, name);
        if (!QDir().mkdir(target)) {
            result_.ok = false;
            return {};
        }
        std::vector<transfer::SourceEntry> entries;
        if (transfer::listFolder(source, entries)) {
            const QString folderPath = childItemPath(itemPath, QFileInfo(target).fileName());
            for (const transfer::SourceEntry& child : entries)
                add(child.path, target, folderPath);
            return target;
        }
        QDir(target).removeRecursively(); // the importer says it cannot be read
    }
    if (entry.type == transfer::SourceType::File && isMarkdownFile(name)) {
        const QString rtfName = QFileInfo(name).completeBaseName() + QStringLiteral(".rtf");
        const QString target = freeTarget(folder, rtfName);
        const QString topicPath = childItemPath(itemPath, QFileInfo(target).fileName());
        files_.push_back({source, target, topicPath});
        itemPaths_.insert(QDir::cleanPath(QFileInfo(source).absoluteFilePath()), topicPath);
        return target;
    }
    // Anything else is imported as it is, through a link to it.
    const QString target = freeTarget(folder, name);
    if (!QFile::link(QFileInfo(source).absoluteFilePath(), target)) {
        result_.ok = false;
        return {};
    }
    return target;
}

void Mirror::convertAll() {
    for (const MarkdownFile& file : files_)
        convert(file);
}

void Mirror::convert(const MarkdownFile& file) {
    QFile source(file.source);
    if (!source.open(QIODevice::ReadOnly) || source.size() > transfer::kMaxImportFileBytes) {
        result_.unreadable.append(transfer::readablePath(file.source));
        return; // no RTF file: the importer passes over its path
    }
    QTextDocument document;
    // UTF-8, else Windows-1252, as plain-text topics are read; a byte-order
    // mark is not text.
    QString text = richtext::decodePlainText(source.read(transfer::kMaxImportFileBytes));
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    document.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    sizeHeadings(document);
    resolveObjects(document, QFileInfo(file.source).absolutePath());
    QSaveFile target(file.target);
    const QByteArray rtf = richtext::writeRtf(document);
    if (target.open(QIODevice::WriteOnly) && target.write(rtf) == rtf.size() && target.commit())
        ++result_.converted;
    else
        result_.ok = false;
}

// The local file a relative link or picture path names, or empty.
QString localTarget(const QString& reference, const QString& sourceFolder) {
    const QUrl url(reference);
    if (url.isLocalFile())
        return QDir::cleanPath(url.toLocalFile());
    if (!url.scheme().isEmpty() || url.path().isEmpty())
        return {};
    return QDir::cleanPath(QDir(sourceFolder).absoluteFilePath(url.path()));
}

// The picture a Markdown image names, read and kept with its bytes.
QTextImageFormat embeddedPicture(QTextDocument& document, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > transfer::kMaxImportFileBytes)
        return {};
    const QByteArray bytes = file.readAll();
    QImage image;
    if (!image.loadFromData(bytes))
        return {};
    // PNG and JPEG keep their bytes; any other kind is written as PNG.
    const bool png = bytes.startsWith("\x89PNG");
    const bool jpeg = bytes.startsWith("\xFF\xD8");
    return richtext::makePictureFormat(document, image, png || jpeg ? bytes : QByteArray(),
                                       jpeg ? richtext::PictureKind::Jpeg
                                            : richtext::PictureKind::Png);
}

void Mirror::resolveObjects(QTextDocument& document, const QString& sourceFolder) {
    // The changes are found first and made after: a change of format keeps
    // every position, but not the fragments being walked.
    std::vector<std::pair<int, QTextCharFormat>> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (format.isImageFormat()) {
                const QString path = localTarget(format.toImageFormat().name(), sourceFolder);
                const QTextImageFormat picture =
                    path.isEmpty() ? QTextImageFormat() : embeddedPicture(document, path);
                if (picture.isValid())
                    changes.emplace_back(fragment.position(), picture);
                continue;
            }
            if (!format.isAnchor())
                continue;
            const QString path = localTarget(format.anchorHref(), sourceFolder);
            if (path.isEmpty())
                continue;
            const QString topic = itemPaths_.value(path);
            format.setAnchorHref(topic.isEmpty() ? tree::fileLinkText(path)
                                                 : tree::topicLinkText(topic));
            for (int i = 0; i < fragment.length(); ++i)
                changes.emplace_back(fragment.position() + i, format);
        }
    }
    QTextCursor cursor(&document);
    for (const auto& [position, format] : changes) {
        cursor.setPosition(position);
        cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
        cursor.setCharFormat(format);
    }
}

} // namespace

bool isMarkdownFile(const QString& name) {
    return name.endsWith(QLatin1String(".md"), Qt::CaseInsensitive) ||
           name.endsWith(QLatin1String(".markdown"), Qt::CaseInsensitive);
}

MarkdownConversion convertMarkdownForImport(const QStringList& paths, const QString& intoItemPath,
                                            const QString& mirrorFolder) {
    MarkdownConversion result;
    Mirror mirror(result);
    for (const QString& path : paths) {
        const QString mirrored = mirror.add(path, mirrorFolder, intoItemPath);
        if (!mirrored.isEmpty())
            result.paths.append(mirrored);
    }
    mirror.convertAll();
    return result;
}

} // namespace oxlin::publish
