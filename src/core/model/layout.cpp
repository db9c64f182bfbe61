#include "core/model/layout.h"

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
using K = ControlKind;
using A = Align;
constexpr auto Up = Direction::Up;
constexpr auto none = std::nullopt;

// clang-format off
constexpr ControlSpec kLayout[] = {
    {"control_panel", K::Group, "window", "", 120, 0, 2775, 4695, none, none, none},
    {"wave_panel_1", K::Group, "window", "", 2880, 0, 6375, 2415, none, none, none},
    {"wave_panel_2", K::Group, "window", "", 2880, 2280, 6375, 2415, none, none, none},

    {"circle_view", K::Picture, "control_panel", "", 360, 240, 2052, 2052, none, none, kWhite, A::Left, 1},
    {"range_label", K::Label, "circle_view", "max_range", 480, 0, 375, 255, times(9.75), kRed, kWhite, A::Right},
    {"time_caption", K::Label, "control_panel", "t=", 120, 2400, 252, 252, times(9, true), none, none},
    {"time_value", K::Label, "control_panel", "", 360, 2400, 492, 252, times(9), kBlue, none, A::Right},
    {"time_spin", K::SpinControl, "control_panel", "", 960, 2400, 255, 255, none, none, none, A::Left, 33, false, time_step_act(Up)},
    {"r1_caption", K::Label, "control_panel", "r1=", 120, 2760, 252, 252, times(9, true), none, none},
    {"r1_value", K::Label, "control_panel", "", 600, 2760, 252, 252, times(9), kBlue, none, A::Right},
    {"r1_spin", K::SpinControl, "control_panel", "", 960, 2760, 255, 255, none, none, none, A::Left, 34, false, length_step_act(0, Up)},
    {"omega1_caption", K::Label, "control_panel", "ω1=", 1320, 2760, 375, 255, japanese(kPMincho, 9), none, none},
    {"omega1_value", K::Label, "control_panel", "", 1680, 2760, 255, 255, times(9), kBlue, none, A::Right},
    {"omega1_pi", K::Label, "control_panel", "π", 2040, 2760, 255, 255, japanese(kMincho, 9), kBlue, none},
    {"omega1_spin", K::SpinControl, "control_panel", "", 2400, 2760, 255, 255, none, none, none, A::Left, 36, false, frequency_step_act(0, Up)},
    {"r2_caption", K::Label, "control_panel", "r2=", 120, 3120, 252, 252, times(9, true), none, none},
    {"r2_value", K::Label, "control_panel", "", 600, 3120, 252, 252, times(9), kBlue, none, A::Right},
    {"r2_spin", K::SpinControl, "control_panel", "", 960, 3120, 255, 255, none, none, none, A::Left, 35, false, length_step_act(1, Up)},
    {"omega2_caption", K::Label, "control_panel", "ω2=", 1320, 3120, 375, 255, japanese(kPMincho, 9), none, none},
    {"omega2_value", K::Label, "control_panel", "", 1680, 3120, 255, 255, times(9), kBlue, none, A::Right},
    {"omega2_pi", K::Label, "control_panel", "π", 2040, 3120, 255, 255, japanese(kMincho, 9), kBlue, none},
    {"omega2_spin", K::SpinControl, "control_panel", "", 2400, 3120, 255, 255, none, none, none, A::Left, 37, false, frequency_step_act(1, Up)},
    // TRANSLATORS: the caption of the button that runs one second of animation: its box is 49 x 25
    // pixels, in a 13-pixel sans-serif face (about four capitals, or three Japanese characters).
    {"run_button", K::PushButton, "control_panel", NC_("caption", "ANIM"), 120, 3720, 735, 375, japanese(kPGothic, 9.75), none, none, A::Centre, 7, false, run_act()},
    // TRANSLATORS: the caption of the button that sets the time back to 0 and clears the traces: its box
    // is 49 x 25 pixels, in a 13-pixel sans-serif face (about five capitals, or three Japanese characters).
    {"reset_button", K::PushButton, "control_panel", NC_("caption", "RESET"), 120, 4200, 732, 372, japanese(kPGothic, 9.75), none, none, A::Centre, 8, false, reset_act()},
    // TRANSLATORS: the title of the options for the time step (0.01, 0.005, 0.002 s): the group is 61
    // pixels wide, its title a 12-pixel serif face from 8 pixels in (about eight letters).
    {"time_step_group", K::Group, "control_panel", NC_("caption", "step t"), 900, 3600, 915, 975, japanese(kMincho, 9), none, none},
    {"time_step_0.01", K::OptionButton, "time_step_group", "0.01", 120, 240, 735, 210, times(8.25), none, none, A::Left, 15, true, choose_time_step_act(10)},
    {"time_step_0.005", K::OptionButton, "time_step_group", "0.005", 120, 480, 735, 210, times(8.25), none, none, A::Left, 10, false, choose_time_step_act(5)},
    {"time_step_0.002", K::OptionButton, "time_step_group", "0.002", 120, 720, 735, 210, times(8.25), none, none, A::Left, 18, false, choose_time_step_act(2)},
    // TRANSLATORS: the title of the options for the angular-frequency step (1, 0.5, 0.1 π per second):
    // the group is 61 pixels wide, its title a 12-pixel serif face from 8 pixels in (about eight letters).
    {"omega_step_group", K::Group, "control_panel", NC_("caption", "step ω"), 1830, 3600, 915, 975, japanese(kMincho, 9), none, none},
    {"omega_step_1", K::OptionButton, "omega_step_group", "1", 120, 240, 735, 210, times(8.25), none, none, A::Left, 26, true, choose_frequency_step_act(10)},
    {"omega_step_0.5", K::OptionButton, "omega_step_group", "0.5", 120, 480, 735, 210, times(8.25), none, none, A::Left, 27, false, choose_frequency_step_act(5)},
    {"omega_step_0.1", K::OptionButton, "omega_step_group", "0.1", 120, 720, 735, 210, times(8.25), none, none, A::Left, 28, false, choose_frequency_step_act(1)},

    {"wave_view_1", K::Picture, "wave_panel_1", "", 360, 240, 5892, 2052, none, none, kWhite, A::Left, 4},
    {"axis_label_1", K::Label, "wave_view_1", "axis_s", 5160, 720, 612, 252, japanese(kMincho, 9.75), kRed, kWhite, A::Right},
    {"wave_caption_1", K::Label, "wave_panel_1", "【S】", 0, 1200, 375, 255, japanese(kPGothic, 9.75), none, none, A::Centre},

    {"wave_view_2", K::Picture, "wave_panel_2", "", 360, 240, 5892, 2052, none, none, kWhite, A::Left, 16},
    {"axis_label_2", K::Label, "wave_view_2", "axis_s2", 5160, 720, 612, 252, japanese(kMincho, 9.75), kRed, kWhite, A::Right},
    {"wave_caption_2", K::Label, "wave_panel_2", "【C】", 0, 1200, 375, 255, japanese(kPGothic, 9.75), none, none, A::Centre},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> window_layout() { return kLayout; }

const ControlSpec* layout_control(std::string_view name) {
    for (const ControlSpec& c : kLayout) {
        if (c.name == name) return &c;
    }
    return nullptr;
}

}  // namespace af
