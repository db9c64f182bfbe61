#include "draw/get_circ.h"

#include <array>
#include <cmath>

namespace af {

namespace {

// The time on show in seconds, in single precision, as the angle and the wave
// views take it.
float seconds_on_show(const State& s) { return s.t_ms / static_cast<float>(s.t_unit); }

// The trace dot, set by copy so that it stays when the moving layer goes.
void set_trace_dot(Surface& wave, float t, float y) {
    set_pen(wave, kDrawModeCopy, kBlack, 1, kDrawStyleSolid);
    wave.PSet(t, y);
}

void draw_static_layer(Form1& f) {
    State& s = f.state;
    const float y = s.y_range;
    f.b_circ.Cls();
    set_pen(f.b_circ, kDrawModeCopy, kBlack, 1, kDrawStyleSolid);
    f.b_circ.Line(-y, 0, y, 0);
    f.b_circ.Line(0, y, 0, -y);
    const float axis_length = 2.0f * s.axis_periods * s.pi_val;
    const std::int16_t last = s.last_vec;
    for (std::int16_t i = 0; i <= last; ++i) {
        set_pen(f.b_circ, kDrawModeCopy, kBlack, 1, kDrawStyleSolid);
        f.b_circ.Circle(0, 0, s.radius.at(i));
        Surface& wave = f.wave_s.at(i);
        set_pen(wave, kDrawModeCopy, kBlack, 1, kDrawStyleSolid);
        wave.Line(0, 0, axis_length, 0);
    }
    s.need_base = false;
}

}  // namespace

float vector_angle(const State& s, int i) {
    const float seconds = seconds_on_show(s);
    // speed / sp_unit is the angular frequency in units of pi per second, as
    // the "π" beside its label reads: "2 π" is one turn a second.
    const float omega_over_pi = s.speed.at(i) / static_cast<float>(s.sp_unit);
    return (seconds * omega_over_pi) * s.pi_val;
}

Tip vector_tip(const State& s, int i) {
    const double a = vector_angle(s, i);
    const double r = s.radius.at(i);
    return {r * std::cos(a), r * std::sin(a)};
}

void get_circ_settled(Form1& f) {
    State& s = f.state;
    if (s.need_base) draw_static_layer(f);
    const std::int16_t last = s.last_vec;
    for (std::int16_t i = 0; i <= last; ++i) {
        // The same single-precision steps as get_circ, so the dot lands on the same pixel.
        set_trace_dot(f.wave_s.at(i), seconds_on_show(s), static_cast<float>(vector_tip(s, i).y));
    }
}

void get_circ(Form1& f) {
    State& s = f.state;
    std::array<std::uint32_t, kVectorSlots> vec_color{};  // entries 2..10 stay black
    vec_color[0] = kBlue;
    vec_color[1] = kRed;
    std::array<double, kVectorSlots> tip_x{};
    std::array<double, kVectorSlots> tip_y{};

    if (s.need_base) draw_static_layer(f);

    Surface& circle = f.b_circ;
    const std::int16_t last = s.last_vec;
    for (std::int16_t i = 0; i <= last; ++i) {
        const Tip tip = vector_tip(s, i);
        tip_x.at(i) = tip.x;
        tip_y.at(i) = tip.y;
        const auto x = static_cast<float>(tip_x[i]);
        const auto y = static_cast<float>(tip_y[i]);

        set_pen(circle, kDrawModeXor, kWhite, 6, kDrawStyleSolid);
        circle.PSet(x, y);
        set_pen(circle, kDrawModeXor, vec_color[i], 5, kDrawStyleSolid);
        circle.Line(0, 0, 0, y);
        set_pen(circle, kDrawModeXor, kWhite, 1, kDrawStyleSolid);
        circle.Line(x, y, 0, 0);
        set_pen(circle, kDrawModeXor, kWhite, 1, kDrawStyleDot);
        circle.Line(x, y, 0, y);

        Surface& wave = f.wave_s.at(i);
        const float t = seconds_on_show(s);
        set_pen(wave, kDrawModeXor, vec_color[i], 6, kDrawStyleSolid);
        wave.Line(t, y, t, 0);
        set_trace_dot(wave, t, y);
    }
}

}  // namespace af
