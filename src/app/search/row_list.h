#pragma once

#include "core/search/keyword_search.h"

class QListWidget;

namespace oxlin::app {

// The list widgets of both search panels mirror a search::SortedRows: the
// widget's row i shows rows.at(i).text and carries its handle as user data.
void fillRowList(QListWidget& list, const search::SortedRows& rows);
void insertRowItem(QListWidget& list, int index, const search::SortedRows::Row& row);
tree::ItemHandle rowItem(const QListWidget& list, int index);

} // namespace oxlin::app
