#pragma once

#include <QSplashScreen>

namespace oxlin::app {

// The start-up banner: the splash picture centred on the screen with one line
// of text in its band, shown while the notebook opens.
class LoadingBanner final : public QSplashScreen {
    Q_OBJECT
public:
    explicit LoadingBanner(const QString& text);

protected:
    void drawContents(QPainter* painter) override;

private:
    QString text_;
};

} // namespace oxlin::app
