#pragma once

#include "app/base/saver_clock.h"

#include <algorithm>
#include <functional>
#include <utility>

// A clock that moves only when the test says so; a call falls due inside
// advance(), on the test's own stack.
class ManualClock final : public oxlin::app::SaverClock {
public:
    qint64 nowMs() const override { return now_; }
    void callAfter(qint64 ms, std::function<void()> due) override {
        dueAt_ = now_ + ms;
        due_ = std::move(due);
    }
    void cancel() override { due_ = nullptr; }

    // Moves on by `ms`; a call that falls due meanwhile runs with the clock
    // at its time. A call may move the clock itself (a write that takes long).
    void advance(qint64 ms) {
        const qint64 until = now_ + ms;
        while (due_ && dueAt_ <= until) {
            now_ = std::max(now_, dueAt_);
            std::exchange(due_, nullptr)();
        }
        now_ = std::max(now_, until);
    }
    bool pending() const { return bool(due_); }

private:
    qint64 now_ = 0;
    qint64 dueAt_ = 0;
    std::function<void()> due_;
};
