#include "core/tree/topic_kind.h"

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

} // namespace oxlin::tree
