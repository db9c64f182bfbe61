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

// One control of the window as laid out: positions in twips from the
// top-left of its container, colours blue-green-red.
struct ControlSpec {
    std::string_view name;    // the control's object name
    ControlKind kind;
    std::string_view parent;  // kWindowName for the top-level groups
    std::string_view caption;
    int left, top, width, height;
    std::optional<FontSpec> font;
    std::optional<std::uint32_t> fore;  // unset: the toolkit's control colours
    std::optional<std::uint32_t> back;
    Align align = Align::Left;
    int tab_index = -1;       // -1: takes no focus
    bool selected = false;    // option buttons selected at start
    // What the control does: a push button's or an option's click; for a spin
    // control its up arrow, the down arrow being the same step down.
    std::optional<Act> act = std::nullopt;
};

inline constexpr std::string_view kWindowName = "window";
// TRANSLATORS: the program's name: the window's title, the launcher's name and the page's title.
inline constexpr std::string_view kWindowCaption = N_("Angular Frequency");
inline constexpr int kClientWidthTwips = 9330;
inline constexpr int kClientHeightTwips = 4785;

// Every control, parents before children, in creation order.
std::span<const ControlSpec> window_layout();

// The control of that name; none where the layout has no such control.
const ControlSpec* layout_control(std::string_view name);

// The fonts the layout names; the window finds stand-ins where they are missing.
inline constexpr std::string_view kMincho = "ＭＳ 明朝";
inline constexpr std::string_view kPMincho = "ＭＳ Ｐ明朝";
inline constexpr std::string_view kPGothic = "ＭＳ Ｐゴシック";
inline constexpr std::string_view kTimes = "Times New Roman";

}  // namespace af
