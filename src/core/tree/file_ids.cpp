#include "core/tree/file_ids.h"

#include "core/store/profile.h"

#include <algorithm>
#include <limits>

namespace oxlin::tree {

void FileIdCounter::load() {
    const QString text =
        profiles_.readString(runtimeFile_, QLatin1String(kSection), QLatin1String(kKey));
    const int value = text.isEmpty() ? -1 : store::leadingInteger(text);
    counter_ = value == -1 ? 1 : value;
    stored_ = counter_;
}

void FileIdCounter::raiseTo(qint32 fileId) {
    if (fileId > counter_)
        counter_ = fileId;
}

qint32 FileIdCounter::allocate() {
    if (counter_ == std::numeric_limits<qint32>::max())
        return 0;
    // A negative counter from a damaged Z.ini would give out 0 or negative ids.
    const qint32 next = counter_ < 1 ? 2 : counter_ + 1;
    if (next > stored_) {
        const qint32 ahead =
            qint32(std::min<qint64>(qint64(next) + batch_ - 1, std::numeric_limits<qint32>::max()));
        if (!profiles_.writeString(runtimeFile_, QLatin1String(kSection), QLatin1String(kKey),
                                   QString::number(ahead)))
            return 0;
        stored_ = ahead;
    }
    counter_ = next;
    return next;
}

} // namespace oxlin::tree
