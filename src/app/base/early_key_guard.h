#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace oxlin::app {

// Keeps keys away from a box that appears on its own (no command of the user
// opened it) for its first moments: someone typing when it appears would
// otherwise answer it with whatever key came next (a space presses the
// focused button). Watches the whole application while it lives, since keys
// go to the box's buttons as well as to the box.
class EarlyKeyGuard final : public QObject {
public:
    // Milliseconds from any fixed point; the steady clock when empty.
    using Clock = std::function<qint64()>;
    static constexpr int kQuietMs = 1000;

    explicit EarlyKeyGuard(QWidget& box, Clock clock = {});
    ~EarlyKeyGuard() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    qint64 now() const;

    QPointer<QWidget> box_;
    Clock clock_;
    QElapsedTimer steady_;
    qint64 shownAt_ = 0;
};

} // namespace oxlin::app
