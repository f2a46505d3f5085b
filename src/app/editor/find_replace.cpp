#include "app/editor/find_replace.h"

#include "app/base/prompter.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTextDocument>
#include <QTextEdit>
#include <QVBoxLayout>

namespace oxlin::app {

namespace {

QTextDocument::FindFlags flagsOf(const FindRequest& request) {
    QTextDocument::FindFlags flags;
    if (!request.down)
        flags |= QTextDocument::FindBackward;
    if (request.wholeWord)
        flags |= QTextDocument::FindWholeWords;
    if (request.matchCase)
        flags |= QTextDocument::FindCaseSensitively;
    return flags;
}

bool isMatch(const QTextCursor& selection, const FindRequest& request) {
    return selection.hasSelection() &&
           selection.selectedText().compare(request.text, request.matchCase
                                                              ? Qt::CaseSensitive
                                                              : Qt::CaseInsensitive) == 0;
}

} // namespace

bool findNext(QTextEdit& edit, const FindRequest& request) {
    if (request.text.isEmpty())
        return false;
    const QTextCursor selection = edit.textCursor();
    // Down from the selection's end, up from its start, so a second search
    // moves on to the next occurrence.
    QTextCursor from(edit.document());
    from.setPosition(request.down ? selection.selectionEnd() : selection.selectionStart());
    const QTextCursor found = edit.document()->find(request.text, from, flagsOf(request));
    if (found.isNull())
        return false;
    edit.setTextCursor(found);
    return true;
}

bool replaceSelection(QTextEdit& edit, const FindRequest& request) {
    QTextCursor selection = edit.textCursor();
    bool replaced = false;
    if (isMatch(selection, request)) {
        selection.insertText(request.replacement);
        edit.setTextCursor(selection);
        replaced = true;
    }
    findNext(edit, request);
    return replaced;
}

int replaceAll(QTextEdit& edit, const FindRequest& request) {
    if (request.text.isEmpty())
        return 0;
    QTextDocument* document = edit.document();
    const QTextDocument::FindFlags flags = flagsOf(FindRequest{
        request.text, request.replacement, true, request.wholeWord, request.matchCase});
    QTextCursor from(document);
    from.setPosition(edit.textCursor().selectionStart());
    QTextCursor edits(document);
    edits.beginEditBlock(); // one undo step, one relayout
    int count = 0;
    for (QTextCursor found = document->find(request.text, from, flags); !found.isNull();
         found = document->find(request.text, found, flags)) {
        found.insertText(request.replacement);
        ++count;
    }
    edits.endEditBlock();
    return count;
}

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("findDialog"));
    setModal(false);
    what_ = new QLineEdit(this);
    with_ = new QLineEdit(this);
    wholeWord_ = new QCheckBox(tr("Match &whole word only"), this);
    matchCase_ = new QCheckBox(tr("Match &case"), this);
    auto* direction = new QGroupBox(tr("Direction"), this);
    up_ = new QRadioButton(tr("&Up"), direction);
    down_ = new QRadioButton(tr("&Down"), direction);
    down_->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up_);
    directionLayout->addWidget(down_);

    auto* findNextButton = new QPushButton(tr("&Find Next"), this);
    findNextButton->setDefault(true);
    replace_ = new QPushButton(tr("&Replace"), this);
    replaceAll_ = new QPushButton(tr("Replace &All"), this);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    connect(findNextButton, &QPushButton::clicked, this, &FindDialog::findRequested);
    connect(replace_, &QPushButton::clicked, this, &FindDialog::replaceRequested);
    connect(replaceAll_, &QPushButton::clicked, this, &FindDialog::replaceAllRequested);
    connect(cancel, &QPushButton::clicked, this, &QDialog::close);
    connect(what_, &QLineEdit::textChanged, this,
            [findNextButton](const QString& text) { findNextButton->setEnabled(!text.isEmpty()); });

    auto* fields = new QGridLayout;
    auto* whatLabel = new QLabel(tr("Fi&nd what:"), this);
    whatLabel->setBuddy(what_); // the mnemonic moves to the field
    fields->addWidget(whatLabel, 0, 0);
    fields->addWidget(what_, 0, 1);
    auto* withLabel = new QLabel(tr("Re&place with:"), this);
    withLabel->setBuddy(with_);
    fields->addWidget(withLabel, 1, 0);
    fields->addWidget(with_, 1, 1);
    fields->addWidget(wholeWord_, 2, 0, 1, 2);
    fields->addWidget(matchCase_, 3, 0);
    fields->addWidget(direction, 3, 1);
    withRow_ = withLabel;

    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {findNextButton, replace_, replaceAll_, cancel})
        buttons->addWidget(button);
    buttons->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fields, 1);
    layout->addLayout(buttons);
}

