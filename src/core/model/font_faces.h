#pragma once

#include <span>
#include <string>
#include <string_view>

namespace af {

enum class FontKind { Serif, SansSerif };

// A font the layout names, and the free font that stands in for it on every
// screen: the desktop asks the machine for the stand-in by its family, the
// page embeds a subset of the stand-in's file. The stand-ins of the layout
// (a Japanese face and a Latin one) set every language whose script they
// have; a language of another script has faces of its own for the layout's
// fonts, which its captions are set in before the stand-in.
struct FontFace {
    std::string_view layout_name;  // as the layout names it
    bool italic = false;
    std::string_view stand_in;     // the stand-in's family
    FontKind kind = FontKind::Serif;
    std::string_view file;         // where Debian installs the stand-in (a collection's first font)
    std::string_view package;      // the Debian package that does
    std::string_view language;     // the language tag it sets before the stand-in ("zh-CN"), or empty
};

// Every face the captions are set in.
std::span<const FontFace> font_faces();

// The stand-in for a layout font, upright; none for a name the layout does not use.
const FontFace* font_face(std::string_view layout_name);

// The face a language's captions in a layout font are set in before the
// stand-in, or none where the stand-in has its script. A face for "ar"
// serves "ar-EG" too.
const FontFace* language_face(std::string_view layout_name, std::string_view language_tag);

// The family name a face is embedded under in the page: the layout's own
// name for a stand-in; for a language's face, one name for the language and
// kind ("AF Caption ar Serif"), whichever layout fonts it serves.
std::string page_family(const FontFace& face);

// Where a stand-in is missing on a machine, fonts of the same kind follow,
// ending with the generic name the font configuration resolves.
std::span<const std::string_view> same_kind_families(FontKind kind);

// The generic family of a kind as style sheets name it: "serif", "sans-serif".
std::string_view generic_family(FontKind kind);

}  // namespace af
