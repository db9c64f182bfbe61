#include "core/model/shown_caption.h"

namespace af {

std::string shown_caption(const ControlSpec& control, const Language& language) {
    const std::string_view caption = control.caption;
    if (control.kind == ControlKind::OptionButton) return language.numeral(caption);
    return std::string(translate(language, "caption", caption));
}

bool caption_right_to_left(const ControlSpec& control, const Language& language) {
    if (!language.right_to_left() || !control.font) return false;
    switch (control.kind) {
    case ControlKind::Group:
    case ControlKind::PushButton:
        return !control.caption.empty();
    case ControlKind::Label:
        // Of the labels, the time axes' show words: start-up writes them from a message.
        return control.name == "axis_label_1" || control.name == "axis_label_2";
    default:
        return false;
    }
}

}  // namespace af
