#include "core/model/shown_caption.h"

namespace af {

std::string shown_caption(const ControlSpec& control, const Language& language) {
    const std::string_view caption = control.caption;
    if (control.kind == ControlKind::OptionButton) return language.numeral(caption);
    return std::string(translate(language, "caption", caption));
}

CaptionKind caption_kind(const ControlSpec& control) {
    switch (control.kind) {
    case ControlKind::Group:
    case ControlKind::PushButton:
        return CaptionKind::Words;
    case ControlKind::Label:
        // Start-up writes the time axes from a message, the range and the
        // values as numbers; the other labels stand as laid out.
        if (control.name == "axis_label_1" || control.name == "axis_label_2") return CaptionKind::Words;
        if (control.name == "range_label" || control.caption.empty()) return CaptionKind::Number;
        return CaptionKind::Symbol;
    default:
        return CaptionKind::Number;
    }
}

Language caption_language(const ControlSpec& control, const Language& language) {
    return caption_kind(control) == CaptionKind::Symbol ? Language() : language;
}

bool caption_right_to_left(const ControlSpec& control, const Language& language) {
    return language.right_to_left() && control.font && !control.caption.empty() &&
           caption_kind(control) == CaptionKind::Words;
}

}  // namespace af
