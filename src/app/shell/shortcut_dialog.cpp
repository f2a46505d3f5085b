#include "app/shell/shortcut_dialog.h"

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

const Group kGroups[] = {
    {"Main Window",
     {{"Show Notebook:", "Ctrl + Shift + A"},
      {"Hide Notebook:", "Esc"},
      {"Always On Top:", "F10"},
      {"Show DragDrop Window", "F9"}}},
    {"Topics-tree",
     {{"New same level Topic", "Enter"},
      {"New Sub-Topic", "Insert"},
      {"Delete Topic", "Delete"},
      {"Rename Topic", "F2"},
      {"Open Topic to Edit", "Space"}}},
    {"Editor",
     {{"Word-Wrap", "Ctrl + W"},
      {"Insert a Link(to a file)", "F5"},
      {"Insert Link(to a Topic)", "F4"},
      {"Insert Picture", "F7"},
      {"Insert Text in a File", "F8"}}},
};

} // namespace

ShortcutDialog::ShortcutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("shortcutDialog"));
    setWindowTitle(QStringLiteral("KeyBorad ShortCut"));
    auto* layout = new QVBoxLayout(this);
    for (const Group& group : kGroups) {
        auto* box = new QGroupBox(QString::fromUtf8(group.title), this);
        auto* form = new QFormLayout(box);
        for (const Row& row : group.rows) {
            auto* field = new QLineEdit(QString::fromUtf8(row.keys), box);
            field->setReadOnly(true);
            form->addRow(QString::fromUtf8(row.label), field);
        }
        layout->addWidget(box);
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
