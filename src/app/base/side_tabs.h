#pragma once

#include <QWidget>

class QStackedWidget;
class QTabBar;

namespace oxlin::app {

// The left pane of the main window: the topic tree, the Locate panel or the
// keyword-search panel, one at a time, chosen by a strip of three tabs below
// them ("Topics", "Index", "Search"). Clicking the active tab changes nothing.
//
// The pane takes the three widgets as its children; they live as long as it.
class SidePane final : public QWidget {
    Q_OBJECT
public:
    enum Tab { Topics = 0, Index = 1, Search = 2 };

    SidePane(QWidget* tree, QWidget* locate, QWidget* keyword, QWidget* parent = nullptr);

    Tab activeTab() const;
    void showTab(Tab tab);
    // Back to the tree, both panels hidden.
    void showTreeTab() { showTab(Topics); }

    // Gives the focus to what the active tab shows.
    void focusActive();
    // F6: from the editor (or anything inside it) to the active tab, from
    // anywhere else to the editor when it takes input.
    void switchFocusWith(QWidget* editor);

    QTabBar* tabBar() const { return tabs_; }

Q_SIGNALS:
    void tabChanged(oxlin::app::SidePane::Tab tab);

private:
    QStackedWidget* stack_ = nullptr;
    QTabBar* tabs_ = nullptr;
};

} // namespace oxlin::app
