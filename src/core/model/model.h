#pragma once

#include <array>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <vector>

#include "core/language/language.h"
#include "core/model/layout.h"
#include "core/model/state.h"
#include "core/model/window_host.h"
#include "core/pixels/surface.h"

namespace af {

// A caption that the acts write; the rest of the window's text is fixed.
struct Label {
    std::string caption;
};

// The views: the circle view, then one wave view per vector.
inline constexpr int kViews = 1 + kVectors;

// The window as the acts see it: the state, the three views and the labels
// they write. It knows nothing of the toolkit that shows it.
class Model {
public:
    explicit Model(WindowHost& host, double device_pixel_ratio = 1.0, Language language = Language());

    State state;
    Surface circle_view;
    std::array<Surface, kVectors> wave_views;

    // The labels the acts write, empty until start-up writes them.
    Label time_value;
    std::array<Label, kVectors> length_values;
    std::array<Label, kVectors> frequency_values;
    Label range_label;
    std::array<Label, kVectors> axis_labels;

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

// The control of the layout that shows view k (0 the circle view, then the
// wave views) and its size there.
const ControlSpec& view_control(int k);

// The label a control shows, where the acts write it; none for a control
// that shows its laid-out caption. Works on a Model or a const Model.
template <class M>
auto written_label(M& m, const ControlSpec& c) {
    using L = std::conditional_t<std::is_const_v<M>, const Label, Label>;
    L* label = nullptr;
    const auto i = static_cast<std::size_t>(c.vector);
    switch (c.shows) {
    case Shows::Time: label = &m.time_value; break;
    case Shows::Length: label = &m.length_values.at(i); break;
    case Shows::Frequency: label = &m.frequency_values.at(i); break;
    case Shows::Range: label = &m.range_label; break;
    case Shows::TimeAxis: label = &m.axis_labels.at(i); break;
    case Shows::Caption:
    case Shows::CircleView:
    case Shows::WaveView: break;
    }
    return label;
}

// The labels the acts write, under the names of the controls that show
// them, in the layout's order.
template <class M>
auto named_captions(M& m) {
    using L = std::conditional_t<std::is_const_v<M>, const Label, Label>;
    std::vector<std::pair<std::string_view, L*>> named;
    for (const ControlSpec& c : window_layout()) {
        if (L* label = written_label(m, c)) named.emplace_back(c.name, label);
    }
    return named;
}

// The views under the names of the controls that show them, circle view first.
template <class M>
auto named_views(M& m) {
    using S = std::conditional_t<std::is_const_v<M>, const Surface, Surface>;
    using Named = std::pair<std::string_view, S*>;
    std::array<Named, kViews> named{Named{view_control(0).name, &m.circle_view}};
    for (int i = 0; i < kVectors; ++i) named[1 + i] = Named{view_control(1 + i).name, &m.wave_views[i]};
    return named;
}

// Writes the time on show into its label, in seconds.
void show_time(Model& m);
// Writes the length and the angular frequency of vector i into their labels.
void show_length(Model& m, int i);
void show_frequency(Model& m, int i);

// Clears every view: nothing is on show.
void clear_views(Model& m);
// Turns retained drawing on or off, circle view first.
void set_retained_drawing(Model& m, bool on);

// Sizes and centres the window, gives the state its start values, writes the
// captions, scales the views and draws the first frame.
void start_up(Model& m);

}  // namespace af
