#include "core/acts/replay_log.h"

#include <utility>

namespace af {

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

void ReplayLog::redraw(Model& m, double device_pixel_ratio, const std::function<void(Model&)>& opening) const {
    SizeOnlyWindow window;
    Model drawn(window, device_pixel_ratio, m.language);
    start_up(drawn);
    if (opening) opening(drawn);
    if (start_) drawn.state = *start_;
    for (const Act& act : acts_) apply(drawn, act);
    m.adopt_views(std::move(drawn));
}

}  // namespace af
