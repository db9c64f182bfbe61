#include "core/model/frame.h"
#include "core/model/model.h"
#include "core/model/number_text.h"

namespace af {

void start_up(Model& m) {
    State& s = m.state;
    WindowHost& window = m.host;

    window.set_outer_width(kOuterTwipsAtStart.width);
    window.set_outer_height(kOuterTwipsAtStart.height);
    // Centre the size the window system actually gave; half twips may occur.
    window.set_top((window.screen_height() - window.outer_height()) / 2.0f);
    window.set_left((window.screen_width() - window.outer_width()) / 2.0f);

    s.time_ms = 0;

    // TRANSLATORS: the caption at the right end of each wave view's time axis, {seconds} the span with
    // a blank before it (" 1"): its box is 41 pixels wide, in a 13-pixel serif face, right-aligned.
    const std::string_view axis = translate(m.language, "caption", "{seconds}sec");
    for (Label& label : m.axis_labels) label.caption = fill(axis, {{"seconds", signed_text(kSpanSeconds, m.language)}});

    m.range_label.caption = plain_text(kViewExtent, m.language);

    s.length = {10, 10};
    s.frequency_step = 10;
    s.frequency = {20, 40};
    s.time_step_ms = 10;

    show_time(m);
    s.on_show = OnShow::Cleared;

    const float y = kViewExtent;
    const TwipsBox& circle = view_control(0).twips;
    m.circle_view.set_scale(-y, y, y, -y);
    m.set_view_width(m.circle_view, circle.width);
    m.set_view_height(m.circle_view, circle.height);

    for (int i = 0; i < kVectors; ++i) {
        show_length(m, i);
        show_frequency(m, i);
        Surface& wave = m.wave_views.at(i);
        m.set_view_height(wave, view_control(1 + i).twips.height);
        wave.set_scale(0, y, kSpanSeconds, -y);
    }

    draw_frame(m);
}

}  // namespace af
