#include "core/model/model.h"

#include <utility>

#include "core/model/number_text.h"
#include "core/pixels/twips.h"

namespace af {

namespace {

Surface make_view(const ControlSpec& c, double ratio) {
    return Surface(twips_to_px(c.twips.width, ratio), twips_to_px(c.twips.height, ratio), ratio);
}

}  // namespace

const ControlSpec& view_control(int k) {
    static const std::array<const ControlSpec*, kViews> views = [] {
        std::array<const ControlSpec*, kViews> found{control_showing(Shows::CircleView)};
        for (int i = 0; i < kVectors; ++i) found[1 + i] = control_showing(Shows::WaveView, i);
        return found;
    }();
    return *views.at(static_cast<std::size_t>(k));
}

Model::Model(WindowHost& host_, double device_pixel_ratio, Language language_)
    : circle_view(make_view(view_control(0), device_pixel_ratio)),
      wave_views{make_view(view_control(1), device_pixel_ratio), make_view(view_control(2), device_pixel_ratio)},
      host(host_),
      language(language_),
      device_pixel_ratio_(device_pixel_ratio) {}

void Model::adopt_views(Model&& drawn) {
    circle_view = std::move(drawn.circle_view);
    wave_views = std::move(drawn.wave_views);
    device_pixel_ratio_ = drawn.device_pixel_ratio_;
}

void Model::set_view_width(Surface& view, int twips) {
    view.resize(twips_to_px(twips, device_pixel_ratio_), view.height());
}

void Model::set_view_height(Surface& view, int twips) {
    view.resize(view.width(), twips_to_px(twips, device_pixel_ratio_));
}

void show_time(Model& m) { m.time_value.caption = plain_text(m.state.time_ms / kMsPerSecond, m.language); }

void show_length(Model& m, int i) { m.length_values.at(i).caption = plain_text(m.state.length.at(i), m.language); }

void show_frequency(Model& m, int i) {
    m.frequency_values.at(i).caption =
        plain_text(m.state.frequency.at(i) / static_cast<float>(kCountsPerUnit), m.language);
}

void clear_views(Model& m) {
    m.circle_view.clear();
    for (Surface& wave : m.wave_views) wave.clear();
    m.state.on_show = OnShow::Cleared;
}

void set_retained_drawing(Model& m, bool on) {
    m.circle_view.retained_drawing = on;
    for (Surface& wave : m.wave_views) wave.retained_drawing = on;
}

}  // namespace af
