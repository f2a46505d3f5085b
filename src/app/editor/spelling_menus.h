#pragma once

// What the user does with spelling: on a marked word, the editor's context
// menu offers suggestions (one undo step each), "Ignore" for this run and
// "Add to Dictionary"; Tools > Spelling lists the installed dictionaries by
// their language names, the one in use checked, above the switch for
// checking as you type.

#include <QObject>
#include <QPointer>

class QAction;
class QMenu;
class QTextEdit;

namespace oxlin::app {

class SpellService;

class SpellingMenus final : public QObject {
    Q_OBJECT
public:
    SpellingMenus(QTextEdit* edit, SpellService& spelling, QObject* parent = nullptr);

    // Puts the entries for the misspelt word at `viewportPosition` at the
    // top of `menu`, with a separator after them; false when there is none.
    bool addWordEntries(QMenu& menu, const QPoint& viewportPosition);
    // Keeps `menu` (Tools > Spelling) listing the dictionaries above `toggle`.
    void attach(QMenu* menu, QAction* toggle);

private:
    void fillDictionaries();

    QPointer<QTextEdit> edit_;
    SpellService& spelling_;
    QPointer<QMenu> menu_;
    QPointer<QAction> toggle_;
};

} // namespace oxlin::app
