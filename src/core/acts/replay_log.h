#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "core/acts/apply.h"
#include "core/model/act.h"
#include "core/model/model.h"

namespace af {

// What the views show, kept as the acts that drew it since they were last
// all cleared, so that they can be drawn again at another resolution exactly
// as a window created there and given the same acts would show them. The
// drawing is deterministic, so replaying the acts onto new views gives that
// picture, pixel for pixel, with no scaled bitmap in between.
class ReplayLog {
public:
    // Call after every act the window applies, with the state it found and
    // what it did.
    void record(const State& before, const Act& act, const ActResult& result);

    // Gives m new views at `device_pixel_ratio`, drawn from the log. The state
    // and the captions stay as they are: replaying leads to the same ones.
    // `opening`, where given, is what followed start-up before the first act
    // (a lesson's setup).
    void redraw(Model& m, double device_pixel_ratio, const std::function<void(Model&)>& opening = {}) const;

private:
    // The state before the act that cleared every view; none: from start-up.
    std::optional<State> start_;
    std::vector<Act> acts_;
};

}  // namespace af
