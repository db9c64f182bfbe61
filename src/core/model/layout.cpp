#include "core/model/layout.h"

#include <array>
#include <iterator>
#include <string>

#include "core/model/number_text.h"
#include "core/model/step_rule.h"

namespace af {

namespace {

constexpr FontSpec times(double points, bool italic = false) {
    return {kTimes, points, kStandardCharset, italic};
}
constexpr FontSpec japanese(std::string_view name, double points) {
    return {name, points, kJapaneseCharset, false};
}

constexpr std::uint32_t kBlue = 0xFF0000, kWhite = 0xFFFFFF;
// The red of the captions on the views: pure red on white reads at 4.0 : 1,
// under the 4.5 : 1 that small text needs (on a projector, less still); this
// red, a shade darker, reads at 4.8 : 1.
constexpr std::uint32_t kRed = 0x0000E6;
using enum ControlKind;
using enum Align;
using enum Direction;

// clang-format off
constexpr ControlSpec kRows[] = {
    {.name = "control_panel", .kind = Group, .twips = {120, 0, 2775, 4695},
     // TRANSLATORS: screen readers name the panel of buttons and spin buttons so.
     .spoken_name = NC_("accessible name", "controls")},
    {.name = "wave_panel_1", .kind = Group, .twips = {2880, 0, 6375, 2415}, .vector = 0,
     // TRANSLATORS: screen readers name the frame around a wave view so.
     .spoken_name = NC_("accessible name", "wave of vector {vector}")},
    {.name = "wave_panel_2", .kind = Group, .twips = {2880, 2280, 6375, 2415}, .vector = 1,
     .spoken_name = NC_("accessible name", "wave of vector {vector}")},

    {.name = "circle_view", .kind = Picture, .parent = "control_panel", .twips = {360, 240, 2052, 2052},
     .back = kWhite, .shows = Shows::CircleView, .focus = 0,
     // TRANSLATORS: screen readers name the square view of the two rotating vectors so.
     .spoken_name = NC_("accessible name", "circle view")},
    {.name = "range_label", .parent = "circle_view", .twips = {480, 0, 375, 255}, .font = times(9.75),
     .fore = kRed, .back = kWhite, .align = Right, .shows = Shows::Range,
     // TRANSLATORS: what a screen reader says of the caption "15" in the corner of the circle view.
     .description = NC_("accessible description", "the largest radius: each view reaches this far from its centre line")},
    {.name = "time_caption", .parent = "control_panel", .twips = {120, 2400, 252, 252}, .font = times(9, true),
     .caption = "t="},
    {.name = "time_value", .parent = "control_panel", .twips = {360, 2400, 492, 252}, .font = times(9),
     .fore = kBlue, .align = Right, .shows = Shows::Time},
    // Spin controls are named by their readings, after start-up and each change.
    {.name = "time_spin", .kind = SpinControl, .parent = "control_panel", .twips = {960, 2400, 255, 255},
     .act = time_step_act(Up), .focus = 11,
     // TRANSLATORS: the description of the spin button that steps the time; Up and Down are the arrow keys.
     .description = NC_("accessible description", "Up and Down step the time on show")},
    {.name = "r1_caption", .parent = "control_panel", .twips = {120, 2760, 252, 252}, .font = times(9, true),
     .caption = "r1="},
    {.name = "r1_value", .parent = "control_panel", .twips = {600, 2760, 252, 252}, .font = times(9),
     .fore = kBlue, .align = Right, .shows = Shows::Length, .vector = 0},
    {.name = "r1_spin", .kind = SpinControl, .parent = "control_panel", .twips = {960, 2760, 255, 255},
     .vector = 0, .act = length_step_act(0, Up), .focus = 12,
     // TRANSLATORS: the description of the spin buttons r1 and r2.
     .description = NC_("accessible description", "Up and Down change the length of vector {vector}")},
    {.name = "omega1_caption", .parent = "control_panel", .twips = {1320, 2760, 375, 255},
     .font = japanese(kPMincho, 9), .caption = "ω1="},
    {.name = "omega1_value", .parent = "control_panel", .twips = {1680, 2760, 255, 255}, .font = times(9),
     .fore = kBlue, .align = Right, .shows = Shows::Frequency, .vector = 0},
    {.name = "omega1_pi", .parent = "control_panel", .twips = {2040, 2760, 255, 255}, .font = japanese(kMincho, 9),
     .fore = kBlue, .caption = "π"},
    {.name = "omega1_spin", .kind = SpinControl, .parent = "control_panel", .twips = {2400, 2760, 255, 255},
     .vector = 0, .act = frequency_step_act(0, Up), .focus = 14,
     // TRANSLATORS: the description of the spin buttons ω1 and ω2.
     .description = NC_("accessible description", "Up and Down change the angular frequency of vector {vector}")},
    {.name = "r2_caption", .parent = "control_panel", .twips = {120, 3120, 252, 252}, .font = times(9, true),
     .caption = "r2="},
    {.name = "r2_value", .parent = "control_panel", .twips = {600, 3120, 252, 252}, .font = times(9),
     .fore = kBlue, .align = Right, .shows = Shows::Length, .vector = 1},
    {.name = "r2_spin", .kind = SpinControl, .parent = "control_panel", .twips = {960, 3120, 255, 255},
     .vector = 1, .act = length_step_act(1, Up), .focus = 13,
     .description = NC_("accessible description", "Up and Down change the length of vector {vector}")},
    {.name = "omega2_caption", .parent = "control_panel", .twips = {1320, 3120, 375, 255},
     .font = japanese(kPMincho, 9), .caption = "ω2="},
    {.name = "omega2_value", .parent = "control_panel", .twips = {1680, 3120, 255, 255}, .font = times(9),
     .fore = kBlue, .align = Right, .shows = Shows::Frequency, .vector = 1},
    {.name = "omega2_pi", .parent = "control_panel", .twips = {2040, 3120, 255, 255}, .font = japanese(kMincho, 9),
     .fore = kBlue, .caption = "π"},
    {.name = "omega2_spin", .kind = SpinControl, .parent = "control_panel", .twips = {2400, 3120, 255, 255},
     .vector = 1, .act = frequency_step_act(1, Up), .focus = 15,
     .description = NC_("accessible description", "Up and Down change the angular frequency of vector {vector}")},
    {.name = "run_button", .kind = PushButton, .parent = "control_panel", .twips = {120, 3720, 735, 375},
     .font = japanese(kPGothic, 9.75), .align = Centre,
     // TRANSLATORS: the caption of the button that runs one second of animation: its box is 49 x 25
     // pixels, in a 13-pixel sans-serif face (about four capitals, or three Japanese characters).
     .caption = NC_("caption", "ANIM"),
     .act = run_act(), .focus = 2,
     // TRANSLATORS: the description of the ANIM button.
     .description = NC_("accessible description", "runs one second of simulated time from zero"),
     .named_by_caption = true},
    {.name = "reset_button", .kind = PushButton, .parent = "control_panel", .twips = {120, 4200, 732, 372},
     .font = japanese(kPGothic, 9.75), .align = Centre,
     // TRANSLATORS: the caption of the button that sets the time back to 0 and clears the traces: its box
     // is 49 x 25 pixels, in a 13-pixel sans-serif face (about five capitals, or three Japanese characters).
     .caption = NC_("caption", "RESET"),
     .act = reset_act(), .focus = 3,
     // TRANSLATORS: the description of the RESET button.
     .description = NC_("accessible description", "returns to time zero and clears the traces"),
     .named_by_caption = true},
    {.name = "time_step_group", .kind = Group, .parent = "control_panel", .twips = {900, 3600, 915, 975},
     .font = japanese(kMincho, 9),
     // TRANSLATORS: the title of the options for the time step (0.01, 0.005, 0.002 s): the group is 61
     // pixels wide, its title a 12-pixel serif face from 8 pixels in (about eight letters).
     .caption = NC_("caption", "step t")},
    {.kind = OptionButton, .parent = "time_step_group", .twips = {120, 240, 735, 210}, .font = times(8.25),
     .act = choose_time_step_act(10), .selected = true, .focus = 5},
    {.kind = OptionButton, .parent = "time_step_group", .twips = {120, 480, 735, 210}, .font = times(8.25),
     .act = choose_time_step_act(5), .focus = 4},
    {.kind = OptionButton, .parent = "time_step_group", .twips = {120, 720, 735, 210}, .font = times(8.25),
     .act = choose_time_step_act(2), .focus = 7},
    {.name = "omega_step_group", .kind = Group, .parent = "control_panel", .twips = {1830, 3600, 915, 975},
     .font = japanese(kMincho, 9),
     // TRANSLATORS: the title of the options for the angular-frequency step (1, 0.5, 0.1 π per second):
     // the group is 61 pixels wide, its title a 12-pixel serif face from 8 pixels in (about eight letters).
     .caption = NC_("caption", "step ω")},
    {.kind = OptionButton, .parent = "omega_step_group", .twips = {120, 240, 735, 210}, .font = times(8.25),
     .act = choose_frequency_step_act(10), .selected = true, .focus = 8},
    {.kind = OptionButton, .parent = "omega_step_group", .twips = {120, 480, 735, 210}, .font = times(8.25),
     .act = choose_frequency_step_act(5), .focus = 9},
    {.kind = OptionButton, .parent = "omega_step_group", .twips = {120, 720, 735, 210}, .font = times(8.25),
     .act = choose_frequency_step_act(1), .focus = 10},

    {.name = "wave_view_1", .kind = Picture, .parent = "wave_panel_1", .twips = {360, 240, 5892, 2052},
     .back = kWhite, .shows = Shows::WaveView, .vector = 0, .focus = 1,
     // TRANSLATORS: screen readers name the strip view that traces a vector's height against time so.
     .spoken_name = NC_("accessible name", "wave view of vector {vector}")},
    {.name = "axis_label_1", .parent = "wave_view_1", .twips = {5160, 720, 612, 252}, .font = japanese(kMincho, 9.75),
     .fore = kRed, .back = kWhite, .align = Right, .shows = Shows::TimeAxis, .vector = 0,
     // TRANSLATORS: what a screen reader says of the caption " 1sec" on a wave view.
     .description = NC_("accessible description", "the time axis of one second")},
    {.name = "wave_caption_1", .parent = "wave_panel_1", .twips = {0, 1200, 375, 255}, .font = japanese(kPGothic, 9.75),
     .align = Centre, .caption = "【S】", .vector = 0, .spoken_name = "S",
     // TRANSLATORS: what a screen reader says of the captions 【S】 and 【C】 beside the wave views.
     .description = NC_("accessible description", "the wave of vector {vector}: its height against time")},

    {.name = "wave_view_2", .kind = Picture, .parent = "wave_panel_2", .twips = {360, 240, 5892, 2052},
     .back = kWhite, .shows = Shows::WaveView, .vector = 1, .focus = 6,
     .spoken_name = NC_("accessible name", "wave view of vector {vector}")},
    {.name = "axis_label_2", .parent = "wave_view_2", .twips = {5160, 720, 612, 252}, .font = japanese(kMincho, 9.75),
     .fore = kRed, .back = kWhite, .align = Right, .shows = Shows::TimeAxis, .vector = 1,
     .description = NC_("accessible description", "the time axis of one second")},
    {.name = "wave_caption_2", .parent = "wave_panel_2", .twips = {0, 1200, 375, 255}, .font = japanese(kPGothic, 9.75),
     .align = Centre, .caption = "【C】", .vector = 1, .spoken_name = "C",
     .description = NC_("accessible description", "the wave of vector {vector}: its height against time")},
};
// clang-format on

// The rows with every option named: "time_step_group" holds "time_step_0.005".
// Built in place once, so that the names stay where the rows point.
struct NamedRows {
    std::array<ControlSpec, std::size(kRows)> rows;
    std::array<std::string, std::size(kRows)> names;

    NamedRows() {
        for (std::size_t k = 0; k < rows.size(); ++k) {
            rows[k] = kRows[k];
            if (rows[k].kind != ControlKind::OptionButton || !rows[k].act) continue;
            std::string& name = names[k] = std::string(rows[k].parent);
            const std::string value = plain_text(chosen_step(*rows[k].act));
            const std::size_t group = name.rfind("group");
            if (group == std::string::npos) {
                name += "_" + value;
            } else {
                name.replace(group, std::string_view("group").size(), value);
            }
            rows[k].name = name;
        }
    }
};

const NamedRows& named_rows() {
    static const NamedRows rows;
    return rows;
}

}  // namespace

std::span<const ControlSpec> window_layout() { return named_rows().rows; }

const ControlSpec* layout_control(std::string_view name) {
    for (const ControlSpec& c : window_layout()) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

const ControlSpec* control_showing(Shows what, int vector) {
    for (const ControlSpec& c : window_layout()) {
        if (c.shows == what && c.vector == vector) return &c;
    }
    return nullptr;
}

}  // namespace af
