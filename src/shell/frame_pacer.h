#pragma once

#include <QElapsedTimer>

class QEventLoop;
class QWidget;

namespace af::shell {

// Paces the frames of an animation run to the screen: each frame stays on
// show for one refresh interval, counted from the run's first frame so that
// waiting never drifts. While it waits, the event loop runs.
class FramePacer {
public:
    explicit FramePacer(const QWidget& window);

    // The next frame is the first of a new run.
    void begin_run();
    // A frame is on screen: returns once it has had its interval, or at once
    // after stop().
    void frame_shown();
    // Ends a wait under way, and every later one, at once: the window is going.
    void stop();
    bool stopped() const { return stopped_; }

    // Time one frame stays on screen, from the refresh rate of the window's screen.
    double interval_ms() const;
    // Frames shown by runs since the window opened.
    long frames() const { return frames_; }

private:
    void wait_until(qint64 deadline_ns);

    const QWidget& window_;
    QElapsedTimer clock_;
    qint64 next_deadline_ns_ = -1;
    QEventLoop* loop_ = nullptr;
    bool stopped_ = false;
    long frames_ = 0;
};

}  // namespace af::shell
