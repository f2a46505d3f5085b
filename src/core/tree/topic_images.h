// The image a topic shows in the tree, chosen by its label's extension.
#pragma once

#include <QString>

#include <vector>

namespace oxlin::tree {

// Finds and registers the image of an extension other than ".TXT" and ".EXE".
// The GUI implements it with the platform's icons.
class IconLookup {
public:
    virtual ~IconLookup() = default;
    // Adds the icon of the upper-case extension (with its dot) to the image
    // list and returns its index, or -1 when the platform has none.
    virtual int addIcon(const QString& upperExtension) = 0;
};

// The topic image rule with its cache of extensions that already have an
// image. One cache serves the program's lifetime, across notebooks.
class TopicImages {
public:
    static constexpr int kCapacity = 50;

    // `lookup` is borrowed and may be null (then every other extension gets
    // the document image).
    explicit TopicImages(IconLookup* lookup = nullptr) : lookup_(lookup) {}

    int imageFor(const QString& label);
    int cachedCount() const { return int(cache_.size()); }

private:
    struct Entry {
        QString extension; // upper case, with the dot
        int image;
    };
    IconLookup* lookup_;
    std::vector<Entry> cache_;
};

} // namespace oxlin::tree
