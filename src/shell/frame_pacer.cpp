#include "shell/frame_pacer.h"

#include <QEventLoop>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace af::shell {

FramePacer::FramePacer(const QWidget& window) : window_(window) {}

void FramePacer::begin_run() { next_deadline_ns_ = -1; }

double FramePacer::interval_ms() const {
    const QScreen* shown_on = window_.screen();
    const double hz = shown_on ? shown_on->refreshRate() : 0.0;
    return 1000.0 / ((hz >= 1.0 && hz <= 1000.0) ? hz : 60.0);
}

void FramePacer::frame_shown() {
    if (stopped_) return;
    ++frames_;
    const auto interval = static_cast<qint64>(interval_ms() * 1e6);
    if (next_deadline_ns_ < 0) {
        clock_.start();
        next_deadline_ns_ = 0;
    }
    // A run that fell behind (the window dragged, say) does not rush to catch up.
    next_deadline_ns_ = std::max(next_deadline_ns_ + interval, clock_.nsecsElapsed());
    wait_until(next_deadline_ns_);
}

void FramePacer::stop() {
    stopped_ = true;
    if (loop_) loop_->quit();
}

void FramePacer::wait_until(qint64 deadline_ns) {
    QEventLoop loop;
    QTimer timer;
    timer.setTimerType(Qt::PreciseTimer);
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    loop_ = &loop;
    while (!stopped_) {
        const qint64 remaining = deadline_ns - clock_.nsecsElapsed();
        if (remaining <= 0) break;
        timer.start(static_cast<int>(remaining / 1'000'000));
        // Every event is handled meanwhile, the window system's close among
        // them; the window holds its controls' input itself (InputGate).
        loop.exec();
    }
    loop_ = nullptr;
}

}  // namespace af::shell
