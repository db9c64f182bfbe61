#include "core/model/shown_caption.h"

#include "core/model/number_text.h"
#include "core/model/step_rule.h"

namespace af {

std::string shown_caption(const ControlSpec& control, const Language& language) {
    if (control.kind == ControlKind::OptionButton && control.act) return plain_text(chosen_step(*control.act), language);
    if (control.caption.empty()) return {};
    return std::string(translate(language, "caption", control.caption));
}

CaptionKind caption_kind(const ControlSpec& control) {
    switch (control.kind) {
    case ControlKind::Group:
    case ControlKind::PushButton:
        return CaptionKind::Words;
    case ControlKind::Label:
        // The time axes are words, the range and the values numbers; the
        // other labels stand as laid out.
        if (control.shows == Shows::TimeAxis) return CaptionKind::Words;
        if (control.shows != Shows::Caption) return CaptionKind::Number;
        return CaptionKind::Symbol;
    default:
        return CaptionKind::Number;
    }
}

Language caption_language(const ControlSpec& control, const Language& language) {
    return caption_kind(control) == CaptionKind::Symbol ? Language() : language;
}

bool caption_right_to_left(const ControlSpec& control, const Language& language) {
    // A label the acts write (a time axis) has words though its row has no caption.
    return language.right_to_left() && control.font && (!control.caption.empty() || control.shows != Shows::Caption) &&
           caption_kind(control) == CaptionKind::Words;
}

bool shows_layouts_text(const ControlSpec& control, const Language& language) {
    if (language.is_layouts_own()) return true;
    return caption_kind(control) == CaptionKind::Symbol && shown_caption(control, language) == shown_caption(control, Language());
}

}  // namespace af
