#pragma once

#include <QDialog>

namespace oxlin::app {

// "Key Shortcut": a fixed reference of the keys, in three groups. The text
// is the reference as written; it does not follow the window's keys.
class ShortcutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit ShortcutDialog(QWidget* parent = nullptr);

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace oxlin::app
