#pragma once

#include <string>

#include "core/language/language.h"
#include "core/model/layout.h"

namespace af {

// The caption a control of the layout shows in a language: a word from the
// catalogue (context "caption"), a number (an option's value) with the
// language's digits and decimal separator, and a symbol ("t=", "π", "【S】") as laid out.
std::string shown_caption(const ControlSpec& control, const Language& language);

// What a caption is: words from the catalogue (a button's, a group's title,
// the time axes'), a number the language writes in its digits (an option's,
// a value label's), or a symbol of the layout that stands as laid out in
// every language ("t=", "ω1=", "π", "【S】"), in the layout's own fonts.
enum class CaptionKind { Words, Number, Symbol };
CaptionKind caption_kind(const ControlSpec& control);

// The language whose faces a control's caption is set in: the layout's own
// for a symbol, which stands in the layout's fonts whatever the window speaks.
Language caption_language(const ControlSpec& control, const Language& language);

// Whether a control's caption is set right to left: words in a language
// written so. Numbers and symbols keep their order in every language, and no
// control moves in its box.
bool caption_right_to_left(const ControlSpec& control, const Language& language);

// Whether the control shows the text the layout was made for, in the
// layout's fonts: every caption in the layout's own language, and elsewhere
// the symbols ("r1=", "π"), which stand as in the layout's own language
// (at zoom 1 exactly as laid out, as there).
bool shows_layouts_text(const ControlSpec& control, const Language& language);

}  // namespace af
