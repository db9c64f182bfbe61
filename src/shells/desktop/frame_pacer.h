#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <functional>

class QWidget;

namespace af::desktop {

// Paces the frames of a run to the screen from the event loop's clock: each
// frame stays on show for one refresh interval, deadlines counted from the
// run's first frame so that waiting never drifts. It never blocks: when a
// frame has had its time, it calls `frame_due`.
class FramePacer : public QObject {
public:
    FramePacer(const QWidget& window, std::function<void()> frame_due);

    // The next frame shown is the first of a new run.
    void begin_run();
    // A frame is on screen: `frame_due` follows once it has had its interval.
    void frame_shown();
    // No frame is due any more: the run has ended or the window is going.
    void stop();

    // Time one frame stays on screen, from the refresh rate of the window's screen.
    double interval_ms() const;
    // Frames shown by runs since the window opened.
    long frames() const { return frames_; }

private:
    void wait_for_deadline();

    const QWidget& window_;
    std::function<void()> frame_due_;
    QElapsedTimer clock_;
    QTimer timer_;
    qint64 next_deadline_ns_ = -1;
    long frames_ = 0;
};

}  // namespace af::desktop
