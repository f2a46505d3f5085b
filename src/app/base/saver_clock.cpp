#include "app/base/saver_clock.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace oxlin::app {

SystemSaverClock::SystemSaverClock() {
    started_.start();
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // Taken out first: the call may schedule the next one.
        if (std::function<void()> due = std::exchange(due_, nullptr))
            due();
    });
}

void SystemSaverClock::callAfter(qint64 ms, std::function<void()> due) {
    due_ = std::move(due);
    timer_.start(int(std::clamp<qint64>(ms, 0, std::numeric_limits<int>::max())));
}

void SystemSaverClock::cancel() {
    timer_.stop();
    due_ = nullptr;
}

} // namespace oxlin::app
