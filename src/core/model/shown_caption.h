#pragma once

#include <string>

#include "core/language/language.h"
#include "core/model/layout.h"

namespace af {

// The caption a control of the layout shows in a language: a word from the
// catalogue (context "caption"), a number (an option's value) with the
// language's decimal separator, and a symbol ("t=", "π", "【S】") as laid out.
std::string shown_caption(const ControlSpec& control, const Language& language);

// Whether the control shows in that language the text the layout was made
// for: every caption in the layout's own language, and elsewhere the
// symbols and numbers every language writes alike ("r1=", "π", "1"), which
// are then set as laid out too. A label the acts write shows a value that
// changes, so it counts as the layout's only in the layout's language.
bool shows_layouts_text(const ControlSpec& control, const Language& language);

}  // namespace af
