#pragma once

#include <functional>
#include <optional>

#include "core/acts/act_queue.h"
#include "core/acts/apply.h"
#include "core/acts/run.h"
#include "core/model/model.h"

namespace af {

// Applies the acts a shell hands it, one at a time and in order. A run is
// shown frame by frame, one frame each time the shell's clock says a frame is
// due; acts that arrive meanwhile wait in a queue of acts for its end.
// Nothing here waits: every call returns at once.
class ActRunner {
public:
    // What the shell does around each act.
    struct Listener {
        std::function<void(const Act&)> began;  // before it is applied; a run before its first frame
        // `seen` is false for a run applied at once because a later one makes it moot.
        std::function<void(const State& before, const Act&, const ActResult&, bool seen)> applied;
        std::function<void()> frame_drawn;  // a frame of a run is drawn: show it, and say when the next is due
        std::function<void()> idle;         // nothing under way, nothing waiting
    };

    ActRunner(Model& model, Listener listener);

    void act(const Act& act);
    // The frame on show has had its time: the next one, or the run's end and
    // then what waited for it.
    void frame_due();
    // A run is on show, or acts wait.
    bool busy() const { return run_.has_value() || !waiting_.empty(); }
    // Ends a run under way at once and forgets what waits: the window is going.
    void stop();

private:
    void apply_waiting();
    void end_run();

    Model& model_;
    Listener listener_;
    ActQueue waiting_;
    std::optional<AnimationRun> run_;
    State before_run_{};
};

}  // namespace af
