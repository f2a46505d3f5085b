// What a topic is by its label: kind, image, topic file and working copy.
#pragma once

#include <QString>
#include <QtGlobal>

#include <vector>

namespace oxlin::tree {

// What a topic is follows from its label's extension.
enum class TopicKind {
    Text,     // ".txt": opens in the editor as plain text
    RichText, // ".rtf": opens in the editor as rich text
    File,     // any other extension: a whole file handed to its application
    None,     // no extension: cannot be opened
};

// The label's extension with its dot, as written ("a.b.TXT" gives ".TXT"), or
// empty when there is none. A dot in first position does not start one.
QString topicExtension(const QString& label);
TopicKind topicKind(const QString& label);
// The label a text topic takes once it carries formatting: the label from its
// first ".TXT" (any case) on becomes ".rtf" ("Plan.TXT" and "Plan.txt.bak"
// give "Plan.rtf"); a label without ".TXT" comes back unchanged.
QString richTextLabel(const QString& label);
// Whether a content search reads the topic: its label holds ".TXT" or ".RTF"
// anywhere (any case), as richTextLabel finds it.
bool isSearchableLabel(const QString& label);

// The topic file of `fileId` in the working folder ("%08X.XTZ", found without
// regard to letter case).
QString topicFilePath(const QString& workingFolder, qint32 fileId);

// The working copy of an open topic: the file named by its label in the
// working folder. A label that names one of the notebook's own files there
// ("Tree.ini", "Z.ini", the index files, anything ending in ".xtz", which
// packing would take for a member) gets its copy in the sub-folder
// kReservedCopiesFolder instead; callers create it. Empty when the label
// cannot name a file inside the folder (empty, ".", "..", or containing "/"
// or NUL), so callers refuse to open it rather than write elsewhere.
QString workingCopyPath(const QString& workingFolder, const QString& label);
inline constexpr char kReservedCopiesFolder[] = "Copies";

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
