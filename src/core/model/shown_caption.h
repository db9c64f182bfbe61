#pragma once

#include <string>

#include "core/language/language.h"
#include "core/model/layout.h"

namespace af {

// The caption a control of the layout shows in a language: a word from the
// catalogue (context "caption"), a number (an option's value) with the
// language's digits and decimal separator, and a symbol ("t=", "π", "【S】") as laid out.
std::string shown_caption(const ControlSpec& control, const Language& language);

// Whether a control's caption is set right to left: words (a button's, a
// group's title, the time axis's) in a language written so. Numbers and
// symbols ("0,005", "t=", "ω1=", "【S】") keep their order in every language,
// and no control moves in its box.
bool caption_right_to_left(const ControlSpec& control, const Language& language);

}  // namespace af
