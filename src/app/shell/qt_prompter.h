#pragma once

#include "app/base/early_key_guard.h"
#include "app/base/prompter.h"

#include <memory>

class QLineEdit;
class QMessageBox;

#include <QFileDialog>
#include <QPointer>
#include <QWidget>

namespace oxlin::app {

// The question for one existing file. Qt's own file dialog reads quotes in
// the name field as marks around several names, so it could not open a file
// whose name has one (the Open button stayed grey, a typed name was "not
// found"); this one takes such a name as it stands when it is a file.
class FileQuestion final : public QFileDialog {
    Q_OBJECT
public:
    FileQuestion(QWidget* parent, const QString& caption, const QString& folder,
                 const QString& filter);

    // The file chosen, once the dialog was accepted.
    QString chosenFile() const;
    // Adds a "Text to show" field under the name field, starting with `text`
    // (a link to the file is being made); its text once accepted.
    void offerLinkText(const QString& text);
    QString linkText() const;

    void accept() override;

private:
    // The file the name field names when it holds a quote, or nothing.
    QString quotedFile() const;

    QString chosen_;
    QLineEdit* linkText_ = nullptr;
};

// Shows the real Qt dialogs, owned by `parent` (which may be null or change).
class QtPrompter final : public Prompter {
public:
    explicit QtPrompter(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

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
    std::optional<LinkChoice> fileLink(const QString& text) override;
    std::optional<LinkChoice> topicLink(const QString& treeFile, const QString& text) override;
    std::optional<LinkChoice> webLink(const QString& address, const QString& text) override;
    void newNotebook(const std::function<bool(const QString& name)>& create) override;
    void openNotebook(const QStringList& names, const NotebookChoices& choices) override;
    std::unique_ptr<ProgressPrompt> progress(const QString& caption) override;

    // The box message() runs, made but not shown, so a test can show it
    // without waiting on it; `clock` times an unasked question's quiet start.
    static std::unique_ptr<QMessageBox> messageBox(QWidget* parent, const QString& text,
                                                   const QString& caption, PromptIcon icon,
                                                   PromptButtons buttons,
                                                   EarlyKeyGuard::Clock clock = {});
    // What the box's result means.
    static PromptAnswer answerOf(int result);

private:
    static void makeRoomForTitle(QMessageBox& box, const QString& caption);

    QPointer<QWidget> parent_;
};

} // namespace oxlin::app
