#pragma once

#include <array>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "app/state.h"
#include "app/window_host.h"
#include "draw/surface.h"

namespace af {

// The captions that handlers write; the rest of the window's text is fixed.
struct Label {
    std::string Caption;
};

// Layout sizes of the views, in twips.
inline constexpr int kCircleViewTwips = 2052;
inline constexpr int kWaveViewWidthTwips = 5892;
inline constexpr int kWaveViewHeightTwips = 2052;
inline constexpr int kWaveViews = 2;

// The window as the handlers see it: the state, the three views and the
// labels they write. It knows nothing of the toolkit that shows it.
class Form1 {
public:
    explicit Form1(WindowHost& host, double device_pixel_ratio = 1.0);

    State state;
    Surface b_circ;
    std::array<Surface, kWaveViews> wave_s;

    // The design-time captions; start-up replaces each before the window shows.
    Label value_time;
    std::array<Label, kWaveViews> value_r;
    std::array<Label, kWaveViews> value_sp;
    Label max_range{"max_range"};
    Label axis_s{"axis_s"};
    Label axis_c{"axis_s2"};

    WindowHost& host;

    double device_pixel_ratio() const { return device_pixel_ratio_; }

    // Takes over the views of `drawn`, and the device pixel ratio they were drawn at.
    void adopt_views(Form1&& drawn);

    // Sizes a view in twips; its user scale keeps its corners.
    void set_view_width(Surface& view, int twips);
    void set_view_height(Surface& view, int twips);

private:
    double device_pixel_ratio_;
};

// The captions and views of the model under the names of the controls that
// show them; the one place that pairs window controls with model members.
// Works on a Form1 or a const Form1.
template <class Form>
auto named_captions(Form& f) {
    using L = std::conditional_t<std::is_const_v<Form>, const Label, Label>;
    return std::array<std::pair<std::string_view, L*>, 8>{{
        {"value_time", &f.value_time},
        {"value_r(0)", &f.value_r[0]},
        {"value_r(1)", &f.value_r[1]},
        {"value_sp(0)", &f.value_sp[0]},
        {"value_sp(1)", &f.value_sp[1]},
        {"max_range", &f.max_range},
        {"axis_s", &f.axis_s},
        {"axis_c", &f.axis_c},
    }};
}

template <class Form>
auto named_views(Form& f) {
    using S = std::conditional_t<std::is_const_v<Form>, const Surface, Surface>;
    return std::array<std::pair<std::string_view, S*>, 3>{{
        {"b_circ", &f.b_circ},
        {"wave_s(0)", &f.wave_s[0]},
        {"wave_s(1)", &f.wave_s[1]},
    }};
}

// Writes the time on show into value_time, in seconds.
void show_time(Form1& f);

void Form_Load(Form1& f);

}  // namespace af
