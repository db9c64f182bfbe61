#pragma once

#include <cstdint>

#include "core/model/model.h"

namespace af {

// A run of the animation as steps that a clock outside drives: made at its
// start, one step per frame, and an end. It never waits. After each step the
// frame at that time is on show (drawn with retained drawing off, so the
// views' persistent images keep the cleared views) with the time label
// written; the next step or the end takes it off again, the trace dots stay.
// The end leaves the time at 0 and no moving layer on screen.
class AnimationRun {
public:
    // Shown: every frame is drawn for someone to see. Unseen: only what each
    // frame leaves (the trace dots) is drawn, which gives the same pixels.
    enum class Frames { Shown, Unseen };

    // Clears the views and fixes the step and the end: from 0 to the wave
    // views' span in steps of the time step chosen now.
    explicit AnimationRun(Model& m, Frames frames = Frames::Shown);

    // Whether another step follows.
    bool another() const { return next_ms_ <= end_ms_ && step_ms_ > 0; }
    // Takes the last frame off and draws the next; returns another().
    bool step();
    // Takes the last frame off; the time goes back to 0. Ends a run at any
    // step, as when the window closes under it.
    void end();

    int steps_taken() const { return steps_; }

private:
    void take_frame_off();

    Model& model_;
    Frames frames_;
    std::int16_t end_ms_;
    std::int16_t step_ms_;
    int next_ms_ = 0;
    int steps_ = 0;
    bool frame_on_show_ = false;
};

}  // namespace af
