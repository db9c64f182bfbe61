#include "shells/page/page_buttons.h"

namespace af::page {

namespace {

// In the control panel's empty right-hand column, each a spin control's
// size: full screen, a picture of the views and the two switches from the
// top down, the share panel's at the foot, level with the circle view's.
constexpr PageButton kPageButtons[] = {
    {Extra::FullScreen, {2460, 120, 255, 255}},
    // TRANSLATORS: a screen reader's name for the page's button that saves a picture of the three views.
    {Extra::SavePicture, {2460, 420, 255, 255}, N_("Save a picture of the views")},
    {Extra::Sound, {2460, 720, 255, 255}},
    {Extra::Voice, {2460, 1020, 255, 255}},
    {Extra::Share, {2460, 2037, 255, 255}},
};

}  // namespace

std::span<const PageButton> page_buttons() { return kPageButtons; }

ControlSpec page_button_control(const PageButton& button) {
    return {.name = extra_row(button.extra).control, .kind = ControlKind::PushButton, .parent = "control_panel",
            .twips = button.place};
}

std::string page_button_label(const PageButton& button, const Language& language) {
    if (button.label.empty()) return extra_name(button.extra, language);
    return std::string(translate(language, button.label));
}

std::string page_button_tooltip(const PageButton& button, const Language& language) {
    // TRANSLATORS: the tooltip of a page button: its name, then the key that does the same: "Sound (F2)".
    return fill(translate(language, "{name} ({key})"),
                {{"name", page_button_label(button, language)}, {"key", extra_row(button.extra).key}});
}

}  // namespace af::page
