#include "core/model/control_input.h"

namespace af {

std::optional<Act> control_act(const ControlSpec& control, ControlPart part) {
    if (!control.act) return std::nullopt;
    if (control.kind != ControlKind::SpinControl) {
        if (part != ControlPart::Whole) return std::nullopt;
        return control.act;
    }
    if (part == ControlPart::Whole) return std::nullopt;
    return step_act(control.act->target, part == ControlPart::Down ? Direction::Down : Direction::Up);
}

HeldPress held_press(ControlKind kind) {
    if (kind == ControlKind::SpinControl) return {true, 400, 80, true};
    // A push button held down (or Enter held on it) is one press: a held
    // ANIM must not start a run per key repeat.
    return {};
}

}  // namespace af
