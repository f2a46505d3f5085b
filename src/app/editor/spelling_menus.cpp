#include "app/editor/spelling_menus.h"

#include "app/editor/spell_service.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QTextBlock>
#include <QTextEdit>

namespace oxlin::app {

SpellingMenus::SpellingMenus(QTextEdit* edit, SpellService& spelling, QObject* parent)
    : QObject(parent), edit_(edit), spelling_(spelling) {}

bool SpellingMenus::addWordEntries(QMenu& menu, const QPoint& viewportPosition) {
    if (!edit_ || edit_->isReadOnly() || !spelling_.isActive())
        return false;
    const QTextCursor at = edit_->cursorForPosition(viewportPosition);
    const QTextBlock block = at.block();
    const int offset = at.position() - block.position();
    const QString text = block.text();
    for (const spelling::WordSpan& word : spelling_.misspelt(text)) {
        if (offset < word.start || offset > word.start + word.length)
            continue;
        const QString misspelt = text.mid(word.start, word.length);
        const int start = block.position() + word.start;
        QAction* first = menu.actions().value(0);
        const auto insert = [&](const QString& label) {
            auto* action = new QAction(label, &menu);
            menu.insertAction(first, action);
            return action;
        };
        const QStringList suggestions = spelling_.suggestions(misspelt);
        for (const QString& suggestion : suggestions) {
            QFont bold = menu.font();
            bold.setBold(true);
            QAction* entry = insert(suggestion);
            entry->setFont(bold);
            connect(entry, &QAction::triggered, this, [this, start, misspelt, suggestion] {
                if (!edit_)
                    return;
                QTextCursor cursor(edit_->document());
                cursor.setPosition(start);
                cursor.setPosition(start + int(misspelt.size()), QTextCursor::KeepAnchor);
                if (cursor.selectedText() != misspelt)
                    return; // the text moved on since the menu opened
                cursor.beginEditBlock();
                cursor.insertText(suggestion, cursor.charFormat());
                cursor.endEditBlock();
            });
        }
        if (suggestions.isEmpty())
            insert(tr("(no suggestions)"))->setEnabled(false);
        connect(insert(tr("Ignore")), &QAction::triggered, this,
                [this, misspelt] { spelling_.ignore(misspelt); });
        connect(insert(tr("Add to Dictionary")), &QAction::triggered, this,
                [this, misspelt] { spelling_.addToDictionary(misspelt); });
        menu.insertSeparator(first);
        return true;
    }
    return false;
}

void SpellingMenus::attach(QMenu* menu, QAction* toggle) {
    menu_ = menu;
    toggle_ = toggle;
    toggle->setCheckable(true);
    toggle->setChecked(spelling_.isEnabled());
    connect(menu, &QMenu::aboutToShow, this, &SpellingMenus::fillDictionaries);
    fillDictionaries();
}

void SpellingMenus::fillDictionaries() {
    if (!menu_ || !toggle_)
        return;
    for (QAction* action : menu_->actions())
        if (action != toggle_)
            menu_->removeAction(action), action->deleteLater();
    auto* group = new QActionGroup(menu_);
    const auto& dictionaries = spelling_.dictionaries();
    for (const spelling::DictionaryInfo& dictionary : dictionaries) {
        QAction* entry = group->addAction(dictionary.languageName());
        entry->setCheckable(true);
        entry->setChecked(dictionary.name == spelling_.dictionaryName());
        entry->setToolTip(dictionary.affPath);
        // A language's name in its own words: no translation applies.
        entry->setObjectName(QStringLiteral("dictionary:") + dictionary.name);
        const QString name = dictionary.name;
        connect(entry, &QAction::triggered, this, [this, name] { spelling_.chooseDictionary(name); });
        menu_->insertAction(toggle_, entry);
    }
    if (dictionaries.empty()) {
        QAction* none = new QAction(tr("No dictionary installed"), menu_);
        none->setEnabled(false);
        menu_->insertAction(toggle_, none);
    }
    menu_->insertSeparator(toggle_);
    toggle_->setChecked(spelling_.isEnabled());
    toggle_->setEnabled(!dictionaries.empty());
}

} // namespace oxlin::app
