#pragma once

#include <functional>
#include <optional>

#include "acts/act_queue.h"
#include "acts/apply.h"
#include "acts/run.h"
#include "model/model.h"
#include "shell/frame_pacer.h"

class QWidget;

namespace af::shell {

// Applies the acts the controls raise, one at a time and in order. A run is
// shown frame by frame, one frame per screen refresh from the event loop's
// clock; acts that arrive meanwhile wait in a queue of acts for its end.
// Nothing here waits: every step returns to the event loop.
class ActDriver {
public:
    // What the window does around each act.
    struct Listener {
        std::function<void(const Act&)> began;
        // `seen` is false for a run applied at once because a later one makes it moot.
        std::function<void(const State& before, const Act&, const ActResult&, bool seen)> applied;
        std::function<void()> frame_drawn;  // a frame of a run is drawn: show it now
        std::function<void()> idle;         // nothing under way, nothing waiting
    };

    ActDriver(const QWidget& window, Model& model, Listener listener);

    void act(const Act& act);
    // A run is on show, or acts wait.
    bool busy() const { return run_.has_value() || !waiting_.empty(); }
    // Ends a run under way at once and forgets what waits: the window is going.
    void stop();

    long frames_shown() const { return pacer_.frames(); }
    double frame_interval_ms() const { return pacer_.interval_ms(); }

private:
    void apply_waiting();
    void next_frame();
    void end_run();

    Model& model_;
    Listener listener_;
    ActQueue waiting_;
    std::optional<AnimationRun> run_;
    State before_run_{};
    FramePacer pacer_;
};

}  // namespace af::shell
