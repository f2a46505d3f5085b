#include "app/editor/editor_host.h"

#include "app/base/prompter.h"
#include "app/base/user_messages.h"
#include "app/base/wait_cursor.h"
#include "app/editor/text_lines.h"
#include "app/editor/topic_text_edit.h"
#include "core/session/topic_reading.h"
#include "core/tree/topic_files.h"
#include "core/tree/topic_kind.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace oxlin::app {

QString exportPathFor(const QString& chosenPath, StreamFormat format) {
    const bool plain = format == StreamFormat::PlainText;
    const QString wanted = plain ? QStringLiteral("TXT") : QStringLiteral("RTF");
    // Only the file name is looked at: a dot in a folder name is not an extension.
    const qsizetype slash = std::max(chosenPath.lastIndexOf(u'/'), chosenPath.lastIndexOf(u'\\'));
    const qsizetype dot = chosenPath.lastIndexOf(u'.');
    const bool hasExtension = dot > slash;
    if (hasExtension && chosenPath.mid(dot + 1).toUpper() == wanted)
        return chosenPath;
    const QString base = hasExtension ? chosenPath.left(dot) : chosenPath;
    return base + (plain ? QLatin1String(".txt") : QLatin1String(".rtf"));
}

EditorHost::EditorHost(EditorTopics& topics, Prompter& prompter, QWidget* parent)
    : QObject(parent), topics_(topics), prompter_(prompter) {
    defaultFont_ = QFont(QStringLiteral("Arial"));
    defaultFont_.setStyleHint(QFont::SansSerif);
    // 14 pixels on a 96 dpi screen, given in points so that stored documents,
    // which size their text in points, say the size the editor shows.
    defaultFont_.setPointSizeF(10.5);

    edit_ = new TopicTextEdit(parent);
    edit_->setObjectName(QStringLiteral("editor"));
    edit_->setFont(defaultFont_);
    edit_->document()->setDefaultFont(defaultFont_);
    edit_->setAcceptRichText(true);
    edit_->document()->setDocumentMargin(10);
    edit_->setTabStopDistance(QFontMetricsF(defaultFont_).averageCharWidth() * 4);
    edit_->setEnabled(false);

    connect(edit_, &TopicTextEdit::textCut, this, [this](int dropped) {
        prompter_.message(tr("A topic holds at most %L1 characters. %L2 characters of the inserted "
                             "text did not fit and were left out.")
                              .arg(TopicTextEdit::kTextLimit)
                              .arg(dropped),
                          tr("Oxlin"), PromptIcon::Warning);
    });
    connect(edit_, &TopicTextEdit::contextMenuRequested, this, [this](const QPoint& at) {
        if (!contextMenu_)
            return;
        if (!contextExtras_) {
            contextMenu_->popup(at);
            return;
        }
        // A menu of the moment: the extras, then the editor's own entries.
        auto* menu = new QMenu(edit_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addActions(contextMenu_->actions());
        contextExtras_(*menu, edit_->viewport()->mapFromGlobal(at));
        menu->popup(at);
    });

    toggleWordWrap(); // the editor starts with word wrap on
}

EditorResult EditorHost::loadTopic(ItemHandle topic) {
    if (open_) {
        if (current_ != 0 && copy_.isSet()) {
            // An unchanged topic is not written again: its file stays as it was.
            const bool write = hasUnwrittenChanges();
            if (write && saveWorkingCopy() != EditorResult::Ok)
                return EditorResult::NotWritten; // keep the text rather than lose it
            const auto file = topics_.topicFilePath(current_);
            if (!file || (write && !copy_.putBack(*file))) {
                // The working copy is the only current text: it stays, and so does the topic.
                keepUnwritten();
                reportSaveError(long(QFileDevice::WriteError));
                return EditorResult::NotWritten;
            }
            copy_.discard();
        }
        current_ = 0;
        copy_.forget();
    } else {
        edit_->setEnabled(true);
        open_ = true;
        Q_EMIT editingAvailableChanged(true);
    }
    if (topic == 0)
        return EditorResult::Ok;

    const auto file = topics_.topicFilePath(topic);
    if (!file)
        return EditorResult::NoTopicFile;
    const auto label = topics_.label(topic);
    if (!label)
        return EditorResult::LabelUnreadable;

    // A label that cannot name a file inside the working folder is not opened.
    const QString copy = tree::workingCopyPath(topics_.workingFolder(), *label);
    if (copy.isEmpty())
        return EditorResult::LabelUnreadable;
    // Decoded once, into memory, and only up to the limit: the working copy
    // is written from these bytes and the editor reads them, and a topic too
    // large to open never reaches the disk or the memory in full.
    const session::TopicRead read =
        session::readTopicFile(*file, topics_.workingFolder(), maxTopicBytes_);
    if (read.tooLarge()) {
        // Not read, so never written back either: the topic file stays whole.
        edit_->clear();
        edit_->document()->setModified(false);
        reportTooLarge(*label);
        return EditorResult::TooLarge;
    }
    if (read.damaged)
        reportDamagedTopic(*label, read.keptCopy);
    copy_.start(copy, read.bytes);
    format_ = StreamFormat::Unknown;
    streamIn(read.bytes);

    current_ = topic;
    Q_EMIT topicChanged();
    return EditorResult::Ok;
}

void EditorHost::streamIn(const QByteArray& bytes) {
    WaitCursor wait;
    if (format_ == StreamFormat::Unknown)
        format_ = richtext::detectStreamFormat(bytes);

    // Read into a document nothing shows: read into the shown one, Qt would
    // lay out and shape every line of the topic as it goes, when the first
    // screen is all the user sees at once (the rest is laid out in steps).
    // The editor's connections are to the control, which follows its
    // document; the link view follows through textChanged.
    const QPointer<QTextDocument> shown = edit_->document();
    // Said while the control still listens to it: Undo and Redo of the
    // last topic go off (the new document has nothing to undo).
    shown->clearUndoRedoStacks();
    QTextDocument* document = readTopicDocument(bytes, format_, *shown, edit_);
    formatSwitched_ = false;
    edit_->setUpdatesEnabled(false);
    edit_->setDocument(document);
    edit_->setTextCursor(QTextCursor(document));
    // The control has deleted the first document, its own child; the later
    // ones are the editor's to delete.
    if (shown && shown->parent() == edit_)
        delete shown.data();
    edit_->setUpdatesEnabled(true);
    edit_->viewport()->update();

    if (edit_->textLength() > TopicTextEdit::kTextLimit) {
        // The whole topic stays in the editor: cutting it here would lose the
        // rest on the next save. Only growth beyond the limit is refused.
        prompter_.message(tr("This topic holds %L1 characters, more than the %L2 an editable topic "
                             "may hold. It is shown whole; text can be removed but no more added.")
                              .arg(edit_->textLength())
                              .arg(TopicTextEdit::kTextLimit),
                          tr("Oxlin"), PromptIcon::Warning);
    }
}

void EditorHost::reportTooLarge(const QString& label) {
    constexpr qint64 kMiB = 1024 * 1024;
    prompter_.message(tr("The topic \"%1\" holds more than the %L2 MB the editor "
                         "can open. Export it (Ctrl+R) to open it with another "
                         "program.")
                          .arg(label)
                          .arg(std::max<qint64>(1, maxTopicBytes_ / kMiB)),
                      tr("Oxlin"), PromptIcon::Warning);
}

void EditorHost::reportDamagedTopic(const QString& label, const QString& kept) {
    QString text = tr("The topic \"%1\" could not be read completely: its file is damaged.\n"
                      "What could be read of it is shown.")
                       .arg(label);
    if (!kept.isEmpty())
        text += tr("\nThe damaged file was kept as \"%1\".").arg(QDir::toNativeSeparators(kept));
    prompter_.message(text, tr("Oxlin"), PromptIcon::Warning);
}

void EditorHost::reportSaveError(long code) {
    prompter_.message(tr("Error saving document. [%1]").arg(code), tr("Error"), PromptIcon::None);
}

store::Status EditorHost::writeWorkingCopy() {
    const StreamFormat format =
        format_ == StreamFormat::Unknown ? StreamFormat::PlainText : format_;
    store::Status written = copy_.write(richtext::saveTopicStream(*edit_->document(), format));
    if (!written.ok())
        return written;
    edit_->document()->setModified(false);
    formatSwitched_ = false;
    return {};
}

EditorResult EditorHost::saveWorkingCopy() {
    WaitCursor wait;
    if (!writeWorkingCopy().ok()) {
        reportSaveError(long(QFileDevice::WriteError));
        return EditorResult::NotWritten;
    }
    edit_->setReadOnly(false);
    return EditorResult::Ok;
}

bool EditorHost::hasUnwrittenChanges() const {
    return edit_->document()->isModified() || formatSwitched_;
}

bool EditorHost::writeBackQuietly() {
    if (!open_ || current_ == 0 || !copy_.isSet() || !hasUnwrittenChanges())
        return false;
    if (!writeWorkingCopy().ok())
        return false; // the next save says what went wrong
    const auto file = topics_.topicFilePath(current_);
    if (file && copy_.putBack(*file))
        return true;
    keepUnwritten();
    return false;
}

void EditorHost::keepUnwritten() {
    // The working copy has the text but the topic file does not: until it
    // does, every save, switch and exit must try again, not find nothing new.
    edit_->document()->setModified(true);
}

EditorResult EditorHost::saveTopic() {
    if (!open_)
        return EditorResult::NotOpen;
    if (current_ == 0)
        return EditorResult::NoTopic;
    // Nothing new: the topic file already holds what the editor shows, and
    // writing it again would only change its bytes (and the package's).
    if (hasUnwrittenChanges()) {
        if (saveWorkingCopy() != EditorResult::Ok)
            return EditorResult::NotWritten;
        const auto file = topics_.topicFilePath(current_);
        if (!file || !copy_.putBack(*file)) {
            keepUnwritten();
            reportSaveError(long(QFileDevice::WriteError));
            return EditorResult::NotWritten;
        }
    }
    if (format_ == StreamFormat::RichText) {
        if (const auto label = topics_.label(current_)) {
            const QString relabelled = tree::richTextLabel(*label);
            if (relabelled != *label)
                topics_.relabel(current_, relabelled);
        }
    }
    return EditorResult::Ok;
}

EditorResult EditorHost::closeTopic() {
    if (!open_)
        return EditorResult::NotOpen;
    edit_->setEnabled(false);
    edit_->clear();
    current_ = 0;
    open_ = false;
    copy_.discard();
    Q_EMIT editingAvailableChanged(false);
    Q_EMIT topicChanged();
    return EditorResult::Ok;
}

bool EditorHost::shutDown() {
    const bool saved = !open_ || current_ == 0 || saveTopic() == EditorResult::Ok;
    // The topic file holds the text now; a working copy left behind would be
    // compressed again when the tree closes.
    if (saved)
        copy_.discard();
    open_ = false;
    copy_.forget();
    format_ = StreamFormat::PlainText;
    Q_EMIT editingAvailableChanged(false);
    Q_EMIT shutDownDone();
    edit_->setEnabled(false);
    edit_->clear();
    Q_EMIT topicChanged();
    return saved;
}

void EditorHost::toggleWordWrap() {
    WaitCursor wait;
    wordWrap_ = !wordWrap_;
    edit_->setLineWrapMode(wordWrap_ ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    Q_EMIT wordWrapChanged(wordWrap_);
}

QString EditorHost::propertiesText() const {
    QString label;
    if (current_ != 0)
        label = topics_.label(current_).value_or(QString());
    const LineAt line = lineAt(edit_->document(), edit_->textCursor().position());
    return tr("[%1]\nchar   : %2\nline    : %3\ncount : %4")
        .arg(label)
        .arg(line.start + line.length)
        .arg(line.number + 1)
        .arg(line.length);
}

void EditorHost::showProperties() {
    prompter_.message(propertiesText(), tr("Properties"), PromptIcon::None);
    Q_EMIT focusSwitchRequested();
}

quint32 EditorHost::viewPosition() const {
    const quint32 firstLine =
        quint32(lineAtY(edit_->document(), edit_->verticalScrollBar()->value()));
    const quint32 caret = quint32(edit_->textCursor().selectionStart());
    return (firstLine << 16) | (caret & 0xFFFFu);
}

void EditorHost::restoreViewPosition(quint32 position) {
    if (position == 0)
        return;
    QTextCursor caret(edit_->document());
    caret.setPosition(std::min(int(position & 0xFFFFu), edit_->textLength()));
    edit_->setTextCursor(caret);
    const qreal top = lineTop(edit_->document(), int(position >> 16));
    if (top >= 0)
        edit_->verticalScrollBar()->setValue(int(top));
}

EditorResult EditorHost::exportCurrentTopic() {
    if (current_ == 0 || !copy_.isSet())
        return EditorResult::NoTopic;
    const QStringList filters =
        format_ == StreamFormat::PlainText
            ? QStringList{tr("Text Files (*.TXT)")}
            : QStringList{tr("Rich Text Format (*.RTF)"), tr("RTF w/o Objects (*.RTF)")};
    const QString chosen =
        prompter_.saveFileName(QString(), QFileInfo(copy_.path()).fileName(), filters, false);
    if (chosen.isEmpty())
        return EditorResult::NotWritten;
    // Asked about the name written, which may have gained an extension.
    const QString target = exportPathFor(chosen, format_);
    if (!mayReplace(prompter_, target))
        return EditorResult::NotWritten;
    WaitCursor wait;
    const auto file = topics_.topicFilePath(current_);
    if (!file || !WorkingCopy::exportTopicFile(*file, target)) {
        reportSaveError(long(QFileDevice::WriteError));
        return EditorResult::NotWritten;
    }
    return EditorResult::Ok;
}

} // namespace oxlin::app
