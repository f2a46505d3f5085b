#include "app/dialogs/notebook_dialogs.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace oxlin::app {

namespace {

// The longest name the field takes: far more than a notebook name may have,
// so an over-long name reaches the check and is refused with a reason
// instead of being cut short without a word.
constexpr int kNameFieldLength = 259;

} // namespace

void makePlainDialog(QDialog& dialog) {
    // A title and a close box, nothing to minimise or maximise.
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint);
}

void centreOnScreen(QDialog& dialog) {
    QScreen* screen = dialog.parentWidget() ? dialog.parentWidget()->screen()
                                            : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = dialog.frameGeometry().size();
    dialog.move(area.x() + (area.width() - size.width()) / 2,
                area.y() + (area.height() - size.height()) / 2);
}

NewNotebookDialog::NewNotebookDialog(std::function<bool(const QString&)> create, QWidget* parent)
    : QDialog(parent), create_(std::move(create)) {
    setWindowTitle(tr("New Notebook"));
    makePlainDialog(*this);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new QLabel(tr("Name of this notebook:"), this));
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("name"));
    name_->setMaxLength(kNameFieldLength);
    name_->setMinimumWidth(220);
    layout->addWidget(name_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &NewNotebookDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &NewNotebookDialog::reject);
    layout->addWidget(buttons);
    name_->setFocus();
}

void NewNotebookDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    name_->setFocus();
}

void NewNotebookDialog::accept() {
    if (create_ && !create_(name_->text())) {
        name_->setFocus();
        name_->selectAll();
        return;
    }
    QDialog::accept();
}

OpenNotebookDialog::OpenNotebookDialog(const QStringList& names, NotebookChoices choices,
                                       QWidget* parent)
    : QDialog(parent), choices_(std::move(choices)) {
    setWindowTitle(tr("Open Notebook"));
    makePlainDialog(*this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(tr("Notebook List:"), this));
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("notebooks"));
    // Already in the notebooks' order (without regard to case).
    list_->addItems(names);
    if (list_->count() > 0)
        list_->setCurrentRow(0);
    layout->addWidget(list_);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* open = buttons->addButton(tr("Open"), QDialogButtonBox::AcceptRole);
    QPushButton* remove = buttons->addButton(tr("Delete"), QDialogButtonBox::DestructiveRole);
    buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    open->setDefault(true);
    connect(open, &QPushButton::clicked, this, &OpenNotebookDialog::openSelected);
    connect(remove, &QPushButton::clicked, this, &OpenNotebookDialog::deleteSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &OpenNotebookDialog::reject);
    connect(list_, &QListWidget::itemDoubleClicked, this, &OpenNotebookDialog::openSelected);
    layout->addWidget(buttons);
}

void OpenNotebookDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    centreOnScreen(*this);
    list_->setFocus();
}

QString OpenNotebookDialog::selectedName() const {
    const QListWidgetItem* item = list_->currentItem();
    return item && item->isSelected() ? item->text() : QString();
}

void OpenNotebookDialog::openSelected() {
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    if (choices_.open && choices_.open(name))
        QDialog::accept();
}

void OpenNotebookDialog::deleteSelected() {
    const QString name = selectedName();
    if (name.isEmpty())
        return;
    if (choices_.remove && choices_.remove(name))
        delete list_->takeItem(list_->currentRow());
}

} // namespace oxlin::app
