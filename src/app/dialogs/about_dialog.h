#pragma once

#include <QDialog>
#include <QPixmap>

namespace oxlin::app {

// The About box: the splash picture centred, one fixed line of text under it.
// Enter and Esc close it.
class AboutDialog final : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(const QFont& textFont, QWidget* parent = nullptr);

    static QString aboutLine();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap picture_;
    QFont textFont_;
};

} // namespace oxlin::app
