#pragma once

#include <QDialog>

namespace oxlin::app {

// "Key Shortcut": a card of every key the program answers, in four groups.
// Its rows are written out here rather than read from the window's actions,
// so that keys no menu carries (the tree's and the hotkey) stand beside the
// others, each in the group where the user looks for it.
class ShortcutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ShortcutDialog(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace oxlin::app
