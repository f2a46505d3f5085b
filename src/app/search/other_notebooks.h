// What a search over every notebook of the data folder needs besides the
// open one: the others, their labels, and which of them a search in the
// result reads.
#pragma once

#include "app/search/content_search_runner.h"
#include "core/search/keyword_search.h"

#include <QString>

#include <vector>

namespace oxlin::app {

// Every notebook of `dataFolder` but `current`, each read from its package,
// in the order the Open Notebook list shows them.
std::vector<OtherNotebook> otherNotebooks(const QString& dataFolder, const QString& current);

// The labels search over each of `others`, read from its package: rows that
// name the notebook and lead to the item by place. Added to `rows`; returns
// how many were added.
int searchOtherLabels(const std::vector<OtherNotebook>& others, const QString& keyword,
                      bool matchCase, std::vector<search::SortedRows::Row>& rows);

// For a search in the result: the rows of each notebook in `others` that
// name a topic, as the files to read there. Notebooks without such a row are
// left out.
std::vector<OtherNotebook> otherNotebooksOfRows(const search::SortedRows& rows,
                                                std::vector<OtherNotebook> others);

} // namespace oxlin::app
