#include "app/base/side_tabs.h"

#include "app/base/app_icons.h"

#include <QApplication>
#include <QStackedWidget>
#include <QTabBar>
#include <QVBoxLayout>

namespace oxlin::app {

SidePane::SidePane(QWidget* tree, QWidget* locate, QWidget* keyword, QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("sidePane"));
    stack_ = new QStackedWidget(this);
    stack_->addWidget(tree);
    stack_->addWidget(locate);
    stack_->addWidget(keyword);

    tabs_ = new QTabBar(this);
    tabs_->setObjectName(QStringLiteral("sideTabs"));
    tabs_->setShape(QTabBar::RoundedSouth);
    tabs_->setDocumentMode(true);
    // Three equal tabs across the whole pane.
    tabs_->setExpanding(true);
    tabs_->setDrawBase(false);
    tabs_->setElideMode(Qt::ElideRight);
    tabs_->setUsesScrollButtons(false);
    tabs_->setIconSize(QSize(16, 16));
    tabs_->setFocusPolicy(Qt::NoFocus);
    tabs_->addTab(topicsTabIcon(), tr("Topics"));
    tabs_->addTab(indexTabIcon(), tr("Index"));
    tabs_->addTab(searchTabIcon(), tr("Search"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(stack_, 1);
    layout->addWidget(tabs_);

    connect(tabs_, &QTabBar::currentChanged, this, [this](int index) {
        stack_->setCurrentIndex(index);
        if (isVisible())
            focusActive();
        Q_EMIT tabChanged(Tab(index));
    });
}

SidePane::Tab SidePane::activeTab() const { return Tab(tabs_->currentIndex()); }

void SidePane::showTab(Tab tab) { tabs_->setCurrentIndex(int(tab)); }

void SidePane::focusActive() {
    if (QWidget* page = stack_->currentWidget())
        page->setFocus(Qt::OtherFocusReason);
}

void SidePane::switchFocusWith(QWidget* editor) {
    if (editor->hasFocus() || editor->isAncestorOf(QApplication::focusWidget()))
        focusActive();
    else if (editor->isEnabled())
        editor->setFocus(Qt::OtherFocusReason);
}

} // namespace oxlin::app
