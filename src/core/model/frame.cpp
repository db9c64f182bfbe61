#include "core/model/frame.h"

#include <array>
#include <cmath>

namespace af {

namespace {

// The time on show in seconds, in single precision, as the angle and the wave
// views take it.
float seconds_on_show(const State& s) { return s.time_ms / static_cast<float>(kMsPerSecond); }

// The trace dot, set by copy so that it stays when the moving layer goes.
void set_trace_dot(Surface& wave, float t, float y) {
    wave.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    wave.point(t, y);
}

// Whether the axes and circles must be drawn before the next frame: the view
// is cleared, or a run drew them on screen alone.
bool static_layer_due(const State& s) { return s.on_show == OnShow::Cleared || s.on_show == OnShow::RunsEnd; }

void draw_static_layer(Model& m) {
    const float y = kViewExtent;
    m.circle_view.clear();
    m.circle_view.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
    m.circle_view.line(-y, 0, y, 0);
    m.circle_view.line(0, y, 0, -y);
    const float axis_length = 2.0f * kAxisPeriods * kPi;
    for (int i = 0; i < kVectors; ++i) {
        m.circle_view.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
        m.circle_view.circle(0, 0, m.state.length.at(i));
        Surface& wave = m.wave_views.at(i);
        wave.pen = {PenMode::Copy, kBlack, 1, LineStyle::Solid};
        wave.line(0, 0, axis_length, 0);
    }
    m.state.on_show = OnShow::Circles;
}

}  // namespace

float vector_angle(const State& s, int i) {
    const float seconds = seconds_on_show(s);
    // frequency / kCountsPerUnit is the angular frequency in units of pi per
    // second, as the "π" beside its label reads: "2 π" is one turn a second.
    const float omega_over_pi = s.frequency.at(i) / static_cast<float>(kCountsPerUnit);
    return (seconds * omega_over_pi) * kPi;
}

Tip vector_tip(const State& s, int i) {
    const double a = vector_angle(s, i);
    const double r = s.length.at(i);
    return {r * std::cos(a), r * std::sin(a)};
}

void draw_frame_settled(Model& m) {
    State& s = m.state;
    if (static_layer_due(s)) draw_static_layer(m);
    for (int i = 0; i < kVectors; ++i) {
        // The same single-precision steps as draw_frame, so the dot lands on the same pixel.
        set_trace_dot(m.wave_views.at(i), seconds_on_show(s), static_cast<float>(vector_tip(s, i).y));
    }
}

void draw_frame(Model& m) {
    State& s = m.state;
    constexpr std::array<std::uint32_t, kVectors> vector_colour{kBlue, kRed};

    if (static_layer_due(s)) draw_static_layer(m);

    Surface& circle = m.circle_view;
    for (int i = 0; i < kVectors; ++i) {
        const Tip tip = vector_tip(s, i);
        const auto x = static_cast<float>(tip.x);
        const auto y = static_cast<float>(tip.y);

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
    // The exclusive-or layer comes on, or goes where it was on.
    s.on_show = s.on_show == OnShow::Vectors ? OnShow::Circles : OnShow::Vectors;
}

}  // namespace af
