#pragma once

#include <array>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>

#include "core/language/language.h"
#include "core/model/state.h"
#include "core/model/window_host.h"
#include "core/pixels/surface.h"

namespace af {

// A caption that the acts write; the rest of the window's text is fixed.
struct Label {
    std::string caption;
};

// Layout sizes of the views, in twips.
inline constexpr int kCircleViewTwips = 2052;
inline constexpr int kWaveViewWidthTwips = 5892;
inline constexpr int kWaveViewHeightTwips = 2052;
inline constexpr int kWaveViews = 2;

// The window as the acts see it: the state, the three views and the labels
// they write. It knows nothing of the toolkit that shows it.
class Model {
public:
    explicit Model(WindowHost& host, double device_pixel_ratio = 1.0, Language language = Language());

    State state;
    Surface circle_view;
    std::array<Surface, kWaveViews> wave_views;

    // The captions as laid out; start-up replaces each before the window shows.
    Label time_value;
    std::array<Label, kWaveViews> length_values;
    std::array<Label, kWaveViews> frequency_values;
    Label range_label{"max_range"};
    std::array<Label, kWaveViews> axis_labels{Label{"axis_s"}, Label{"axis_s2"}};

    WindowHost& host;
    // The language the captions are written in.
    Language language;

    double device_pixel_ratio() const { return device_pixel_ratio_; }

    // Takes over the views of `drawn`, and the device pixel ratio they were drawn at.
    void adopt_views(Model&& drawn);

    // Sizes a view in twips; its user scale keeps its corners.
    void set_view_width(Surface& view, int twips);
    void set_view_height(Surface& view, int twips);

private:
    double device_pixel_ratio_;
};

// The captions and views of the model under the names of the controls that
// show them; the one place that pairs window controls with model members.
// Works on a Model or a const Model.
template <class M>
auto named_captions(M& m) {
    using L = std::conditional_t<std::is_const_v<M>, const Label, Label>;
    return std::array<std::pair<std::string_view, L*>, 8>{{
        {"time_value", &m.time_value},
        {"r1_value", &m.length_values[0]},
        {"r2_value", &m.length_values[1]},
        {"omega1_value", &m.frequency_values[0]},
        {"omega2_value", &m.frequency_values[1]},
        {"range_label", &m.range_label},
        {"axis_label_1", &m.axis_labels[0]},
        {"axis_label_2", &m.axis_labels[1]},
    }};
}

// The controls that show the views: the circle view, then the wave views.
inline constexpr std::array<std::string_view, 3> kViewNames{"circle_view", "wave_view_1", "wave_view_2"};

template <class M>
auto named_views(M& m) {
    using S = std::conditional_t<std::is_const_v<M>, const Surface, Surface>;
    using Named = std::pair<std::string_view, S*>;
    return std::array<Named, 3>{Named{kViewNames[0], &m.circle_view}, Named{kViewNames[1], &m.wave_views[0]},
                                Named{kViewNames[2], &m.wave_views[1]}};
}

// Writes the time on show into its label, in seconds.
void show_time(Model& m);
// Writes the length and the angular frequency of vector i into their labels.
void show_length(Model& m, int i);
void show_frequency(Model& m, int i);

// Clears the circle view, then each wave view in use.
void clear_views(Model& m);
// Turns retained drawing on or off, circle view first.
void set_retained_drawing(Model& m, bool on);

// Sizes and centres the window, gives the state its start values, writes the
// captions, scales the views and draws the first frame.
void start_up(Model& m);

}  // namespace af
