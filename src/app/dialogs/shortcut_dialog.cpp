#include "app/dialogs/shortcut_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QVBoxLayout>

namespace oxlin::app {

namespace {

struct Row {
    const char* label;
    const char* keys;
};

struct Group {
    const char* title;
    std::initializer_list<Row> rows;
};

// The labels and the keys' names are marked in the dialog's translation
// context and translated as the dialog is built.
const Group kGroups[] = {
    {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Main Window"),
     {{QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Show Notebook:"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + Shift + A")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Hide Notebook:"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Esc")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Always On Top:"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F10")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Show DragDrop Window"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F9")}}},
    {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Topics-tree"),
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
     {{QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Word-Wrap"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Ctrl + W")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert a Link(to a file)"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F5")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert Link(to a Topic)"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F4")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert Picture"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F7")},
      {QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "Insert Text in a File"),
       QT_TRANSLATE_NOOP("oxlin::app::ShortcutDialog", "F8")}}},
};

} // namespace

ShortcutDialog::ShortcutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("shortcutDialog"));
    setWindowTitle(tr("KeyBorad ShortCut"));
    auto* layout = new QVBoxLayout(this);
    QList<QLabel*> labels;
    for (const Group& group : kGroups) {
        auto* box = new QGroupBox(tr(group.title), this);
        auto* form = new QFormLayout(box);
        for (const Row& row : group.rows) {
            auto* label = new QLabel(tr(row.label), box);
            auto* field = new QLineEdit(tr(row.keys), box);
            field->setReadOnly(true);
            form->addRow(label, field);
            labels.append(label);
        }
        layout->addWidget(box);
    }
    // Each group sizes its labels' column alone: giving every label the
    // widest one's width puts all the fields on one column.
    int labelWidth = 0;
    for (const QLabel* label : std::as_const(labels))
        labelWidth = qMax(labelWidth, label->sizeHint().width());
    for (QLabel* label : std::as_const(labels))
        label->setMinimumWidth(labelWidth);
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
