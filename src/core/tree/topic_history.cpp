#include "core/tree/topic_history.h"

#include <QSet>

#include <algorithm>

namespace oxlin::tree {

void TopicHistory::record(ItemHandle item) {
    if (item == kNoItem)
        return;
    remove(item);
    while (int(entries_.size()) >= kCapacity)
        entries_.pop_front();
    entries_.push_back(item);
}

void TopicHistory::remove(ItemHandle item) {
    const auto it = std::find(entries_.begin(), entries_.end(), item);
    if (it != entries_.end())
        entries_.erase(it);
}

void TopicHistory::replace(ItemHandle from, ItemHandle to) {
    const auto it = std::find(entries_.begin(), entries_.end(), from);
    if (it == entries_.end() || from == to)
        return;
    *it = to;
    for (auto other = entries_.begin(); other != entries_.end(); ++other)
        if (*other == to && other != it) {
            entries_.erase(other);
            break;
        }
}

ItemHandle TopicHistory::older(ItemHandle item) const {
    const auto it = std::find(entries_.begin(), entries_.end(), item);
    if (it == entries_.end() || it == entries_.begin())
        return kNoItem;
    return *(it - 1);
}

ItemHandle TopicHistory::newer(ItemHandle item) const {
    const auto it = std::find(entries_.begin(), entries_.end(), item);
    if (it == entries_.end() || it + 1 == entries_.end())
        return kNoItem;
    return *(it + 1);
}

bool TopicHistory::contains(ItemHandle item) const {
    return std::find(entries_.begin(), entries_.end(), item) != entries_.end();
}

QString defaultItemName(const TopicTree& tree, ItemHandle parent, const QString& base) {
    const QString suffix =
        base.contains(QLatin1String("Folder")) ? QString() : QStringLiteral(".txt");
    const auto candidate = [&](int number) { return base + QString::number(number) + suffix; };
    int number = 1;
    QSet<QString> seen; // case-folded labels of the children
    for (ItemHandle child : tree.children(parent)) {
        const QString& label = tree.find(child)->label;
        if (label.compare(candidate(number), Qt::CaseInsensitive) == 0)
            ++number;
        seen.insert(label.toCaseFolded());
    }
    while (seen.contains(candidate(number).toCaseFolded()))
        ++number;
    return candidate(number);
}

} // namespace oxlin::tree
