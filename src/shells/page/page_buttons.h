#pragma once

#include <span>
#include <string>

#include "core/extras/extras.h"
#include "core/language/language.h"
#include "core/model/layout.h"

namespace af::page {

// A button the page adds beside the window's controls for one of the
// extras: its element is the extra's control, its key the extra's.
struct PageButton {
    Extra extra;
    TwipsBox place;               // in the control panel
    std::string_view label = {};  // a screen reader's name for it; unset: the extra's own name
};

// In the order Tab reaches them.
std::span<const PageButton> page_buttons();

// Where it stands, as the layout places its controls.
ControlSpec page_button_control(const PageButton& button);

// Its name for a screen reader, and its tooltip: the name with the key.
std::string page_button_label(const PageButton& button, const Language& language);
std::string page_button_tooltip(const PageButton& button, const Language& language);

}  // namespace af::page
