#pragma once

#include "core/search/keyword_search.h"
#include "core/tree/tree_model.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace oxlin::app {

// The "Search" face of the side pane: the keyword with its history, the
// result list (item paths, folders in square brackets, sorted without regard
// to case) and the check boxes that choose the search; "All notebooks" shows
// only where it is offered.
//
// The panel holds the result rows in a search::SortedRows that the search
// fills; showResults() mirrors them in the list. Running the search and going
// to an item are the owner's business.
class KeywordPanel final : public QWidget {
    Q_OBJECT
public:
    explicit KeywordPanel(QWidget* parent = nullptr);

    QString keyword() const;
    search::SearchOptions options() const;

    search::SortedRows& results() { return results_; }
    // Shows the result rows again after the search changed them.
    void showResults();
    // Mirrors one row of results() added at, or removed from, `index`.
    void showAddedRow(int index);
    void showRemovedRow(int index);

    // While a content search runs: its progress and Cancel show, and Locate
    // is off.
    void setSearching(bool searching);
    void setProgress(int done, int total);

    // The combo box's list, oldest first.
    void setHistory(const QStringList& keywords);
    QStringList history() const;

    // The selected row of the result list, or -1.
    int selectedRow() const;
    // Whether "All notebooks" shows (and so counts in options()).
    void offerAllNotebooks(bool offered);

    QComboBox* keywordBox() const { return keyword_; }
    QListWidget* list() const { return list_; }
    QPushButton* locateButton() const { return locate_; }
    QPushButton* displayButton() const { return display_; }
    QCheckBox* inResultBox() const { return inResult_; }
    QCheckBox* matchCaseBox() const { return matchCase_; }
    QCheckBox* treeOnlyBox() const { return treeOnly_; }
    QCheckBox* allNotebooksBox() const { return allNotebooks_; }
    QPushButton* cancelButton() const { return cancel_; }
    QProgressBar* progressBar() const { return progress_; }

Q_SIGNALS:
    // "&Locate", or Enter in the keyword field.
    void searchRequested();
    // "&Display" on the selected row (doubleClicked false) or a double click
    // on a row: `row` of results().
    void goToRequested(int row, bool doubleClicked);
    // "Cancel" while a search runs.
    void cancelRequested();

private:
    search::SortedRows results_;
    QComboBox* keyword_ = nullptr;
    QListWidget* list_ = nullptr;
    QPushButton* locate_ = nullptr;
    QPushButton* display_ = nullptr;
    QCheckBox* inResult_ = nullptr;
    QCheckBox* matchCase_ = nullptr;
    QCheckBox* treeOnly_ = nullptr;
    QCheckBox* allNotebooks_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* cancel_ = nullptr;
};

} // namespace oxlin::app
