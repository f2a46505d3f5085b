#include "app/tree/tree_icons.h"

#include "app/base/app_icons.h"

#include <QMimeDatabase>

namespace oxlin::app {

TreeIcons::TreeIcons() {
    icons_ = {QIcon::fromTheme(QStringLiteral("folder"), folderIcon()), textTopicIcon(),
              programTopicIcon(), genericTopicIcon()};
}

QIcon TreeIcons::icon(int image) const {
    if (image < 0 || image >= icons_.size())
        return icons_.value(tree::kDocumentImage);
    return icons_.at(image);
}

int TreeIcons::addIcon(const QString& upperExtension) {
    QIcon found;
    if (upperExtension == QLatin1String(".RTF"))
        found = richTextTopicIcon(); // ours, so the two editable kinds look alike
    if (found.isNull()) {
        const QMimeType type = QMimeDatabase().mimeTypeForFile(
            QStringLiteral("topic") + upperExtension.toLower(), QMimeDatabase::MatchExtension);
        if (type.isValid() && !type.isDefault()) {
            found = QIcon::fromTheme(type.iconName());
            if (found.isNull())
                found = QIcon::fromTheme(type.genericIconName());
        }
    }
    if (found.isNull())
        return -1;
    icons_.append(found);
    return int(icons_.size()) - 1;
}

} // namespace oxlin::app
