#pragma once

#include <span>
#include <string_view>

namespace af {

enum class FontKind { Serif, SansSerif };

// A font the layout names, and the free font that stands in for it on every
// screen: the desktop asks the machine for the stand-in by its family, the
// page embeds a subset of the stand-in's file under the layout's name.
struct FontFace {
    std::string_view layout_name;  // as the layout names it
    bool italic = false;
    std::string_view stand_in;     // the stand-in's family
    FontKind kind = FontKind::Serif;
    std::string_view file;         // where Debian installs the stand-in
    std::string_view package;      // the Debian package that does
};

// Every face the captions are set in.
std::span<const FontFace> font_faces();

// The stand-in for a layout font, upright; none for a name the layout does not use.
const FontFace* font_face(std::string_view layout_name);

// Where a stand-in is missing on a machine, fonts of the same kind follow,
// ending with the generic name the font configuration resolves.
std::span<const std::string_view> same_kind_families(FontKind kind);

// The generic family of a kind as style sheets name it: "serif", "sans-serif".
std::string_view generic_family(FontKind kind);

}  // namespace af
