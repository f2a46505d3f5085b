#include "app/search/locate_panel.h"

#include "app/search/row_list.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace oxlin::app {

LocatePanel::LocatePanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("locatePanel"));

    auto* caption = new QLabel(tr("Locate:"), this);
    field_ = new QLineEdit(this);
    field_->setObjectName(QStringLiteral("locateField"));
    field_->setMaxLength(search::kMaxKeywordLength);
    field_->setClearButtonEnabled(true);
    caption->setBuddy(field_);

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("locateList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);

    refresh_ = new QPushButton(tr("&Refresh"), this);
    refresh_->setObjectName(QStringLiteral("locateRefresh"));
    show_ = new QPushButton(tr("&Show"), this);
    show_->setObjectName(QStringLiteral("locateShow"));
    show_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(refresh_);
    buttons->addWidget(show_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(caption);
    layout->addWidget(field_);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(field_, &QLineEdit::textEdited, this, &LocatePanel::findTyped);
    connect(field_, &QLineEdit::returnPressed, this, &LocatePanel::showSelected);
    connect(list_, &QListWidget::currentRowChanged, this, &LocatePanel::copySelection);
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT goToRequested(rowItem(*list_, list_->row(item))); });
    connect(show_, &QPushButton::clicked, this, &LocatePanel::showSelected);
    connect(refresh_, &QPushButton::clicked, this, &LocatePanel::refreshRequested);
    setFocusProxy(field_);
    field_->installEventFilter(this);
    list_->installEventFilter(this);
}

void LocatePanel::refill(const std::vector<search::LocateRow>& rows) {
    search::refillLocate(rows_, rows);
    const QSignalBlocker quiet(list_);
    fillRowList(*list_, rows_);
}

void LocatePanel::addRow(const QString& text, tree::ItemHandle item) {
    const int index = rows_.add(text, item);
    const QSignalBlocker quiet(list_);
    insertRowItem(*list_, index, rows_.at(index));
}

void LocatePanel::removeRow(tree::ItemHandle item) {
    const int index = rows_.removeFirst(item);
    if (index < 0)
        return;
    const QSignalBlocker quiet(list_);
    delete list_->takeItem(index);
}

tree::ItemHandle LocatePanel::selectedItem() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? tree::kNoItem : rowItem(*list_, list_->row(selected.first()));
}

void LocatePanel::findTyped(const QString& text) {
    const int row = rows_.findPrefix(text);
    if (row < 0)
        return;
    // The row found is selected for the user, not by the user: the field
    // keeps what was typed.
    selectingForField_ = true;
    list_->setCurrentRow(row);
    selectingForField_ = false;
    list_->scrollToItem(list_->item(row), QAbstractItemView::PositionAtTop);
}

void LocatePanel::copySelection(int row) {
    if (selectingForField_ || row < 0)
        return;
    field_->setText(rows_.at(row).text);
}

void LocatePanel::showSelected() {
    const tree::ItemHandle item = selectedItem();
    if (item != tree::kNoItem)
        Q_EMIT goToRequested(item);
}

bool LocatePanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == field_ && (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down)) {
        // Into the list, where the same key moves the selection by one row.
        list_->setFocus(Qt::OtherFocusReason);
        QKeyEvent again(QEvent::KeyPress, key->key(), key->modifiers());
        QCoreApplication::sendEvent(list_, &again);
        return true;
    }
    if (watched == list_ && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
        showSelected();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace oxlin::app
