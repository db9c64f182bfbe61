#include "core/acts/run.h"

#include "core/model/frame.h"

namespace af {

AnimationRun::AnimationRun(Model& m, Frames frames)
    : model_(m),
      frames_(frames),
      // Both fixed before the first step: 1000 ms in steps of 10, 5 or 2.
      end_ms_(static_cast<std::int16_t>(kSpanSeconds * kMsPerSecond)),
      step_ms_(m.state.time_step_ms) {
    clear_views(m);
}

bool AnimationRun::step() {
    if (!another()) return false;
    take_frame_off();
    model_.state.time_ms = static_cast<float>(next_ms_);
    // Drawing goes to the screen only, so the persistent images keep the cleared views.
    set_retained_drawing(model_, false);
    if (frames_ == Frames::Shown) {
        draw_frame(model_);
        frame_on_show_ = true;
    } else {
        draw_frame_settled(model_);  // nobody sees the frame: only what it leaves
        set_retained_drawing(model_, true);
    }
    show_time(model_);
    next_ms_ += step_ms_;
    ++steps_;
    return another();
}

void AnimationRun::take_frame_off() {
    if (!frame_on_show_) return;
    draw_frame(model_);  // the same state: the moving layer goes, the trace dots stay
    set_retained_drawing(model_, true);
    frame_on_show_ = false;
}

void AnimationRun::end() {
    take_frame_off();
    next_ms_ = end_ms_ + 1;  // no step follows an end
    model_.state.time_ms = 0;
    show_time(model_);
    model_.state.on_show = OnShow::RunsEnd;
}

}  // namespace af
