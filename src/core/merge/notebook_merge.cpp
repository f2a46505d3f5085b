#include "core/merge/notebook_merge.h"

#include "core/merge/runtime_merge.h"
#include "core/merge/tree_sides.h"
#include "core/store/compressed_file.h"
#include "core/store/file_names.h"
#include "core/tree/tree_file.h"
#include "core/tree/tree_file_format.h"

#include <QSet>

#include <algorithm>

namespace oxlin::merge {

namespace {

using tree::ItemHandle;
using tree::TreeItem;

const QString kTreeMember = QStringLiteral("Tree");
const QString kRuntimeMember = QStringLiteral("Z");

// Two stored topics hold the same content: the same bytes, or bytes that
// decode to the same text (another compressor, another level).
bool sameContent(const QByteArray& a, const QByteArray& b) {
    if (a == b)
        return true;
    QByteArray textA, textB;
    return store::decompressBuffer(a, textA).ok() && store::decompressBuffer(b, textB).ok() &&
           textA == textB;
}

// Member names that are topic files: eight hexadecimal digits.
bool isTopicMember(const QString& name, qint32* id = nullptr) {
    bool ok = name.size() == 8;
    const qint64 value = ok ? name.toLongLong(&ok, 16) : 0;
    if (id)
        *id = qint32(value);
    return ok && value > 0 && value <= std::numeric_limits<qint32>::max();
}

class Merger {
public:
    // `theirTreeIsBase`: theirs' tree is the base's (no item of it was added,
    // moved, renamed or deleted), and the base side's tree is not loaded.
    Merger(const Side& base, const Side& ours, const Side& theirs, bool theirTreeIsBase,
           NotebookContent& result, MergeReport& report)
        : base_(base), ours_(ours), theirs_(theirs), theirTreeIsBase_(theirTreeIsBase),
          result_(result), report_(report) {}

    void run();

private:
    void mergeTopic(qint32 id, ItemHandle theirItem);
    void addedOnTheirs(qint32 id, ItemHandle theirItem);
    void changedOnBoth(qint32 id, const QByteArray& theirBytes);
    void deletedOnTheirs(qint32 id);
    void mergeFolders();
    void keepOtherMembers();
    void writeTreeAndRuntime();
    qint32 freshId() {
        gaveIds_ = true;
        return ++highestId_;
    }
    QByteArray topicBytes(const Side& side, qint32 id) const {
        return side.content.bytes(NotebookContent::topicMember(id));
    }
    void setTopicBytes(qint32 id, const QByteArray& bytes) {
        result_.put(NotebookContent::topicMember(id), bytes);
    }