void FindDialog::showFor(bool replacing, const FindRequest& last) {
    setWindowTitle(replacing ? tr("Replace") : tr("Find"));
    what_->setText(last.text);
    with_->setText(last.replacement);
    wholeWord_->setChecked(last.wholeWord);
    matchCase_->setChecked(last.matchCase);
    (last.down ? down_ : up_)->setChecked(true);
    for (QWidget* widget : {withRow_, static_cast<QWidget*>(with_),
                            static_cast<QWidget*>(replace_), static_cast<QWidget*>(replaceAll_)})
        widget->setVisible(replacing);
    // Replacing always runs downwards, as the search from the selection does.
    up_->setEnabled(!replacing);
    adjustSize();
    show();
    raise();
    activateWindow();
    what_->setFocus();
    what_->selectAll();
}

FindRequest FindDialog::request() const {
    return {what_->text(), with_->text(), down_->isChecked() || !up_->isEnabled(),
            wholeWord_->isChecked(), matchCase_->isChecked()};
}

FindController::FindController(QTextEdit& edit, Prompter& prompter, QWidget* window)
    : QObject(window), edit_(edit), prompter_(prompter) {
    dialog_ = new FindDialog(window);
    connect(dialog_, &FindDialog::findRequested, this, &FindController::find);
    connect(dialog_, &FindDialog::replaceRequested, this, &FindController::replace);
    connect(dialog_, &FindDialog::replaceAllRequested, this, &FindController::replaceEverything);
    // The search keys work in the dialog too, as in the window; Shift+F3
    // searches the other way from both.
    const QKeySequence next(Qt::Key_F3);
    const QKeySequence back(Qt::SHIFT | Qt::Key_F3);
    connect(new QShortcut(next, dialog_), &QShortcut::activated, this,
            [this] { findFromDialog(false); });
    connect(new QShortcut(back, dialog_), &QShortcut::activated, this,
            [this] { findFromDialog(true); });
    connect(new QShortcut(back, window), &QShortcut::activated, this, [this] { findAgain(true); });
}

void FindController::openFind() {
    if (dialog_)
        dialog_->showFor(false, last_);
}

void FindController::openReplace() {
    if (dialog_)
        dialog_->showFor(true, last_);
}

void FindController::findAgain(bool reversed) {
    if (!searched_ || last_.text.isEmpty()) {
        openFind();
        return;
    }
    FindRequest request = last_;
    request.down = request.down != reversed;
    if (!findNext(edit_, request))
        notFound();
}

bool FindController::closeDialog() {
    if (!dialog_ || !dialog_->isVisible())
        return false;
    dialog_->close();
    return true;
}

void FindController::notFound() {
    prompter_.message(tr("The search text is not found."), tr("Oxlin"), PromptIcon::Information);
    if (dialog_ && dialog_->isVisible())
        dialog_->activateWindow();
}

void FindController::find() {
    last_ = dialog_->request();
    searched_ = true;
    if (!findNext(edit_, last_))
        notFound();
}

void FindController::findFromDialog(bool reversed) {
    if (dialog_->request().text.isEmpty())
        return;
    last_ = dialog_->request();
    searched_ = true;
    findAgain(reversed);
}

void FindController::replace() {
    last_ = dialog_->request();
    searched_ = true;
    replaceSelection(edit_, last_);
    if (!isMatch(edit_.textCursor(), last_))
        notFound();
}

void FindController::replaceEverything() {
    last_ = dialog_->request();
    searched_ = true;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int count = replaceAll(edit_, last_);
    QApplication::restoreOverrideCursor();
    prompter_.message(tr("Replaced %1 occurances.").arg(count), tr("Oxlin"),
                      PromptIcon::Information);
    if (dialog_)
        dialog_->activateWindow();
}

} // namespace oxlin::app
