#include "core/extras/extras.h"

namespace af {

namespace {

// The key follows each name in the menu (a right click, Shift+F10 or the menu key).
constexpr ExtraRow kExtras[] = {
    // TRANSLATORS: an entry of the window's menu of extras: copies the three views to the clipboard.
    {Extra::CopyPicture, "Ctrl+C", NC_("menu", "Copy a picture of the views"), false},
    // TRANSLATORS: an entry of the window's menu of extras: opens a dialog that saves the three views as a PNG.
    {Extra::SavePicture, "Ctrl+S", NC_("menu", "Save a picture of the views…"), false, "picture_button"},
    // TRANSLATORS: an entry of the window's menu of extras: full screen on and off.
    {Extra::FullScreen, "F11", NC_("menu", "Full screen"), false, "full_screen"},
    // TRANSLATORS: an entry of the window's menu of extras: the whole window one zoom step larger.
    {Extra::ZoomIn, "Ctrl++", NC_("menu", "Larger"), false},
    // TRANSLATORS: an entry of the window's menu of extras: the whole window one zoom step smaller.
    {Extra::ZoomOut, "Ctrl+-", NC_("menu", "Smaller"), false},
    // TRANSLATORS: an entry of the window's menu of extras: the window back at the size it was laid out at.
    {Extra::LaidOutSize, "Ctrl+0", NC_("menu", "Laid-out size"), false},
    // TRANSLATORS: the switch that makes each vector's height heard as a tone during a run (menu entry, page button).
    {Extra::Sound, "F2", NC_("menu", "Sound"), true, "sound_button"},
    // TRANSLATORS: the switch that has the program speak its sentences without a screen reader (menu entry, page button).
    {Extra::Voice, "F4", NC_("menu", "Voice"), true, "voice_button"},
    // F8, since every other function key a keyboard has is a browser's (F1, F3, F5 to F7, F9 to F12).
    // TRANSLATORS: the page's button and key that open the share panel (the setup's link, its QR code, a lesson file), and the panel's heading.
    {Extra::Share, "F8", NC_("menu", "Share this lesson"), false, "share_button", true},
};

}  // namespace

std::span<const ExtraRow> extras() { return kExtras; }

const ExtraRow& extra_row(Extra extra) {
    for (const ExtraRow& row : kExtras) {
        if (row.extra == extra) return row;
    }
    return kExtras[0];
}

const ExtraRow* switch_of_control(std::string_view control) {
    for (const ExtraRow& row : kExtras) {
        if (row.is_switch && row.control == control) return &row;
    }
    return nullptr;
}

std::string extra_name(Extra extra, const Language& language) {
    return std::string(translate(language, "menu", extra_row(extra).name));
}

std::string switched_text(Extra extra, bool on, const Language& language) {
    if (extra == Extra::Voice && on) {
        // TRANSLATORS: said when the voice is turned on (F4, the menu or the page's button).
        return std::string(translate(language, "voice on"));
    }
    if (extra == Extra::Voice) {
        // TRANSLATORS: said when the voice is turned off.
        return std::string(translate(language, "voice off"));
    }
    if (on) {
        // TRANSLATORS: said when the sound of the heights is turned on (F2, the menu or the page's button).
        return std::string(translate(language, "sound on"));
    }
    // TRANSLATORS: said when the sound of the heights is turned off.
    return std::string(translate(language, "sound off"));
}

std::string no_sound_device_text(const Language& language) {
    // TRANSLATORS: said once when the sound is on but the computer has no sound device to play it.
    return std::string(translate(language, "no sound device was found, so nothing can be heard"));
}

std::string no_voice_text(const Language& language) {
    // TRANSLATORS: said once when the voice is on but no voice on this computer speaks this language; the program then stays silent rather than read it with a voice of another language.
    return std::string(translate(language, "no voice for this language was found, so the voice stays silent"));
}

}  // namespace af
