#pragma once

#include "core/tree/tree_model.h"

#include <QString>

#include <functional>

namespace oxlin::tree {

class FileIdCounter;
class TopicHistory;
class TopicImages;

// A package holds at most 3,839 members: Tree, Z and one per topic.
inline constexpr int kMaxTopics = 3837;
int topicCount(const TopicTree& tree);

// The next id of `fileIds` that is free: no topic file of it exists in
// `workingFolder` (a file left by a lost FileIDCount) and `carried` says no
// live item has it. Returns 0 when no free id could be stored.
qint32 allocateFreeFileId(FileIdCounter& fileIds, const QString& workingFolder,
                          const std::function<bool(qint32)>& carried);

// Why a label is refused, or Accepted.
enum class LabelCheck {
    Accepted,
    Empty,
    ReservedCharacter, // "\", "/", "=", "[", "]" or a control character
    NotAFileName,      // "." or ".."
    TooLong,           // more than 255 bytes of UTF-8
    FolderExists,      // a sibling folder has the label, without regard to case
};
// What the tree operations ask before they go on.
enum class TreeQuestion {
    DeleteTopic,  // a topic and its file
    DeleteFolder, // a folder and every topic in it
    MoveToTop,    // a dropped item to the top level
    MoveToFolder, // a dropped item into a folder
};

// The questions and refusals of the tree operations, as reasons: the
// application words them and shows message boxes; tests answer from a script.
class TreeQuestions {
public:
    virtual ~TreeQuestions() = default;
    // A Yes/No question about the item `label`; `folderPath` is a drop's
    // target folder. True for Yes.
    virtual bool confirm(TreeQuestion question, const QString& label,
                         const QString& folderPath) = 0;
    // `label` was refused as a name.
    virtual void refuseLabel(LabelCheck check, const QString& label) = 0;
    // A new topic would pass kMaxTopics: past it the package could not be
    // written at the next save.
    virtual void refuseFullNotebook() = 0;
};

// The one editor, as far as the tree needs it.
class TreeEditor {
public:
    virtual ~TreeEditor() = default;
    // The topic the editor shows, or kNoItem.
    virtual ItemHandle currentItem() const = 0;
    // Writes the shown topic into its topic file (nothing when none is shown).
    // False when it could not be written: the editor then keeps its text and
    // nothing that would empty it goes ahead.
    virtual bool saveTopic() = 0;
    // Empties the editor without saving; afterwards there is no current item.
    virtual void closeWithoutSaving() = 0;
    // The shown topic moved and now has the handle `item`.
    virtual void repoint(ItemHandle item) = 0;
    // First visible line << 16 | caret, for the shown topic.
    virtual quint32 viewPosition() const = 0;
    // Loads a text or rich-text topic; the current item becomes `item`.
    // False when it could not be loaded.
    virtual bool loadTopic(ItemHandle item) = 0;
    virtual void restoreViewPosition(quint32 position) = 0;
};

// Whether Back and Forward are possible.
struct NavigationState {
    bool back = false;
    bool forward = false;
    friend bool operator==(const NavigationState&, const NavigationState&) = default;
};

// What the application plugs in besides the editor and the questions. Every
// hook is optional.
struct TreeHooks {
    // The topic index: an accepted rename or relabel drops the item under its
    // old path, then (with the new label set) adds it under its new path.
    std::function<void(ItemHandle item, const QString& oldPath)> dropFromIndex;
    std::function<void(ItemHandle item)> addToIndex;
    // Back and Forward changed.
    std::function<void(NavigationState)> navigationChanged;
    // A file topic (neither ".txt" nor ".rtf") is to be written out and handed
    // to its application.
    std::function<void(ItemHandle item)> openFileTopic;
};

// What the application's tree needs from the notebook. All references are
// borrowed and must outlive the operations.
struct TreeServices {
    TopicTree& tree;
    FileIdCounter& fileIds;
    TopicHistory& history;
    // The open notebook's working folder; topic files live there.
    std::function<QString()> workingFolder;
    TopicImages* images = nullptr; // for the relabel to ".rtf"; may be null
};

enum class Move { LevelUp, LevelDown, Up, Down };

// What the selection allows: the four moves, and whether it is a folder
// (new topic, new subfolder, delete folder) or a topic (delete topic).
struct SelectionState {
    bool levelUp = false;
    bool levelDown = false;
    bool up = false;
    bool down = false;
    bool folder = false;
    bool topic = false;
};

// Whether a move is possible for `item` (the check mode of each move).
// The nearest folder before `item` among its siblings, or kNoItem.
ItemHandle previousFolderSibling(const TopicTree& tree, ItemHandle item);

bool canMove(const TopicTree& tree, ItemHandle item, Move move);
SelectionState selectionState(const TopicTree& tree, ItemHandle selection);

// How a topic opens.
enum class OpenAction {
    None,   // nothing to open: no item, a folder, the editor's own topic, no extension
    Editor, // a text or rich-text topic, loaded into the editor
    File,   // a file topic, handed to its application
};
OpenAction openActionFor(const TopicTree& tree, ItemHandle item, ItemHandle editorItem);

// "\", "/", "=", "[", "]" and control characters: Tree.ini cannot carry them in a label.
bool isReservedLabelCharacter(QChar c);
// Checks the label `label` for `item` (an existing item), or for a new item of
// the given kind under `parent` when `item` is kNoItem.
LabelCheck checkLabel(const TopicTree& tree, ItemHandle parent, ItemHandle item, bool isFolder,
                      const QString& label);

// The commands, keys, label edits and drops of the tree. The selection lives in
// the application's view: every operation takes it and says what to select
// next. Not thread-safe; everything runs on the user-interface thread.
class TreeOperations {
public:
    TreeOperations(TreeServices services, TreeQuestions& questions, TreeEditor& editor,
                   TreeHooks hooks = {});
    TreeOperations(const TreeOperations&) = delete;
    TreeOperations& operator=(const TreeOperations&) = delete;

