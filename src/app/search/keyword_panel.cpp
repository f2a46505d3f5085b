#include "app/search/keyword_panel.h"

#include "app/search/row_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace oxlin::app {

KeywordPanel::KeywordPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("keywordPanel"));

    auto* keywordCaption = new QLabel(tr("Key&word:"), this);
    keyword_ = new QComboBox(this);
    keyword_->setObjectName(QStringLiteral("keywordBox"));
    keyword_->setEditable(true);
    // The history changes only after a search that found something.
    keyword_->setInsertPolicy(QComboBox::NoInsert);
    keyword_->setMaxVisibleItems(search::KeywordHistory::kCapacity);
    keyword_->lineEdit()->setMaxLength(search::kMaxKeywordLength);
    keyword_->lineEdit()->setClearButtonEnabled(true);
    keyword_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    keyword_->setMinimumContentsLength(8);
    keywordCaption->setBuddy(keyword_);

    locate_ = new QPushButton(tr("&Locate"), this);
    locate_->setObjectName(QStringLiteral("keywordLocate"));
    display_ = new QPushButton(tr("&Display"), this);
    display_->setObjectName(QStringLiteral("keywordDisplay"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(locate_);
    buttons->addWidget(display_);

    auto* resultCaption = new QLabel(tr("Resul&t:"), this);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("resultList"));
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    resultCaption->setBuddy(list_);

    inResult_ = new QCheckBox(tr("Search in result"), this);
    matchCase_ = new QCheckBox(tr("Match case"), this);
    treeOnly_ = new QCheckBox(tr("Topics-tree Only"), this);
    treeOnly_->setChecked(true);
    // Offered where another notebook can be opened from a row (not in the viewer).
    allNotebooks_ = new QCheckBox(tr("All notebooks"), this);
    allNotebooks_->setObjectName(QStringLiteral("searchAllNotebooks"));
    allNotebooks_->setVisible(false);

    progress_ = new QProgressBar(this);
    progress_->setObjectName(QStringLiteral("searchProgress"));
    progress_->setTextVisible(false);
    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setObjectName(QStringLiteral("searchCancel"));
    auto* running = new QHBoxLayout;
    running->addWidget(progress_, 1);
    running->addWidget(cancel_);
    progress_->hide();
    cancel_->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    layout->addWidget(keywordCaption);
    layout->addWidget(keyword_);
    layout->addLayout(buttons);
    layout->addLayout(running);
    layout->addSpacing(4);
    layout->addWidget(resultCaption);
    layout->addWidget(list_, 1);
    layout->addWidget(inResult_);
    layout->addWidget(matchCase_);
    layout->addWidget(treeOnly_);
    layout->addWidget(allNotebooks_);

    setFocusProxy(keyword_);
    connect(locate_, &QPushButton::clicked, this, &KeywordPanel::searchRequested);
    connect(keyword_->lineEdit(), &QLineEdit::returnPressed, this, &KeywordPanel::searchRequested);
    connect(cancel_, &QPushButton::clicked, this, &KeywordPanel::cancelRequested);
    connect(display_, &QPushButton::clicked, this, [this] {
        const int row = selectedRow();
        if (row >= 0)
            Q_EMIT goToRequested(row, false);
    });
    connect(list_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { Q_EMIT goToRequested(list_->row(item), true); });
}

QString KeywordPanel::keyword() const { return keyword_->currentText().left(search::kMaxKeywordLength); }

search::SearchOptions KeywordPanel::options() const {
    search::SearchOptions options;
    options.searchInResult = inResult_->isChecked();
    options.matchCase = matchCase_->isChecked();
    options.treeOnly = treeOnly_->isChecked();
    options.allNotebooks = allNotebooks_->isVisibleTo(this) && allNotebooks_->isChecked();
    return options;
}

void KeywordPanel::showResults() { fillRowList(*list_, results_); }

void KeywordPanel::showAddedRow(int index) { insertRowItem(*list_, index, results_.at(index)); }

void KeywordPanel::showRemovedRow(int index) { delete list_->takeItem(index); }

void KeywordPanel::setSearching(bool searching) {
    progress_->setVisible(searching);
    cancel_->setVisible(searching);
    cancel_->setEnabled(searching);
    locate_->setEnabled(!searching);
    if (searching)
        progress_->setRange(0, 0); // busy until the first count arrives
}

void KeywordPanel::setProgress(int done, int total) {
    progress_->setRange(0, std::max(1, total));
    progress_->setValue(done);
}

void KeywordPanel::setHistory(const QStringList& keywords) {
    // The typed keyword stays in the field while the list below it changes.
    const QString typed = keyword_->currentText();
    keyword_->clear();
    keyword_->addItems(keywords);
    keyword_->setEditText(typed);
}

QStringList KeywordPanel::history() const {
    QStringList keywords;
    for (int i = 0; i < keyword_->count(); ++i)
        keywords.append(keyword_->itemText(i));
    return keywords;
}

int KeywordPanel::selectedRow() const {
    const QList<QListWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->row(selected.first());
}

void KeywordPanel::offerAllNotebooks(bool offered) {
    allNotebooks_->setVisible(offered);
    if (!offered)
        allNotebooks_->setChecked(false);
}

} // namespace oxlin::app
