// The editor host: the open topic, its working copy and the one editor control.
#pragma once

#include "app/editor/content_stream.h"
#include "app/editor/editor_topics.h"
#include "app/editor/working_copy.h"

#include <QFileDevice>
#include <QFont>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <functional>

class QWidget;

namespace oxlin::app {

class Prompter;
class TopicTextEdit;

// What loading, saving, closing and exporting a topic gave. Each failure has
// a fixed negative number of its own, so two failures never read alike in a
// log or a debugger; callers compare with Ok.
enum class EditorResult {
    Ok = 0,
    NotWritten = -1,       // the topic could not be written; the editor keeps its text
    LabelUnreadable = -13, // a label that cannot name a working copy
    NoTopicFile = -14,     // no topic file path could be formed
    NotOpen = -15,         // the editor is closed
    NoTopic = -16,         // no topic is open in it
    TooLarge = -17,        // more than EditorHost::kMaxTopicBytes
};

// The editor host: the one editor control and the topic it shows. A topic is
// edited through a plain working copy in the working folder (WorkingCopy owns
// its files): loading decompresses the topic file into it and reads it into
// the control; saving writes the control into it and compresses it back.
//
// Results are the editor's codes, named in EditorResult.
//
// The host owns no widget: the control is created as a child of `parent`.
// `topics` and `prompter` must outlive the host.
class EditorHost final : public QObject {
    Q_OBJECT
public:
    EditorHost(EditorTopics& topics, Prompter& prompter, QWidget* parent);

    // The largest topic the editor reads: a document takes several times its
    // text in memory, and a topic far larger than anyone types (a damaged
    // or hostile package) would take the whole machine's.
    static constexpr qint64 kMaxTopicBytes = qint64(256) * 1024 * 1024;
    // Lowers the limit, for tests that cannot write a topic that large.
    void setMaxTopicBytes(qint64 bytes) { maxTopicBytes_ = bytes; }

    TopicTextEdit* editor() const { return edit_; }
    QFont defaultFont() const { return defaultFont_; }

    EditorResult loadTopic(ItemHandle topic);
    EditorResult saveTopic();
    // Writes the open topic back into its topic file when it changed since
    // it was last written, as a save would but without relabelling it and
    // without a word on failure (the next save reports). True when written.
    bool writeBackQuietly();
    EditorResult closeTopic();
    // Saves the topic and empties the editor. False when the topic could not
    // be saved (the user has been told).
    bool shutDown();

    bool isOpen() const { return open_; }
    ItemHandle currentTopic() const { return current_; }
    // Points the editor at the topic's new item after a move.
    void repointTopic(ItemHandle newHandle) {
        current_ = newHandle;
        Q_EMIT topicChanged();
    }
    QString workingCopyPath() const { return copy_.path(); }
    StreamFormat streamFormat() const { return format_; }
    // Formatting commands call this: the topic now carries formatting.
    void markRichText() {
        if (format_ != StreamFormat::RichText)
            formatSwitched_ = true;
        format_ = StreamFormat::RichText;
    }
    // Whether the topic file lacks something the editor shows: text typed,
    // or a switch to rich text, since the topic was loaded or last written.
    bool hasUnwrittenChanges() const;
    // After a failed put-back: the text is still to be written into the topic file.
    void keepUnwritten();

    void toggleWordWrap();
    bool wordWrap() const { return wordWrap_; }

    QString propertiesText() const;
    void showProperties();

    // High 16 bits: first visible line; low 16 bits: caret position. 0 = none.
    quint32 viewPosition() const;
    void restoreViewPosition(quint32 position);

    EditorResult exportCurrentTopic();

    void setContextMenu(QMenu* menu) { contextMenu_ = menu; }
    // Entries put at the top of the context menu for the point clicked (in
    // the viewport): the spelling of the word there.
    using ContextMenuExtras = std::function<void(QMenu& menu, const QPoint& viewportPosition)>;
    void setContextMenuExtras(ContextMenuExtras extras) { contextExtras_ = std::move(extras); }

Q_SIGNALS:
    // A topic was opened or closed: the window title follows.
    void topicChanged();
    // The editing commands become available or not.
    void editingAvailableChanged(bool available);
    void wordWrapChanged(bool on);
    // The editor has been emptied at shutdown: history navigation ends too.
    void shutDownDone();
    // Asks the window to move the focus between tree and editor.
    void focusSwitchRequested();

private:
    EditorResult saveWorkingCopy();
    // The document into the working copy.
    store::Status writeWorkingCopy();
    void streamIn(const QByteArray& bytes);
    void reportSaveError(long code);
    // `kept`: where the damaged file was copied, or empty.
    void reportDamagedTopic(const QString& label, const QString& kept);
    void reportTooLarge(const QString& label);

    EditorTopics& topics_;
    Prompter& prompter_;
    TopicTextEdit* edit_ = nullptr;
    QPointer<QMenu> contextMenu_;
    ContextMenuExtras contextExtras_;
    QFont defaultFont_;
    bool open_ = false;
    ItemHandle current_ = 0;
    WorkingCopy copy_;
    qint64 maxTopicBytes_ = kMaxTopicBytes;
    StreamFormat format_ = StreamFormat::PlainText;
    bool wordWrap_ = false;
    bool formatSwitched_ = false;
};

// The path an export is written to: a file name whose extension is not the
// one for `format` gets it (".txt" or ".rtf"), replacing any other extension.
QString exportPathFor(const QString& chosenPath, StreamFormat format);

} // namespace oxlin::app
