#include "app/search/row_list.h"

#include <QListWidget>

namespace oxlin::app {

namespace {

QListWidgetItem* makeItem(const search::SortedRows::Row& row) {
    auto* item = new QListWidgetItem(row.text);
    item->setData(Qt::UserRole, QVariant::fromValue(quint32(row.handle)));
    item->setToolTip(row.text);
    return item;
}

} // namespace

void fillRowList(QListWidget& list, const search::SortedRows& rows) {
    // One repaint for the whole list, however many rows it gets.
    list.setUpdatesEnabled(false);
    list.clear();
    for (const auto& row : rows.rows())
        list.addItem(makeItem(row));
    list.setUpdatesEnabled(true);
}

void insertRowItem(QListWidget& list, int index, const search::SortedRows::Row& row) {
    list.insertItem(index, makeItem(row));
}

tree::ItemHandle rowItem(const QListWidget& list, int index) {
    const QListWidgetItem* item = list.item(index);
    return item ? tree::ItemHandle(item->data(Qt::UserRole).toUInt()) : tree::kNoItem;
}

} // namespace oxlin::app
