#pragma once

#include <QElapsedTimer>
#include <QTimer>

#include <functional>

namespace oxlin::app {

// Time as the safety saver sees it: a monotonic clock and one pending call.
// The program uses the system's; tests pass a clock they move by hand, so the
// quiet pause and the latest bound are checked to the millisecond without
// waiting for them.
class SaverClock {
public:
    virtual ~SaverClock() = default;
    virtual qint64 nowMs() const = 0;
    // `due` runs once, `ms` from now, on the UI thread, in place of any call
    // still pending.
    virtual void callAfter(qint64 ms, std::function<void()> due) = 0;
    virtual void cancel() = 0;
};

// The monotonic system clock and a single-shot timer of the event loop.
class SystemSaverClock final : public SaverClock {
public:
    SystemSaverClock();
    qint64 nowMs() const override { return started_.elapsed(); }
    void callAfter(qint64 ms, std::function<void()> due) override;
    void cancel() override;

private:
    QElapsedTimer started_;
    QTimer timer_;
    std::function<void()> due_;
};

} // namespace oxlin::app