    const Side& base_;
    const Side& ours_;
    const Side& theirs_;
    const bool theirTreeIsBase_;
    MergedTree merged_;
    NotebookContent& result_;
    MergeReport& report_;
    qint32 highestId_ = 0;
    bool gaveIds_ = false;
};

void Merger::run() {
    result_ = ours_.content;
    result_.keepAliveAlso(theirs_.content);
    merged_.load(ours_);
    highestId_ = std::max({base_.highestId(), merged_.highestId(), theirs_.highestId()});
    // Ids up to a side's FileIDCount may have been given out there already.
    for (const NotebookContent* content : {&base_.content, &ours_.content, &theirs_.content}) {
        QByteArray runtime;
        content->text(kRuntimeMember, runtime);
        highestId_ = std::max(highestId_, fileIdCountOf(runtime));
        for (const NotebookContent::Member& member : content->members()) {
            qint32 id = 0;
            if (isTopicMember(member.name, &id))
                highestId_ = std::max(highestId_, id);
        }
    }
    for (const auto& [id, item] : theirs_.topicsInOrder())
        mergeTopic(id, item);
    if (!theirTreeIsBase_) {
        for (const auto& [id, item] : base_.topicsInOrder())
            if (!theirs_.topicItem(id))
                deletedOnTheirs(id);
        mergeFolders();
    }
    keepOtherMembers();
    writeTreeAndRuntime();
}

void Merger::mergeTopic(qint32 id, ItemHandle theirItem) {
    const ItemHandle baseItem = theirTreeIsBase_ ? theirItem : base_.topicItem(id);
    if (!baseItem) {
        addedOnTheirs(id, theirItem);
        return;
    }
    const QByteArray theirBytes = topicBytes(theirs_, id);
    const bool theirsChanged = !sameContent(theirBytes, topicBytes(base_, id));
    const ItemHandle mergedItem = merged_.topic(id);
    if (!mergedItem) {
        // Deleted on ours: theirs' changes keep it.
        if (theirsChanged) {
            merged_.insertTopicLike(theirs_, theirItem, id, theirs_.tree.find(theirItem)->label);
            setTopicBytes(id, theirBytes);
            report_.keptDespiteDelete.append(merged_.pathOf(id));
        }
        return;
    }
    if (theirsChanged) {
        const QByteArray ourBytes = topicBytes(ours_, id);
        if (sameContent(ourBytes, topicBytes(base_, id)))
            setTopicBytes(id, theirBytes);
        else if (!sameContent(ourBytes, theirBytes))
            changedOnBoth(id, theirBytes);
    }
    if (theirTreeIsBase_)
        return;
    const Location baseLocation = base_.locationOf(baseItem);
    const Location theirLocation = theirs_.locationOf(theirItem);
    if (theirLocation != baseLocation && merged_.locationOf(id) == baseLocation)
        merged_.moveTopic(id, theirLocation);
}

void Merger::addedOnTheirs(qint32 id, ItemHandle theirItem) {
    const QByteArray theirBytes = topicBytes(theirs_, id);
    const QString label = theirs_.tree.find(theirItem)->label;
    if (!merged_.topic(id)) {
        merged_.insertTopicLike(theirs_, theirItem, id, label);
        setTopicBytes(id, theirBytes);
        return;
    }
    if (sameContent(topicBytes(ours_, id), theirBytes))
        return; // the same topic on both sides
    // Ours gave the id to a topic of its own: theirs takes a new one.
    const qint32 newId = freshId();
    const bool sameTopic = merged_.locationOf(id) == theirs_.locationOf(theirItem);
    if (sameTopic) {
        merged_.insertCopyAfter(id, newId, otherCopyLabel(label));
        report_.keptTwice.append(merged_.pathOf(id));
    } else {
        merged_.insertTopicLike(theirs_, theirItem, newId, label);
    }
    setTopicBytes(newId, theirBytes);
    ++report_.renumbered;
}

void Merger::changedOnBoth(qint32 id, const QByteArray& theirBytes) {
    const qint32 newId = freshId();
    merged_.insertCopyAfter(id, newId, otherCopyLabel(merged_.labelOf(id)));
    setTopicBytes(newId, theirBytes);
    report_.keptTwice.append(merged_.pathOf(id));
}

void Merger::deletedOnTheirs(qint32 id) {
    // Theirs deleted it and the base had it, so only ours can have kept it.
    if (!merged_.topic(id))
        return;
    if (!sameContent(topicBytes(ours_, id), topicBytes(base_, id))) {
        report_.keptDespiteDelete.append(merged_.pathOf(id));
        return;
    }
    if (merged_.removeTopic(id))
        result_.remove(NotebookContent::topicMember(id));
}

void Merger::mergeFolders() {
    for (const QString& path : theirs_.folderPaths())
        if (!base_.hasFolder(path))
            merged_.ensureFolder(path);
    QStringList deleted;
    for (const QString& path : base_.folderPaths())
        if (!theirs_.hasFolder(path))
            deleted.append(path);
    // Deepest first, so a parent is judged after its sub-folders went.
    std::sort(deleted.begin(), deleted.end(),
              [](const QString& a, const QString& b) { return a.count(u'\\') > b.count(u'\\'); });
    for (const QString& path : deleted)
        merged_.removeFolderUnlessKept(path, base_);
}

// Members that are neither topics nor the tree nor Z.ini: theirs' when ours
// has none.
void Merger::keepOtherMembers() {
    for (const NotebookContent::Member& member : theirs_.content.members()) {
        if (isTopicMember(member.name) || result_.contains(member.name) ||
            base_.content.contains(member.name))
            continue;
        result_.put(member.name, member.bytes);
    }
}

void Merger::writeTreeAndRuntime() {
    if (merged_.changed()) {
        QByteArray stored;
        if (store::compressBuffer(tree::treeFileText(merged_.tree()), stored).ok())
            result_.put(kTreeMember, stored);
    }
    QByteArray ourRuntime, theirRuntime;
    ours_.content.text(kRuntimeMember, ourRuntime);
    theirs_.content.text(kRuntimeMember, theirRuntime);
    const QByteArray runtime =
        mergeRuntimeText(ourRuntime, theirRuntime, gaveIds_ ? highestId_ : 0);
    // Compared with ours merged with itself, so a merge that brings nothing
    // leaves the member's bytes alone.
    if (runtime != mergeRuntimeText(ourRuntime, ourRuntime, 0)) {
        QByteArray stored;
        if (store::compressBuffer(runtime, stored).ok())
            result_.put(kRuntimeMember, stored);
    }
}

bool sameMembers(const NotebookContent& a, const NotebookContent& b) {
    if (a.size() != b.size())
        return false;
    for (const NotebookContent::Member& member : a.members())
        if (!b.contains(member.name) || b.bytes(member.name) != member.bytes)
            return false;
    return true;
}

} // namespace

QString otherCopyLabel(const QString& label) {
    static const QString kMark = QStringLiteral(" (other copy)");
    const qsizetype dot = label.lastIndexOf(u'.');
    const bool hasExtension = dot > 0 && label.size() - dot <= 8;
    const QString stem = hasExtension ? label.left(dot) : label;
    const QString extension = hasExtension ? label.mid(dot) : QString();
    const qsizetype room =
        tree::tree_file_format::kMaxLabelBytes - (kMark + extension).toUtf8().size();
    return store::cutToUtf8Bytes(stem, std::max<qsizetype>(room, 1)) + kMark + extension;
}

store::Status mergeNotebooks(const NotebookContent& base, const NotebookContent& ours,
                             const NotebookContent& theirs, NotebookContent& result,
                             MergeReport& report) {
    report = MergeReport();
    result = NotebookContent();
    Side baseSide(base), ourSide(ours), theirSide(theirs);
    const bool theirTreeIsBase =
        base.contains(kTreeMember) && base.bytes(kTreeMember) == theirs.bytes(kTreeMember);
    if (!baseSide.load(!theirTreeIsBase))
        return {store::Status::Code::Corrupt, QStringLiteral("base")};
    if (!ourSide.load(false))
        return {store::Status::Code::Corrupt, QStringLiteral("ours")};
    if (!theirSide.load())
        return {store::Status::Code::Corrupt, QStringLiteral("theirs")};
    Merger(baseSide, ourSide, theirSide, theirTreeIsBase, result, report).run();
    report.changed = !sameMembers(result, ours);
    return {};
}

store::Status mergeCopies(const NotebookContent& ours, const NotebookContent& theirs,
                          NotebookContent& result, MergeReport& report) {
    return mergeNotebooks(NotebookContent(), ours, theirs, result, report);
}

} // namespace oxlin::merge
