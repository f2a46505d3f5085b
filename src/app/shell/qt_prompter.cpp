#include "app/shell/qt_prompter.h"

#include "app/dialogs/notebook_dialogs.h"
#include "app/dialogs/web_link_dialog.h"
#include "app/editor/font_choice.h"
#include "app/editor/pickers.h"
#include "app/tree/topic_link_dialog.h"

#include <QColorDialog>
#include <QCursor>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProgressDialog>
#include <QPushButton>

namespace oxlin::app {

PromptAnswer QtPrompter::message(const QString& text, const QString& caption, PromptIcon icon,
                                 PromptButtons buttons) {
    const std::unique_ptr<QMessageBox> made = messageBox(parent_, text, caption, icon, buttons);
    return answerOf(made->exec());
}

PromptAnswer QtPrompter::answerOf(int result) {
    switch (result) {
    case QMessageBox::Ok: return PromptAnswer::Ok;
    case QMessageBox::Yes: return PromptAnswer::Yes;
    case QMessageBox::No: return PromptAnswer::No;
    default: return PromptAnswer::Cancel;
    }
}

std::unique_ptr<QMessageBox> QtPrompter::messageBox(QWidget* parent, const QString& text,
                                                    const QString& caption, PromptIcon icon,
                                                    PromptButtons buttons,
                                                    EarlyKeyGuard::Clock clock) {
    auto made = std::make_unique<QMessageBox>(parent);
    QMessageBox& box = *made;
    box.setWindowTitle(caption);
    box.setText(text);
    switch (icon) {
    case PromptIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case PromptIcon::Information: box.setIcon(QMessageBox::Information); break;
    case PromptIcon::Warning: box.setIcon(QMessageBox::Warning); break;
    case PromptIcon::Error: box.setIcon(QMessageBox::Critical); break;
    case PromptIcon::Question: box.setIcon(QMessageBox::Question); break;
    }
    switch (buttons) {
    case PromptButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case PromptButtons::OkCancel: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case PromptButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case PromptButtons::YesNoDefaultNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        break;
    case PromptButtons::UnaskedYesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        new EarlyKeyGuard(box, std::move(clock)); // owned by the box
        break;
    case PromptButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // Last: setting the icon lays the box out anew.
    makeRoomForTitle(box, caption);
    return made;
}

void QtPrompter::makeRoomForTitle(QMessageBox& box, const QString& caption) {
    // The box sizes itself to its text and buttons only, and the window
    // manager then cuts a longer title ("Oxli… wer"). A spacer across the
    // box's grid holds it open for the title, drawn in bold and centred
    // between the frame's icon and its three buttons (about a line's height
    // each, with margins): the buttons' side counts twice.
    auto* grid = qobject_cast<QGridLayout*>(box.layout());
    if (!grid || caption.isEmpty())
        return;
    QFont titleFont = box.font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int width = metrics.horizontalAdvance(caption) + 8 * metrics.height();
    grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                  grid->rowCount(), 0, 1, grid->columnCount());
}

QString QtPrompter::saveFileName(const QString& caption, const QString& initialPath,
                                 const QStringList& filters, bool confirmReplace) {
    return QFileDialog::getSaveFileName(parent_, caption, initialPath,
                                        filters.join(QStringLiteral(";;")), nullptr,
                                        confirmReplace ? QFileDialog::Options()
                                                       : QFileDialog::DontConfirmOverwrite);
}

QStringList QtPrompter::openFileNames(const QString& caption, const QString& folder,
                                      const QStringList& filters, bool multiple) {
    const QString filter = filters.join(QStringLiteral(";;"));
    if (multiple)
        return QFileDialog::getOpenFileNames(parent_, caption, folder, filter);
    FileQuestion question(parent_, caption, folder, filter);
    if (question.exec() != QDialog::Accepted || question.chosenFile().isEmpty())
        return {};
    return {question.chosenFile()};
}

FileQuestion::FileQuestion(QWidget* parent, const QString& caption, const QString& folder,
                           const QString& filter)
    : QFileDialog(parent, caption, folder, filter) {
    setFileMode(QFileDialog::ExistingFile);
    auto* nameField = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    auto* buttons = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
    if (!nameField || !buttons) // a desktop's own dialog reads names itself
        return;
    // Connected after the dialog's own check, so this one has the last word.
    connect(nameField, &QLineEdit::textChanged, this, [this, buttons] {
        if (QPushButton* open = buttons->button(QDialogButtonBox::Open);
            open && !quotedFile().isEmpty())
            open->setEnabled(true);
    });
}

QString FileQuestion::quotedFile() const {
    const auto* nameField = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    const QString typed = nameField ? nameField->text() : QString();
    if (!typed.contains(u'"'))
        return {};
    const QFileInfo file(directory().absoluteFilePath(typed));
    return file.isFile() ? file.absoluteFilePath() : QString();
}

void FileQuestion::accept() {
    chosen_ = quotedFile();
    if (!chosen_.isEmpty())
        QDialog::accept();
    else
        QFileDialog::accept();
}

QString FileQuestion::chosenFile() const {
    return chosen_.isEmpty() ? selectedFiles().value(0) : chosen_;
}

void FileQuestion::offerLinkText(const QString& text) {
    auto* grid = qobject_cast<QGridLayout*>(layout());
    if (!grid) // a desktop's own dialog: the link shows its address
        return;
    linkText_ = new QLineEdit(text, this);
    linkText_->setObjectName(QStringLiteral("linkTextEdit"));
    linkText_->setPlaceholderText(tr("The link itself"));
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(tr("Text to show:"), this), row, 0);
    grid->addWidget(linkText_, row, 1);
}

