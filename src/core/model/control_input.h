#pragma once

#include <optional>

#include "core/model/layout.h"

namespace af {

// Which part of a control a press is on: a button or an option as a whole,
// or one arrow of a spin control.
enum class ControlPart { Whole, Up, Down };

// The act a press on that part of a control makes: a spin control's row
// names its up arrow, and its down arrow is the same step down. None where
// the control makes no act or the part is not one it has.
std::optional<Act> control_act(const ControlSpec& control, ControlPart part);

// How a control answers a press that is held down, by mouse or by key.
// Every shell follows this, so that a held arrow repeats alike everywhere.
struct HeldPress {
    bool repeats = false;   // a held spin arrow steps again and again
    int first_repeat_ms = 0;  // a deliberate click never repeats
    int repeat_ms = 0;        // then about twelve steps a second
    bool key_repeats = false;  // a held key's repeats press again; else a held key is one press
};
HeldPress held_press(ControlKind kind);

}  // namespace af
