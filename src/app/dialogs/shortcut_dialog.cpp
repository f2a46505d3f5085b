#include "app/dialogs/shortcut_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace oxlin::app {

namespace {

struct Row {
    const char* label;
    const char* keys;
};

struct Group {
    const char* title;
    int column; // the groups stand in two columns, to keep the card short
    std::initializer_list<Row> rows;
};

// The labels and the keys' names are marked in the dialog's translation
// context and translated as the dialog is built.
const Group kGroups[] = {
    {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Main Window"),
     0,
     {{QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Show Notebook:"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + Shift + A")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Hide Notebook:"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Esc")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Always On Top:"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F10")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Show DragDrop Window"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F9")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "New Notebook"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + N")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Open Notebook"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + O")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Save Notebook"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + S")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Export"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + R")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Print"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + P")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Switch Tree / Editor"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F6")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Topics / Index / Search"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + 1 / Ctrl + 2 / Ctrl + 3")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Help Topics"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F1")}}},
    {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Topics-tree"),
     0,
     {{QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "New same level Topic"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Enter")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "New Sub-Topic"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Delete Topic"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Delete")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Rename Topic"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F2")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Open Topic to Edit"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Space")}}},
    {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Editor"),
     1,
     {{QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Word-Wrap"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + W")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert a Link(to a file)"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F5")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert Link(to a Topic)"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F4")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert Link(to a Web Address)"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + K")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert Picture"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F7")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert Text in a File"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F8")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Undo"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + Z")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Redo"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + Y / Ctrl + Shift + Z")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Cut / Copy / Paste"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + X / Ctrl + C / Ctrl + V")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Find"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + F")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Find Next"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F3")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Replace"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + H")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Spelling as You Type"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Shift + F7")}}},
    {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Format"),
     1,
     {{QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Bold"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + B")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Italic"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + I")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Underline"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + U")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Numbered List"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + Shift + 7")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Bulleted List"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + Shift + 8")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Align Left"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + L")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Center"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + E")}}},
};

// Each group sizes its labels' column alone: giving every label of a column
// of groups the widest one's width puts their fields on one line.
void alignFields(const QList<QLabel*>& labels) {
    int width = 0;
    for (const QLabel* label : labels)
        width = qMax(width, label->sizeHint().width());
    for (QLabel* label : labels)
        label->setMinimumWidth(width);
}

// A line edit's default width holds short keys only; translated key names
// ("Strg + Umschalt + Z") need more. The fields of a column stay one width.
void widenToKeys(const QList<QLineEdit*>& fields) {
    int width = 0;
    for (const QLineEdit* field : fields) {
        const int frame = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, field);
        // The text, the frame and the edit's own margin and cursor on each side.
        width = std::max({width, field->sizeHint().width(),
                          field->fontMetrics().horizontalAdvance(field->text()) + 2 * frame + 8});
    }
    for (QLineEdit* field : fields)
        field->setMinimumWidth(width);
}

} // namespace

ShortcutDialog::ShortcutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("shortcutDialog"));
    setWindowTitle(tr("KeyBorad ShortCut"));
    auto* layout = new QVBoxLayout(this);
    auto* columns = new QHBoxLayout;
    layout->addLayout(columns);
    QVBoxLayout* columnLayouts[2] = {new QVBoxLayout, new QVBoxLayout};
    QList<QLabel*> columnLabels[2];
    QList<QLineEdit*> columnFields[2];
    for (const Group& group : kGroups) {
        auto* box = new QGroupBox(tr(group.title), this);
        auto* form = new QFormLayout(box);
        for (const Row& row : group.rows) {
            auto* label = new QLabel(tr(row.label), box);
            auto* field = new QLineEdit(tr(row.keys), box);
            field->setReadOnly(true);
            form->addRow(label, field);
            columnLabels[group.column].append(label);
            columnFields[group.column].append(field);
        }
        columnLayouts[group.column]->addWidget(box);
    }
    for (int column = 0; column < 2; ++column) {
        columnLayouts[column]->addStretch();
        columns->addLayout(columnLayouts[column], 1);
        alignFields(columnLabels[column]);
        widenToKeys(columnFields[column]);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);
}

void ShortcutDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Centred on the screen, not on the window: it is a reference card.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
    }
    raise();
    activateWindow();
}

} // namespace oxlin::app
