#pragma once

#include "core/search/keyword_search.h"
#include "core/search/topic_index.h"
#include "core/tree/tree_model.h"

#include <QWidget>

#include <vector>

class QLineEdit;
class QListWidget;
class QPushButton;

namespace oxlin::app {

// The "Index" face of the side pane: every topic of the notebook by label,
// sorted without regard to case, and a field that selects the first row
// beginning with what is typed.
//
// The panel keeps its rows in a search::SortedRows and mirrors them in the
// list widget row for row, so a row's index in one is its index in the other.
// Going to an item is the owner's business: the panel only asks for it.
class LocatePanel final : public QWidget {
    Q_OBJECT
public:
    explicit LocatePanel(QWidget* parent = nullptr);

    // Replaces every row (end of an index rebuild, "&Refresh").
    void refill(const std::vector<search::LocateRow>& rows);
    // One row more, at its sorted place (an item added to the topic index).
    void addRow(const QString& text, tree::ItemHandle item);
    // Removes the first row, from the top, that carries `item`; nothing when none does.
    void removeRow(tree::ItemHandle item);

    const search::SortedRows& rows() const { return rows_; }
    // The item of the selected row, or kNoItem without a selection.
    tree::ItemHandle selectedItem() const;

    QLineEdit* field() const { return field_; }
    QListWidget* list() const { return list_; }
    QPushButton* showButton() const { return show_; }
    QPushButton* refreshButton() const { return refresh_; }

Q_SIGNALS:
    // Double click, "&Show", or Enter in the field or the list.
    void goToRequested(tree::ItemHandle item);
    void refreshRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void findTyped(const QString& text);
    void copySelection(int row);
    void showSelected();

    search::SortedRows rows_;
    QLineEdit* field_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* show_ = nullptr;
    QPushButton* refresh_ = nullptr;
    bool selectingForField_ = false;
};

} // namespace oxlin::app
