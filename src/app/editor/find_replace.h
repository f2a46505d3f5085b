#pragma once

// Find and replace in the open topic: the search itself, and the modeless
// dialog that asks for it. "Find Next" repeats the last search without it.

#include <QDialog>
#include <QObject>
#include <QPointer>
#include <QString>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace oxlin::app {

class Prompter;

struct FindRequest {
    QString text;
    QString replacement;
    bool down = true;
    bool wholeWord = false;
    bool matchCase = false;
};

// Selects the next match after the selection (before it when searching up).
// False when there is none; the selection then stays.
bool findNext(QTextEdit& edit, const FindRequest& request);
// Replaces the selection when it is a match, then finds the next one.
// Returns whether a replacement was made.
bool replaceSelection(QTextEdit& edit, const FindRequest& request);
// Replaces every match from the selection's start to the end, as one undo
// step. Returns the count.
int replaceAll(QTextEdit& edit, const FindRequest& request);

class FindDialog final : public QDialog {
    Q_OBJECT
public:
    explicit FindDialog(QWidget* parent = nullptr);

    // Shows the dialog for finding only, or for replacing too, with the last request.
    void showFor(bool replacing, const FindRequest& last);
    FindRequest request() const;

Q_SIGNALS:
    void findRequested();
    void replaceRequested();
    void replaceAllRequested();

private:
    QLineEdit* what_ = nullptr;
    QLineEdit* with_ = nullptr;
    QWidget* withRow_ = nullptr;
    QCheckBox* wholeWord_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QRadioButton* up_ = nullptr;
    QRadioButton* down_ = nullptr;
    QPushButton* replace_ = nullptr;
    QPushButton* replaceAll_ = nullptr;
};

// Owns the one find dialog of the main window and carries out its requests
// on the editor, with the messages the user reads.
class FindController final : public QObject {
    Q_OBJECT
public:
    // `edit` and `prompter` are borrowed; the dialog is a child of `window`.
    FindController(QTextEdit& edit, Prompter& prompter, QWidget* window);

    void openFind();
    void openReplace();
    // F3: the last search again; before any search, the dialog. Shift+F3
    // (`reversed`): the last search again the other way.
    void findAgain(bool reversed = false);
    // Closes the dialog when it is open; true when it was.
    bool closeDialog();

    FindDialog* dialog() const { return dialog_; }

private:
    void find();
    // F3 and Shift+F3 while the dialog is active: the search it shows, the
    // second the other way.
    void findFromDialog(bool reversed);
    void replace();
    void replaceEverything();
    void notFound();

    QTextEdit& edit_;
    Prompter& prompter_;
    QPointer<FindDialog> dialog_;
    FindRequest last_;
    bool searched_ = false;
};

} // namespace oxlin::app
