#include "acts/replay_log.h"

#include <utility>

namespace af {

namespace {

// A window that is never shown: it only keeps the size start-up gives it.
class UnshownWindow : public WindowHost {
public:
    void set_outer_width(float twips) override { width_ = twips; }
    void set_outer_height(float twips) override { height_ = twips; }
    float outer_width() const override { return width_; }
    float outer_height() const override { return height_; }
    void set_top(float) override {}
    void set_left(float) override {}
    float screen_width() const override { return width_; }
    float screen_height() const override { return height_; }

private:
    float width_ = 0, height_ = 0;
};

}  // namespace

void ReplayLog::record(const State& before, const Act& act, const ActResult& result) {
    // An act that cleared every view (RESET, ANIM, a length or frequency
    // taken) did so before drawing anything: what came before it no longer
    // shows, so the log starts again from it.
    if (result.cleared) {
        start_ = before;
        acts_.clear();
    }
    acts_.push_back(act);
}

void ReplayLog::redraw(Model& m, double device_pixel_ratio) const {
    UnshownWindow window;
    Model drawn(window, device_pixel_ratio);
    start_up(drawn);
    if (start_) drawn.state = *start_;
    for (const Act& act : acts_) apply(drawn, act);
    m.adopt_views(std::move(drawn));
}

}  // namespace af
