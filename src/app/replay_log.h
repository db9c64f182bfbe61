#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "app/form1.h"

namespace af {

// What the views show, kept as the handler calls that drew it since they were
// last all cleared, so that they can be drawn again at another resolution
// exactly as a window created there and given the same events would show
// them. The drawing is deterministic, so replaying the calls onto new views
// gives that picture, pixel for pixel, with no scaled bitmap in between.
class ReplayLog {
public:
    using Handler = std::function<void(Form1&)>;

    // Call before and after every handler the window runs.
    void before(const Form1& f);
    void after(const Form1& f, Handler handler);

    // Gives f new views at `device_pixel_ratio`, drawn from the log. The state
    // and the captions stay as they are: replaying leads to the same ones.
    void redraw(Form1& f, double device_pixel_ratio) const;

private:
    // The state before the call that cleared every view; none: from start-up.
    std::optional<State> start_;
    std::vector<Handler> events_;
    State state_before_{};
    std::array<std::uint64_t, 3> clears_before_{};
};

}  // namespace af
