#pragma once

#include <string>

#include "core/language/language.h"
#include "core/model/layout.h"

namespace af {

// The caption a control of the layout shows in a language: a word from the
// catalogue (context "caption"), a number (an option's value) with the
// language's decimal separator, and a symbol ("t=", "π", "【S】") as laid out.
std::string shown_caption(const ControlSpec& control, const Language& language);

}  // namespace af
