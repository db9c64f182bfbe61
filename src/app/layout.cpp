#include "app/layout.h"

namespace af {

namespace {

constexpr FontSpec times(double points, bool italic = false) {
    return {kTimes, points, kStandardCharset, italic};
}
constexpr FontSpec japanese(std::string_view name, double points) {
    return {name, points, kJapaneseCharset, false};
}

constexpr std::uint32_t kBlue = 0xFF0000, kRed = 0x0000FF, kWhite = 0xFFFFFF;
using K = ControlKind;
using A = Align;
constexpr auto none = std::nullopt;

// clang-format off
constexpr ControlSpec kLayout[] = {
    {"Frame1", K::Frame, "Form1", "", 120, 0, 2775, 4695, none, none, none},
    {"Frame2", K::Frame, "Form1", "", 2880, 0, 6375, 2415, none, none, none},
    {"Frame3", K::Frame, "Form1", "", 2880, 2280, 6375, 2415, none, none, none},

    {"b_circ", K::Picture, "Frame1", "", 360, 240, 2052, 2052, none, none, kWhite, A::Left, 1},
    {"max_range", K::Label, "b_circ", "max_range", 480, 0, 375, 255, times(9.75), kRed, kWhite, A::Right},
    {"Label1", K::Label, "Frame1", "t=", 120, 2400, 252, 252, times(9, true), none, none},
    {"value_time", K::Label, "Frame1", "", 360, 2400, 492, 252, times(9), kBlue, none, A::Right},
    {"SpinButton5", K::SpinControl, "Frame1", "", 960, 2400, 255, 255, none, none, none, A::Left, 33},
    {"Label2(0)", K::Label, "Frame1", "r1=", 120, 2760, 252, 252, times(9, true), none, none},
    {"value_r(0)", K::Label, "Frame1", "", 600, 2760, 252, 252, times(9), kBlue, none, A::Right},
    {"SpinButton6", K::SpinControl, "Frame1", "", 960, 2760, 255, 255, none, none, none, A::Left, 34},
    {"Label3", K::Label, "Frame1", "ω1=", 1320, 2760, 375, 255, japanese(kPMincho, 9), none, none},
    {"value_sp(0)", K::Label, "Frame1", "", 1680, 2760, 255, 255, times(9), kBlue, none, A::Right},
    {"Label5", K::Label, "Frame1", "π", 2040, 2760, 255, 255, japanese(kMincho, 9), kBlue, none},
    {"SpinButton8", K::SpinControl, "Frame1", "", 2400, 2760, 255, 255, none, none, none, A::Left, 36},
    {"Label2(1)", K::Label, "Frame1", "r2=", 120, 3120, 252, 252, times(9, true), none, none},
    {"value_r(1)", K::Label, "Frame1", "", 600, 3120, 252, 252, times(9), kBlue, none, A::Right},
    {"SpinButton7", K::SpinControl, "Frame1", "", 960, 3120, 255, 255, none, none, none, A::Left, 35},
    {"Label4", K::Label, "Frame1", "ω2=", 1320, 3120, 375, 255, japanese(kPMincho, 9), none, none},
    {"value_sp(1)", K::Label, "Frame1", "", 1680, 3120, 255, 255, times(9), kBlue, none, A::Right},
    {"Label6", K::Label, "Frame1", "π", 2040, 3120, 255, 255, japanese(kMincho, 9), kBlue, none},
    {"SpinButton9", K::SpinControl, "Frame1", "", 2400, 3120, 255, 255, none, none, none, A::Left, 37},
    {"Command1", K::PushButton, "Frame1", "ANIM", 120, 3720, 735, 375, japanese(kPGothic, 9.75), none, none, A::Centre, 7},
    {"Command2", K::PushButton, "Frame1", "RESET", 120, 4200, 732, 372, japanese(kPGothic, 9.75), none, none, A::Centre, 8},
    {"Frame4", K::Frame, "Frame1", "step t", 900, 3600, 915, 975, japanese(kMincho, 9), none, none},
    {"Option4", K::OptionButton, "Frame4", "0.01", 120, 240, 735, 210, times(8.25), none, none, A::Left, 15, true},
    {"Option1", K::OptionButton, "Frame4", "0.005", 120, 480, 735, 210, times(8.25), none, none, A::Left, 10},
    {"Option2", K::OptionButton, "Frame4", "0.002", 120, 720, 735, 210, times(8.25), none, none, A::Left, 18},
    {"Frame5", K::Frame, "Frame1", "step ω", 1830, 3600, 915, 975, japanese(kMincho, 9), none, none},
    {"Option3(0)", K::OptionButton, "Frame5", "1", 120, 240, 735, 210, times(8.25), none, none, A::Left, 26, true},
    {"Option5", K::OptionButton, "Frame5", "0.5", 120, 480, 735, 210, times(8.25), none, none, A::Left, 27},
    {"Option6", K::OptionButton, "Frame5", "0.1", 120, 720, 735, 210, times(8.25), none, none, A::Left, 28},

    {"wave_s(0)", K::Picture, "Frame2", "", 360, 240, 5892, 2052, none, none, kWhite, A::Left, 4},
    {"axis_s", K::Label, "wave_s(0)", "axis_s", 5160, 720, 612, 252, japanese(kMincho, 9.75), kRed, kWhite, A::Right},
    {"Label7(0)", K::Label, "Frame2", "【S】", 0, 1200, 375, 255, japanese(kPGothic, 9.75), none, none, A::Centre},

    {"wave_s(1)", K::Picture, "Frame3", "", 360, 240, 5892, 2052, none, none, kWhite, A::Left, 16},
    {"axis_c", K::Label, "wave_s(1)", "axis_s2", 5160, 720, 612, 252, japanese(kMincho, 9.75), kRed, kWhite, A::Right},
    {"Label7(1)", K::Label, "Frame3", "【C】", 0, 1200, 375, 255, japanese(kPGothic, 9.75), none, none, A::Centre},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> window_layout() { return kLayout; }

}  // namespace af
