#pragma once

// The link commands: insert a link to a file (F5) or to a topic (F4), carry
// out an activated link, and append captured text to the open topic.

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
    };

    explicit LinkCommands(Services services, QObject* parent = nullptr);

    // Each returns true when it acted.
    bool insertFileLink();
    bool insertTopicLink();
    bool activate(const QString& linkText);
    bool appendCapturedText(const QString& text);

    static constexpr char kInsertFailed[] = QT_TR_NOOP("Error occupy while insert link text.");

private:
    bool insertLinkText(const QString& text);
    // The editor takes no text (no topic open, read-only): says so.
    bool refusedByEditor();

    Services services_;
};

} // namespace oxlin::app
