#pragma once

#include "core/tree/topic_images.h"
#include "core/tree/tree_model.h"

#include <QIcon>
#include <QList>

namespace oxlin::app {

// The tree's image list: the four fixed images (folder, text topic, program,
// generic document) and one more for each extension the topic image rule
// asks about, looked up by MIME type in the desktop's icon theme. Lives as
// long as the program, like the rule's extension cache.
class TreeIcons final : public tree::IconLookup {
public:
    TreeIcons();

    QIcon icon(int image) const;
    int count() const { return int(icons_.size()); }

    int addIcon(const QString& upperExtension) override;

private:
    QList<QIcon> icons_;
};

} // namespace oxlin::app
