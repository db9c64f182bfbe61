#include "core/model/frame.h"

#include <array>
#include <cmath>

namespace af {

namespace {

// The time on show in seconds, in single precision, as the angle and the wave
// views take it.
float seconds_on_show(const State& s) { return s.time_ms / static_cast<float>(s.ms_per_second); }

// The trace dot, set by copy so that it stays when the moving layer goes.
void set_trace_dot(Surface& wave, float t, float y) {
    wave.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    wave.point(t, y);
}

void draw_static_layer(Model& m) {
    State& s = m.state;
    const float y = s.view_extent;
    m.circle_view.clear();
    m.circle_view.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    m.circle_view.line(-y, 0, y, 0);
    m.circle_view.line(0, y, 0, -y);
    const float axis_length = 2.0f * s.axis_periods * s.pi;
    const std::int16_t last = s.last_vector;
    for (std::int16_t i = 0; i <= last; ++i) {
        m.circle_view.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
        m.circle_view.circle(0, 0, s.length.at(i));
        Surface& wave = m.wave_views.at(i);
        wave.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
        wave.line(0, 0, axis_length, 0);
    }
    s.static_layer_due = false;
}

}  // namespace

float vector_angle(const State& s, int i) {
    const float seconds = seconds_on_show(s);
    // frequency / counts_per_unit is the angular frequency in units of pi per
    // second, as the "π" beside its label reads: "2 π" is one turn a second.
    const float omega_over_pi = s.frequency.at(i) / static_cast<float>(s.counts_per_unit);
    return (seconds * omega_over_pi) * s.pi;
}

Tip vector_tip(const State& s, int i) {
    const double a = vector_angle(s, i);
    const double r = s.length.at(i);
    return {r * std::cos(a), r * std::sin(a)};
}

void draw_frame_settled(Model& m) {
    State& s = m.state;
    if (s.static_layer_due) draw_static_layer(m);
    const std::int16_t last = s.last_vector;
    for (std::int16_t i = 0; i <= last; ++i) {
        // The same single-precision steps as draw_frame, so the dot lands on the same pixel.
        set_trace_dot(m.wave_views.at(i), seconds_on_show(s), static_cast<float>(vector_tip(s, i).y));
    }
}

void draw_frame(Model& m) {
    State& s = m.state;
    std::array<std::uint32_t, kVectorSlots> vector_colour{};  // entries 2..10 stay black
    vector_colour[0] = kBlue;
    vector_colour[1] = kRed;
    std::array<double, kVectorSlots> tip_x{};
    std::array<double, kVectorSlots> tip_y{};

    if (s.static_layer_due) draw_static_layer(m);

    Surface& circle = m.circle_view;
    const std::int16_t last = s.last_vector;
    for (std::int16_t i = 0; i <= last; ++i) {
        const Tip tip = vector_tip(s, i);
        tip_x.at(i) = tip.x;
        tip_y.at(i) = tip.y;
        const auto x = static_cast<float>(tip_x[i]);
        const auto y = static_cast<float>(tip_y[i]);

        circle.pen = {PenMode::Xor, kWhite, 6, LineStyle::Solid};
        circle.point(x, y);
        circle.pen = {PenMode::Xor, vector_colour[i], 5, LineStyle::Solid};
        circle.line(0, 0, 0, y);
        circle.pen = {PenMode::Xor, kWhite, 1, LineStyle::Solid};
        circle.line(x, y, 0, 0);
        circle.pen = {PenMode::Xor, kWhite, 1, LineStyle::Dot};
        circle.line(x, y, 0, y);

        Surface& wave = m.wave_views.at(i);
        const float t = seconds_on_show(s);
        wave.pen = {PenMode::Xor, vector_colour[i], 6, LineStyle::Solid};
        wave.line(t, y, t, 0);
        set_trace_dot(wave, t, y);
    }
}

}  // namespace af
