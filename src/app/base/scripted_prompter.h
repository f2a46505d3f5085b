#pragma once

#include "app/base/prompter.h"

#include <QList>
#include <QMarginsF>
#include <QQueue>

#include <functional>

namespace oxlin::app {

// A Prompter for tests: answers come from queues the test fills, and every
// question is recorded with its text and caption. An empty queue gives the
// cautious answer (Cancel or No, an empty file name, no font or colour), so a
// test that forgot to script an answer fails on its assertions, never hangs.
class ScriptedPrompter final : public Prompter {
public:
    struct Asked {
        QString kind; // "message", "save", "open", "folder", "font", "colour", "print", "pageSetup", "topicLink", "webLink"
        QString text;
        QString caption;
        PromptIcon icon = PromptIcon::None;
        PromptButtons buttons = PromptButtons::Ok;
        QStringList filters;
    };

    QList<Asked> asked;
    // Runs inside each message, as whatever happens while a dialog is open.
    std::function<void()> onMessage;
    QQueue<PromptAnswer> answers;
    QQueue<QString> fileNames;
    QQueue<QStringList> openNames;
    QQueue<QString> folders;
    QQueue<QFont> fonts;
    bool okFontAsGiven = false; // with no font queued: OK on the font asked about
    QQueue<QColor> colours;
    QQueue<TableShape> tableShapes;
    QQueue<bool> printAnswers;
    QQueue<QString> topicPaths; // answers of the topic-link dialog
    QQueue<QString> webAddresses; // answers of the web-link dialog
    // What the user types into a link dialog's "Text to show" (left as
    // offered when none is queued), and what each dialog offered there.
    QQueue<QString> linkTexts;
    QStringList linkTextsOffered;
    // New Notebook: per dialog, the names typed one after the other (OK after
    // each) until one closes it; then Cancel.
    QQueue<QStringList> newNotebookNames;
    // Open Notebook: per dialog, the entries chosen with Open (or a
    // double-click) or Delete; the dialog is cancelled after the last.
    struct NotebookStep {
        bool deleting = false;
        QString name;
    };
    QQueue<QList<NotebookStep>> openNotebookSteps;
    // Progress windows: the texts they showed, and after how many steps the
    // user presses Cancel (never when negative).
    QStringList progressSteps;
    int cancelAfterSteps = -1;
    // The list each Open Notebook dialog showed when it closed.
    QList<QStringList> listsLeft;

    QStringList messageTexts() const;

    PromptAnswer message(const QString& text, const QString& caption, PromptIcon icon,
                         PromptButtons buttons = PromptButtons::Ok) override;
    QString saveFileName(const QString& caption, const QString& initialPath,
                         const QStringList& filters, bool confirmReplace = true) override;
    QStringList openFileNames(const QString& caption, const QString& folder,
                              const QStringList& filters, bool multiple) override;
    QString existingFolder(const QString& caption, const QString& folder) override;
    std::optional<QFont> font(const QFont& initial) override;
    std::optional<QColor> colour(const QColor& initial) override;
    std::optional<TableShape> tableSize() override;
    bool print(QPrinter& printer) override;
    bool pageSetup(QPrinter& printer) override;
    bool printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) override;
    // What a page setup answered with Yes sets: the margins in points.
    QQueue<QMarginsF> pageMargins;
    // Where an accepted print dialog sends its pages, as a PDF file.
    QQueue<QString> printFiles;
    std::optional<LinkChoice> fileLink(const QString& text) override;
    std::optional<LinkChoice> topicLink(const QString& treeFile, const QString& text) override;
    std::optional<LinkChoice> webLink(const QString& address, const QString& text) override;
    void newNotebook(const std::function<bool(const QString& name)>& create) override;
    void openNotebook(const QStringList& names, const NotebookChoices& choices) override;
    std::unique_ptr<ProgressPrompt> progress(const QString& caption) override;

private:
    std::optional<LinkChoice> linkChosen(const QString& target, const QString& offered);
};

} // namespace oxlin::app