    // New items. Each returns the new item, which the application selects and
    // starts label editing on, or kNoItem when nothing was created.
    // Last child of a selected folder, else of the selection's parent (the top
    // level when nothing is selected).
    ItemHandle newTopic(ItemHandle selection);
    ItemHandle newFolder(ItemHandle selection);    // last child of the selection's parent
    ItemHandle newSubfolder(ItemHandle selection); // last child of a folder
    ItemHandle newItemAfter(ItemHandle selection); // Enter: a sibling of the same kind after it
    // A text topic named by the new-topic rule at the end of the top level,
    // for text captured from other programs; its topic file is not written.
    ItemHandle newTopLevelTopic();

    // The Insert key: a new topic in a folder (label editing starts), or a
    // topic wrapped in a new folder named after its base name (only selected).
    struct Created {
        ItemHandle item = kNoItem;
        bool editLabel = false;
    };
    Created insertKey(ItemHandle selection);
    // Wraps a topic "a.txt" into a new folder "a" placed after it. Returns the
    // topic's new item.
    ItemHandle wrapInFolder(ItemHandle topic);

    // End of label editing (not called when editing was cancelled). A topic
    // label without "." gets ".txt". A label the tree file or the file system
    // cannot carry is refused with a message and the old label stays.
    enum class RenameResult { Renamed, Refused, NoItem };
    RenameResult rename(ItemHandle item, const QString& text);
    // The editor's relabel of a topic (".txt" to ".rtf"): the label and the
    // image change, and the topic index follows.
    bool relabel(ItemHandle topic, const QString& label);

    // Deletes a topic or a folder with what is below it. Asks first.
    struct Deleted {
        bool deleted = false;
        ItemHandle select = kNoItem; // after a delete: next sibling, else parent, else none
    };
    Deleted deleteItem(ItemHandle selection);

    // The four moves. Returns the moved item's new handle (to select), or kNoItem
    // when the move is not possible.
    ItemHandle move(ItemHandle selection, Move move);

    // Drag and drop inside the tree. `target` is the item under the pointer.
    // canDrop is false for no target, the dragged item itself and its subtree.
    bool canDrop(ItemHandle dragged, ItemHandle target) const;
    // Asks, then moves: a topic last, a folder first in the target folder (a
    // topic target stands for its parent). Returns the dragged item's new handle.
    ItemHandle drop(ItemHandle dragged, ItemHandle target);

    // Opens a topic (double click, Space, the panels, links). Records it in
    // the history unless Back or Forward is opening it.
    OpenAction openTopic(ItemHandle item);

    // Back and Forward. Returns the item to select (it has been opened), or
    // kNoItem when there was nothing to go to (a stale entry is dropped).
    ItemHandle back();
    ItemHandle forward();
    NavigationState navigation() const { return navigation_; }

    ItemHandle lastOpened() const { return lastOpened_; }
    // The notebook is closed: no last opened topic, Back and Forward disabled.
    // The history itself is the session's to clear.
    void forgetOpenedTopics();
    // The tree was read again (a merge gave its items new handles) and the
    // editor shows `opened`, if anything: Back and Forward go on from there.
    void followReloadedTree(ItemHandle opened);

private:
    ItemHandle insertNewTopic(ItemHandle parent, InsertPosition position);
    ItemHandle insertNewFolder(ItemHandle parent, InsertPosition position);
    qint32 allocateFreeFileId();
    ItemHandle moveTo(ItemHandle item, ItemHandle newParent, InsertPosition position);
    void deleteTopicFile(qint32 fileId, ItemHandle deletedRoot);
    ItemHandle navigate(bool towardsOlder);
    void setNavigation(NavigationState state);
    QString workingFolder() const;

    TreeServices services_;
    TopicTree& tree_;
    TopicHistory& history_;
    TreeQuestions& questions_;
    TreeEditor& editor_;
    TreeHooks hooks_;
    NavigationState navigation_;
    ItemHandle lastOpened_ = kNoItem;
    bool navigating_ = false;
};

} // namespace oxlin::tree
