#pragma once

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QPrinter;

namespace oxlin::app {

enum class PromptIcon { None, Information, Warning, Error, Question };
// YesNoDefaultNo: a question whose Yes cannot be undone; Enter answers No.
// UnaskedYesNo: a question no command of the user opened (it may appear while
// they type): Enter and Escape answer No, and keys in its first second are
// ignored, so typing on cannot answer it.
enum class PromptButtons { Ok, OkCancel, YesNo, YesNoCancel, YesNoDefaultNo, UnaskedYesNo };
enum class PromptAnswer { Ok, Cancel, Yes, No };

// A table's shape as the table-size picker gives it.
struct TableShape {
    int rows = 0;
    int columns = 0;
};

// What a link dialog gives: the link's target (a file path, an item path or
// a web address) and the text the link shows. An empty text shows the link
// as its address, the way typed links look.
struct LinkChoice {
    QString target;
    QString text;
};

// What the Open Notebook dialog does with the user's choices. `open` runs on
// Open or a double-click and closes the dialog when it returns true; `remove`
// runs on Delete and takes the entry off the list when it returns true.
struct NotebookChoices {
    std::function<bool(const QString& name)> open;
    std::function<bool(const QString& name)> remove;
};

// Long work the user may stop (a folder import of thousands of files): the
// work runs in slices from the event loop, so the window keeps repainting,
// and a Cancel button ends the work where it is. step() takes no events.
class ProgressPrompt {
public:
    virtual ~ProgressPrompt() = default;
    // Says how far the work is; false once the user has cancelled.
    virtual bool step(const QString& text) = 0;
};

// Every message box, question and standard dialog of the application goes
// through this interface. QtPrompter shows the real dialogs; ScriptedPrompter
// answers from a script and records what was asked, so no test ever waits on a
// modal dialog.
// The filters of the "Please Select a File" dialog: any file, text files,
// pictures; the first is chosen.
inline QStringList anyFileFilters() {
    return {
        QCoreApplication::translate("oxlin::app::Prompter", "All files (*)"),
        QCoreApplication::translate("oxlin::app::Prompter",
                                    "All Text file (*.txt *.log *.cpp *.h *.html *.rtf)"),
        QCoreApplication::translate("oxlin::app::Prompter", "All image file (*.bmp *.jpg *.gif)")};
}

class Prompter {
public:
    virtual ~Prompter() = default;

    virtual PromptAnswer message(const QString& text, const QString& caption, PromptIcon icon,
                                 PromptButtons buttons = PromptButtons::Ok) = 0;

    // File dialogs return an empty string when cancelled. `filters` are Qt
    // filter strings such as "Text Files (*.TXT)". With `confirmReplace`
    // false the dialog accepts an existing file without a question: the
    // caller asks itself (mayReplace), about the path it will really write.
    virtual QString saveFileName(const QString& caption, const QString& initialPath,
                                 const QStringList& filters, bool confirmReplace = true) = 0;
    virtual QStringList openFileNames(const QString& caption, const QString& folder,
                                      const QStringList& filters, bool multiple) = 0;
    virtual QString existingFolder(const QString& caption, const QString& folder) = 0;

    virtual std::optional<QFont> font(const QFont& initial) = 0;
    // The text colour: the palette pop-up, whose "More..." opens the full
    // colour dialog.
    virtual std::optional<QColor> colour(const QColor& initial) = 0;
    // The table-size pop-up: 1 to 4 rows, 1 to 5 columns; nothing when cancelled.
    virtual std::optional<TableShape> tableSize() = 0;
    // True when the user accepted; the printer holds the choices.
    virtual bool print(QPrinter& printer) = 0;
    virtual bool pageSetup(QPrinter& printer) = 0;
    // The print preview: `paint` draws the pages on the printer it is given.
    // True when the user printed from it.
    virtual bool printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) = 0;

    // The link dialogs, each with a "Text to show" field that starts with
    // `text`; nothing when cancelled. The file one is "Please Select a File";
    // "Insert Topics Link" shows the tree written to `treeFile` and gives an
    // item path; "Insert Link" asks for a web address.
    virtual std::optional<LinkChoice> fileLink(const QString& text) = 0;
    virtual std::optional<LinkChoice> topicLink(const QString& treeFile, const QString& text) = 0;
    virtual std::optional<LinkChoice> webLink(const QString& address, const QString& text) = 0;

    // The "New Notebook" dialog: `create` runs on OK with the name typed and
    // closes the dialog when it returns true; Cancel closes it.
    virtual void newNotebook(const std::function<bool(const QString& name)>& create) = 0;
    // The "Open Notebook" dialog over `names`, in the order given.
    virtual void openNotebook(const QStringList& names, const NotebookChoices& choices) = 0;

    // A progress window for work that may take long; it appears only if the
    // work does, and goes when the object does.
    virtual std::unique_ptr<ProgressPrompt> progress(const QString& caption) = 0;
};

} // namespace oxlin::app
