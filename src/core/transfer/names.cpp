#include "core/transfer/names.h"

#include "core/store/file_names.h"
#include "core/tree/topic_kind.h"
#include "core/tree/tree_file_format.h"
#include "core/tree/tree_operations.h"

namespace oxlin::transfer {

QString freeName(const QString& name, bool keepExtension,
                 const std::function<bool(const QString&)>& taken) {
    if (!taken(name))
        return name;
    const QString extension = keepExtension ? tree::topicExtension(name) : QString();
    const QString base = name.left(name.size() - extension.size());
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1 (%2)%3").arg(base).arg(n).arg(extension);
        if (!taken(candidate))
            return candidate;
    }
}

QString labelForName(const QString& name) {
    QString label = name;
    for (QChar& c : label)
        if (tree::isReservedLabelCharacter(c))
            c = QLatin1Char('_');
    label = store::cutToUtf8Bytes(label, tree::tree_file_format::kMaxLabelBytes);
    if (label.isEmpty() || label == QLatin1String(".") || label == QLatin1String(".."))
        return QStringLiteral("_");
    return label;
}

} // namespace oxlin::transfer
