#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "core/language/language.h"
#include "core/model/act.h"

namespace af {

// Group: a panel or a titled group box holding other controls.
enum class ControlKind { Group, Label, PushButton, OptionButton, SpinControl, Picture };
enum class Align { Left, Right, Centre };

inline constexpr int kStandardCharset = 0;
inline constexpr int kJapaneseCharset = 128;

struct FontSpec {
    std::string_view name;  // as the layout names it
    double points = 9;
    int charset = kStandardCharset;  // or kJapaneseCharset
    bool italic = false;
};

// A place in twips: the corner from the top-left of the container, and the
// outer size.
struct TwipsBox {
    int left = 0, top = 0, width = 0, height = 0;
};
struct TwipsSize {
    int width = 0, height = 0;
};

// What a control shows besides its laid-out caption: a label the acts write
// (the time on show, a vector's length or angular frequency, the views'
// range, a wave view's time axis), or a view.
enum class Shows : std::uint8_t { Caption, Time, Length, Frequency, Range, TimeAxis, CircleView, WaveView };

inline constexpr int kNoFocus = -1;
inline constexpr std::string_view kWindowName = "window";

// One control of the window, the only record of it: where it is and how it
// looks, what it shows, what it does, what a screen reader says of it and
// where Tab reaches it.
struct ControlSpec {
    // Its object name, by which shells, tests and presses know it. An
    // option's is left out: it is its group's name with the option's value
    // in place of "group" ("time_step_0.005").
    std::string_view name{};
    ControlKind kind = ControlKind::Label;
    std::string_view parent = kWindowName;
    TwipsBox twips{};
    std::optional<FontSpec> font = std::nullopt;
    std::optional<std::uint32_t> fore = std::nullopt;  // blue-green-red; unset: the toolkit's control colours
    std::optional<std::uint32_t> back = std::nullopt;
    Align align = Align::Left;
    // A word of the catalogue (context "caption") or a symbol, as laid out.
    // An option shows the value it chooses instead, in the language's digits.
    std::string_view caption{};
    Shows shows = Shows::Caption;
    int vector = 0;  // the vector (0 or 1) it belongs to: its label, its view, its {vector} (one more) in what is said
    // What the control does: a push button's or an option's click; for a spin
    // control its up arrow, the down arrow being the same step down.
    std::optional<Act> act = std::nullopt;
    bool selected = false;  // an option selected at start
    int focus = kNoFocus;   // its place in the order Tab moves in, from 0
    // What a screen reader says where the caption says too little or nothing
    // (contexts "accessible name" and "accessible description"; {vector} in
    // them is the vector's number). An empty name leaves the caption; an
    // option says its group and its value with the unit; spin controls are
    // named by their readings.
    std::string_view spoken_name{};
    std::string_view description{};
    bool named_by_caption = false;  // named by its caption, which its element does not hold alone
};

// TRANSLATORS: the program's name: the window's title, the launcher's name and the page's title.
inline constexpr std::string_view kWindowCaption = N_("Angular Frequency");
// The client area the controls are laid out in, and the outer size,
// decoration included, that start-up gives the window: a little narrower, so
// that at start the right-hand edges of the wave panels fall outside it.
inline constexpr TwipsSize kClientTwips{9330, 4785};
inline constexpr TwipsSize kOuterTwipsAtStart{9225, 5184};

// Every control, parents before children, in creation order.
std::span<const ControlSpec> window_layout();

// The control of that name; none where the layout has no such control.
const ControlSpec* layout_control(std::string_view name);

// The control that shows that, of vector `vector` where it belongs to one;
// none where no control shows it.
const ControlSpec* control_showing(Shows what, int vector = 0);

// The fonts the layout names; the window finds stand-ins where they are missing.
inline constexpr std::string_view kMincho = "ＭＳ 明朝";
inline constexpr std::string_view kPMincho = "ＭＳ Ｐ明朝";
inline constexpr std::string_view kPGothic = "ＭＳ Ｐゴシック";
inline constexpr std::string_view kTimes = "Times New Roman";

}  // namespace af
