#include "core/tree/topic_images.h"

#include "core/tree/topic_kind.h"
#include "core/tree/tree_model.h"

namespace oxlin::tree {

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
