#include "app/replay_log.h"

#include <utility>

namespace af {

namespace {

// A window that is never shown: replayed runs go at full speed.
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
    bool present_frame() override { return true; }
    bool shows_frames() const override { return false; }

private:
    float width_ = 0, height_ = 0;
};

std::array<std::uint64_t, 3> full_clears(const Form1& f) {
    std::array<std::uint64_t, 3> counts{};
    std::size_t k = 0;
    for (const auto& [name, view] : named_views(f)) counts[k++] = view->full_clears();
    return counts;
}

}  // namespace

void ReplayLog::before(const Form1& f) {
    state_before_ = f.state;
    clears_before_ = full_clears(f);
}

void ReplayLog::after(const Form1& f, Handler handler) {
    // A call that cleared every view (RESET, ANIM, a length or frequency
    // taken) did so before drawing anything: what came before it no longer
    // shows, so the log starts again from it.
    const auto clears = full_clears(f);
    bool cleared_all = true;
    for (std::size_t k = 0; k < clears.size(); ++k) cleared_all = cleared_all && clears[k] != clears_before_[k];
    if (cleared_all) {
        start_ = state_before_;
        events_.clear();
    }
    events_.push_back(std::move(handler));
}

void ReplayLog::redraw(Form1& f, double device_pixel_ratio) const {
    UnshownWindow window;
    Form1 drawn(window, device_pixel_ratio);
    Form_Load(drawn);
    if (start_) drawn.state = *start_;
    for (const Handler& handler : events_) handler(drawn);
    f.adopt_views(std::move(drawn));
}

}  // namespace af
