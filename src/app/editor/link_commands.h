#pragma once

// The link commands: insert a link to a file (F5), to a topic (F4) or to a
// web address (Ctrl+K), carry out an activated link, and append captured
// text to the open topic.
//
// A link shows either its address, as plain text the editor finds and draws
// as a link, or a text of its own: then the text carries the target as an
// anchor, which the rich-text stream keeps as a HYPERLINK field.

#include <QObject>
#include <QString>

#include <functional>

class QTextEdit;

namespace oxlin::app {

class Launcher;
class Prompter;

class LinkCommands final : public QObject {
    Q_OBJECT
public:
    struct Services {
        QTextEdit& editor;
        Prompter& prompter;
        Launcher& launcher;
        // Writes Tree.ini and names it, so the topic dialog shows the tree as it is.
        std::function<QString()> writeTreeFile;
        // Selects and opens the topic an item path names; false when none does.
        std::function<bool(const QString& itemPath)> openTopicByPath;
        // A short note that goes by itself (the status bar).
        std::function<void(const QString&)> note;
        // The topic now carries formatting (a link with a text of its own).
        std::function<void()> markRichText = {};
    };

    explicit LinkCommands(Services services, QObject* parent = nullptr);

    // Each returns true when it acted.
    bool insertFileLink();
    bool insertTopicLink();
    bool insertWebLink();
    bool activate(const QString& linkText);
    bool appendCapturedText(const QString& text);

    static constexpr char kInsertFailed[] = QT_TR_NOOP("Error occupy while insert link text.");

private:
    // Inserts a link to `address` (as a link's text reads) in place of the
    // selection: the address itself when `text` is empty or the same.
    bool insertLink(const QString& address, const QString& text);
    // The selection when it is one line of text: what a new link shows.
    QString selectedText() const;
    // The editor takes no text (no topic open, read-only): says so.
    bool refusedByEditor();

    Services services_;
};

} // namespace oxlin::app
