#include "core/model/shown_caption.h"

namespace af {

std::string shown_caption(const ControlSpec& control, const Language& language) {
    const std::string_view caption = control.caption;
    if (control.kind == ControlKind::OptionButton) {
        std::string number(caption);
        if (const std::size_t point = number.find('.'); point != std::string::npos) {
            number.replace(point, 1, language.decimal_separator());
        }
        return number;
    }
    return std::string(translate(language, "caption", caption));
}

}  // namespace af
