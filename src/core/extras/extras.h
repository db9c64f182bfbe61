#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "core/language/language.h"

namespace af {

// What the window offers beyond its controls: pictures of the views, full
// screen, zoom, the sound and the voice, and on the page the share panel,
// each with the key that does it. The keys stay clear of the browsers' own
// and of the screen readers': plain function keys that neither takes (F2,
// F4, F8) for the switches and the share panel.
enum class Extra : std::uint8_t { CopyPicture, SavePicture, FullScreen, ZoomIn, ZoomOut, LaidOutSize, Sound, Voice, Share };

struct ExtraRow {
    Extra extra;
    std::string_view key;   // as Qt's portable text writes it: "Ctrl+C", "F2"
    std::string_view name;  // a message, in the context "menu"
    bool is_switch;         // turned on and off, said so each time
    // The control of its button on the page, where it has one; a switch's
    // desktop menu entry and the setting that turns it on know it by it too:
    // "sound_button".
    std::string_view control = {};
    // Offered by the page alone (the share panel: a link and a lesson file
    // are of a page); the desktop neither lists it nor takes its key.
    bool page_only = false;
};

// Every extra, in the order a menu lists them.
std::span<const ExtraRow> extras();
const ExtraRow& extra_row(Extra extra);
// The switch of that control; none where no switch has it.
const ExtraRow* switch_of_control(std::string_view control);

// The extra's name as a menu shows it, in the language.
std::string extra_name(Extra extra, const Language& language = Language());

// Said when a switch is turned: "sound on", "voice off".
std::string switched_text(Extra extra, bool on, const Language& language = Language());

// Said once where the shell finds no sound device.
std::string no_sound_device_text(const Language& language = Language());
// Said once where no voice speaks the language.
std::string no_voice_text(const Language& language = Language());

}  // namespace af
