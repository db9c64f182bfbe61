#include "core/model/frame.h"
#include "core/model/model.h"
#include "core/model/number_text.h"

namespace af {

void start_up(Model& m) {
    State& s = m.state;
    WindowHost& window = m.host;

    window.set_outer_width(9225);
    window.set_outer_height(5184);
    // Centre the size the window system actually gave; half twips may occur.
    window.set_top((window.screen_height() - window.outer_height()) / 2.0f);
    window.set_left((window.screen_width() - window.outer_width()) / 2.0f);

    s.pi = 3.14159f;
    s.time_ms = 0;
    s.span_seconds = 1;
    s.ms_per_second = 1000;
    s.axis_periods = 1.0f;
    s.last_vector = 1;

    // TRANSLATORS: the caption at the right end of each wave view's time axis, {seconds} the span with
    // a blank before it (" 1"): its box is 41 pixels wide, in a 13-pixel serif face, right-aligned.
    const std::string_view axis = translate(m.language, "caption", "{seconds}sec");
    for (Label& label : m.axis_labels) label.caption = fill(axis, {{"seconds", signed_text(s.span_seconds, m.language)}});

    s.view_extent = 15;
    m.range_label.caption = plain_text(s.view_extent, m.language);

    s.length[0] = 10;
    s.length[1] = 10;
    s.length_step = 1;
    s.max_frequency = 100;
    s.frequency_step = 10;
    s.counts_per_unit = 10;
    s.frequency[0] = 20;
    s.frequency[1] = 40;
    s.time_step_ms = 10;

    show_time(m);
    s.static_layer_due = true;

    const float y = s.view_extent;
    m.circle_view.set_scale(-y, y, y, -y);
    m.set_view_width(m.circle_view, kCircleViewTwips);
    m.set_view_height(m.circle_view, kCircleViewTwips);

    const std::int16_t last = s.last_vector;
    for (std::int16_t i = 0; i <= last; ++i) {
        show_length(m, i);
        show_frequency(m, i);
        Surface& wave = m.wave_views.at(i);
        m.set_view_height(wave, kWaveViewHeightTwips);
        wave.set_scale(0, y, s.span_seconds, -y);
    }

    draw_frame(m);
}

}  // namespace af
