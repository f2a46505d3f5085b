#include "app/editor/font_choice.h"

#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QTextDocument>
#include <QTextEdit>

#include <algorithm>

namespace oxlin::app {

namespace {

bool isBold(const QFont& font) {
    return font.weight() >= QFont::DemiBold;
}

double pointsOf(const QFont& font) {
    return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
}

bool sameStyle(const QFont& a, const QFont& b) {
    return isBold(a) == isBold(b) && a.italic() == b.italic();
}

// Whether `family` has a style of `font`'s weight and slant.
bool hasStyleOf(const QString& family, const QFont& font) {
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(), [&](const QString& style) {
        const bool bold = QFontDatabase::weight(family, style) >= QFont::DemiBold;
        return bold == isBold(font) && QFontDatabase::italic(family, style) == font.italic();
    });
}

} // namespace

QFont fontOfSelection(const QTextEdit& edit) {
    return edit.currentCharFormat().font().resolve(edit.document()->defaultFont());
}

void prepareFontDialog(QFontDialog& dialog, const QFont& initial) {
    // The dialog lists the system's families: a family it does not list
    // (one the system substitutes) would open on another with other styles.
    QFont shown(QFontInfo(initial).family());
    shown.setPointSizeF(std::max(pointsOf(initial), 1.0));
    shown.setWeight(isBold(initial) ? QFont::Bold : QFont::Normal);
    shown.setItalic(initial.italic());
    shown.setUnderline(initial.underline());
    shown.setStrikeOut(initial.strikeOut());
    dialog.setCurrentFont(shown);
}

QFont fontAnswer(const QFont& initial, const QFont& shown, const QFont& chosen) {
    QFont answer = initial;
    if (chosen.family() != shown.family())
        answer.setFamilies(QStringList{chosen.family()});
    if (pointsOf(chosen) != pointsOf(shown))
        answer.setPointSizeF(pointsOf(chosen));
    // A family switched to without a style of the selection's weight and
    // slant falls back to another style by itself: that is no choice.
    const bool styleChosen = !sameStyle(chosen, shown) && (chosen.family() == shown.family() ||
                                                           hasStyleOf(chosen.family(), initial));
    if (styleChosen) {
        answer.setWeight(isBold(chosen) ? QFont::Bold : QFont::Normal);
        answer.setItalic(chosen.italic());
    }
    answer.setUnderline(chosen.underline());
    answer.setStrikeOut(chosen.strikeOut());
    return answer;
}

bool applyFont(QTextEdit& edit, const QFont& initial, const QFont& chosen) {
    QTextCharFormat change;
    if (chosen.family() != initial.family())
        change.setFontFamilies(QStringList{chosen.family()});
    const double points = pointsOf(chosen);
    if (points > 0 && points != pointsOf(initial))
        change.setFontPointSize(std::clamp(points, 1.0, 1638.0));
    if (isBold(chosen) != isBold(initial))
        change.setFontWeight(isBold(chosen) ? QFont::Bold : QFont::Normal);
    if (chosen.italic() != initial.italic())
        change.setFontItalic(chosen.italic());
    if (chosen.underline() != initial.underline())
        change.setFontUnderline(chosen.underline());
    if (chosen.strikeOut() != initial.strikeOut())
        change.setFontStrikeOut(chosen.strikeOut());
    if (change.properties().isEmpty())
        return false;
    // A chosen font ends a link over the selection.
    change.setAnchor(false);
    change.setAnchorHref(QString());
    edit.mergeCurrentCharFormat(change);
    return true;
}

} // namespace oxlin::app
