#include "core/tree/topic_kind.h"

#include "core/store/file_names.h"
#include "core/store/notebook_paths.h"

#include "core/tree/tree_model.h"

#include <QDir>

namespace oxlin::tree {

QString topicExtension(const QString& label) {
    const qsizetype dot = label.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? label.mid(dot) : QString();
}

TopicKind topicKind(const QString& label) {
    const QString extension = topicExtension(label);
    if (extension.isEmpty())
        return TopicKind::None;
    if (extension.compare(QLatin1String(".txt"), Qt::CaseInsensitive) == 0)
        return TopicKind::Text;
    if (extension.compare(QLatin1String(".rtf"), Qt::CaseInsensitive) == 0)
        return TopicKind::RichText;
    return TopicKind::File;
}

namespace {

// Not the extension rule: a text topic may be labelled "Plan.txt.bak", and
// it is still text to search and to turn into rich text.
qsizetype findTextMark(const QString& label) {
    return label.indexOf(QLatin1String(".TXT"), 0, Qt::CaseInsensitive);
}

} // namespace

QString richTextLabel(const QString& label) {
    const qsizetype at = findTextMark(label);
    return at < 0 ? label : label.left(at) + QLatin1String(".rtf");
}

bool isSearchableLabel(const QString& label) {
    return findTextMark(label) >= 0 || label.contains(QLatin1String(".RTF"), Qt::CaseInsensitive);
}

QString topicFilePath(const QString& workingFolder, qint32 fileId) {
    return store::resolveInFolder(workingFolder, store::topicFileName(quint32(fileId)));
}

QString workingCopyPath(const QString& workingFolder, const QString& label) {
    if (!store::isEntryName(label))
        return {};
    const bool reserved =
        store::hasCompressedExtension(label) ||
        label.compare(QLatin1String(store::kTreeFileName), Qt::CaseInsensitive) == 0 ||
        label.compare(QLatin1String(store::kRuntimeFileName), Qt::CaseInsensitive) == 0 ||
        label.compare(QLatin1String(store::kTopicIndexFileName), Qt::CaseInsensitive) == 0 ||
        label.compare(QLatin1String(store::kSearchIndexFileName), Qt::CaseInsensitive) == 0 ||
        label.compare(QLatin1String(kReservedCopiesFolder), Qt::CaseInsensitive) == 0;
    const QDir folder(workingFolder);
    return reserved ? folder.filePath(QLatin1String(kReservedCopiesFolder) + u'/' + label)
                    : folder.filePath(label);
}

int TopicImages::imageFor(const QString& label) {
    const QString extension = topicExtension(label).toUpper();
    if (extension.isEmpty())
        return kDocumentImage;
    if (extension == QLatin1String(".EXE"))
        return kProgramImage;
    if (extension == QLatin1String(".TXT"))
        return kTextImage;
    for (const Entry& entry : cache_)
        if (entry.extension == extension)
            return entry.image;
    if (int(cache_.size()) >= kCapacity || !lookup_)
        return kDocumentImage;
    const int image = lookup_->addIcon(extension);
    if (image < 0)
        return kDocumentImage; // not cached: the next use asks again
    cache_.push_back({extension, image});
    return image;
}

} // namespace oxlin::tree