QString FileQuestion::linkText() const { return linkText_ ? linkText_->text() : QString(); }

QString QtPrompter::existingFolder(const QString& caption, const QString& folder) {
    return QFileDialog::getExistingDirectory(parent_, caption, folder);
}

std::optional<QFont> QtPrompter::font(const QFont& initial) {
    QFontDialog dialog(parent_);
    prepareFontDialog(dialog, initial);
    const QFont shown = dialog.currentFont();
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return fontAnswer(initial, shown, dialog.selectedFont());
}

std::optional<QColor> QtPrompter::colour(const QColor&) {
    ColourPicker picker(parent_);
    return picker.pick(QCursor::pos());
}

std::optional<TableShape> QtPrompter::tableSize() {
    TableSizePicker picker(parent_);
    const std::optional<QSize> size = picker.pick(QCursor::pos());
    if (!size)
        return std::nullopt;
    return TableShape{size->height(), size->width()};
}

bool QtPrompter::print(QPrinter& printer) {
    QPrintDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompter::pageSetup(QPrinter& printer) {
    QPageSetupDialog dialog(&printer, parent_);
    return dialog.exec() == QDialog::Accepted;
}

bool QtPrompter::printPreview(QPrinter& printer, const std::function<void(QPrinter*)>& paint) {
    QPrintPreviewDialog dialog(&printer, parent_);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog, paint);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<LinkChoice> QtPrompter::fileLink(const QString& text) {
    FileQuestion question(parent_,
                          QCoreApplication::translate("oxlin::app::LinkCommands", "Please Select a File"),
                          QString(),
                          anyFileFilters().join(QStringLiteral(";;")));
    question.offerLinkText(text);
    if (question.exec() != QDialog::Accepted || question.chosenFile().isEmpty())
        return std::nullopt;
    return LinkChoice{question.chosenFile(), question.linkText()};
}

std::optional<LinkChoice> QtPrompter::topicLink(const QString& treeFile, const QString& text) {
    TopicLinkDialog dialog(treeFile, text, parent_);
    if (dialog.exec() != QDialog::Accepted || dialog.itemPath().isEmpty())
        return std::nullopt;
    return LinkChoice{dialog.itemPath(), dialog.textToShow()};
}

std::optional<LinkChoice> QtPrompter::webLink(const QString& address, const QString& text) {
    WebLinkDialog dialog(address, text, parent_);
    if (dialog.exec() != QDialog::Accepted || dialog.address().isEmpty())
        return std::nullopt;
    return LinkChoice{dialog.address(), dialog.textField()->text()};
}

void QtPrompter::newNotebook(const std::function<bool(const QString& name)>& create) {
    NewNotebookDialog dialog(create, parent_);
    dialog.exec();
}

void QtPrompter::openNotebook(const QStringList& names, const NotebookChoices& choices) {
    OpenNotebookDialog dialog(names, choices, parent_);
    dialog.exec();
}

namespace {

// Shows itself once the work has run for a moment, and lets the window
// repaint and the Cancel button work between steps.
class QtProgress final : public ProgressPrompt {
public:
    QtProgress(const QString& caption, QWidget* parent) : dialog_(parent) {
        dialog_.setWindowTitle(caption);
        dialog_.setWindowModality(Qt::WindowModal);
        dialog_.setRange(0, 0); // how much is left is not known ahead
        dialog_.setMinimumDuration(0);
        dialog_.setAutoReset(false);
        dialog_.setAutoClose(false);
        dialog_.hide();
        started_.start();
        lastEvents_.start();
    }

    // The work runs in slices from the application's event loop, which
    // paints the box and delivers Cancel between them: no events are taken
    // here, so nothing else ever runs in the middle of a step.
    bool step(const QString& text) override {
        // A label change costs a repaint: a few dozen a second are smooth enough.
        if (lastEvents_.elapsed() < kLabelEveryMs)
            return !dialog_.wasCanceled();
        lastEvents_.restart();
        if (!dialog_.isVisible() && started_.elapsed() >= kShowAfterMs)
            dialog_.show();
        dialog_.setLabelText(text);
        return !dialog_.wasCanceled();
    }

private:
    static constexpr int kShowAfterMs = 400;
    static constexpr int kLabelEveryMs = 40;
    QProgressDialog dialog_;
    QElapsedTimer started_;
    QElapsedTimer lastEvents_;
};

} // namespace

std::unique_ptr<ProgressPrompt> QtPrompter::progress(const QString& caption) {
    return std::make_unique<QtProgress>(caption, parent_);
}

} // namespace oxlin::app
