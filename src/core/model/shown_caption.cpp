#include "core/model/shown_caption.h"

#include "core/model/number_text.h"
#include "core/model/step_rule.h"

namespace af {

std::string shown_caption(const ControlSpec& control, const Language& language) {
    if (control.kind == ControlKind::OptionButton && control.act) return plain_text(chosen_step(*control.act), language);
    if (control.caption.empty()) return {};
    return std::string(translate(language, "caption", control.caption));
}

bool shows_layouts_text(const ControlSpec& control, const Language& language) {
    if (language.is_layouts_own()) return true;
    return control.shows == Shows::Caption && shown_caption(control, language) == shown_caption(control, Language());
}

}  // namespace af
