#include "core/model/model.h"

#include <utility>

#include "core/model/number_text.h"
#include "core/pixels/twips.h"

namespace af {

namespace {

Surface make_view(int width_twips, int height_twips, double ratio) {
    return Surface(twips_to_px(width_twips, ratio), twips_to_px(height_twips, ratio), ratio);
}

}  // namespace

Model::Model(WindowHost& host_, double device_pixel_ratio, Language language_)
    : circle_view(make_view(kCircleViewTwips, kCircleViewTwips, device_pixel_ratio)),
      wave_views{make_view(kWaveViewWidthTwips, kWaveViewHeightTwips, device_pixel_ratio),
                 make_view(kWaveViewWidthTwips, kWaveViewHeightTwips, device_pixel_ratio)},
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

void show_time(Model& m) { m.time_value.caption = plain_text(m.state.time_ms / m.state.ms_per_second, m.language); }

void show_length(Model& m, int i) { m.length_values.at(i).caption = plain_text(m.state.length.at(i), m.language); }

void show_frequency(Model& m, int i) {
    const State& s = m.state;
    m.frequency_values.at(i).caption = plain_text(s.frequency.at(i) / static_cast<float>(s.counts_per_unit), m.language);
}

void clear_views(Model& m) {
    m.circle_view.clear();
    const std::int16_t last = m.state.last_vector;
    for (std::int16_t k = 0; k <= last; ++k) m.wave_views.at(k).clear();
}

void set_retained_drawing(Model& m, bool on) {
    m.circle_view.retained_drawing = on;
    const std::int16_t last = m.state.last_vector;
    for (std::int16_t i = 0; i <= last; ++i) m.wave_views.at(i).retained_drawing = on;
}

}  // namespace af
