#include "shells/desktop/frame_pacer.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace af::desktop {

FramePacer::FramePacer(const QWidget& window, std::function<void()> frame_due)
    : window_(window), frame_due_(std::move(frame_due)) {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, [this] { wait_for_deadline(); });
}

void FramePacer::begin_run() { next_deadline_ns_ = -1; }

double FramePacer::interval_ms() const {
    const QScreen* shown_on = window_.screen();
    const double hz = shown_on ? shown_on->refreshRate() : 0.0;
    return 1000.0 / ((hz >= 1.0 && hz <= 1000.0) ? hz : 60.0);
}

void FramePacer::frame_shown() {
    ++frames_;
    const auto interval = static_cast<qint64>(interval_ms() * 1e6);
    if (next_deadline_ns_ < 0) {
        clock_.start();
        next_deadline_ns_ = 0;
    }
    // A run that fell behind (the window dragged, say) does not rush to catch up.
    next_deadline_ns_ = std::max(next_deadline_ns_ + interval, clock_.nsecsElapsed());
    wait_for_deadline();
}

void FramePacer::stop() { timer_.stop(); }

void FramePacer::wait_for_deadline() {
    const qint64 remaining = next_deadline_ns_ - clock_.nsecsElapsed();
    if (remaining > 0) {
        // Timers count whole milliseconds: the last part of a wait is a timer of 0 ms.
        timer_.start(static_cast<int>(remaining / 1'000'000));
        return;
    }
    frame_due_();
}

}  // namespace af::desktop
