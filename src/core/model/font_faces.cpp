#include "core/model/font_faces.h"

#include "core/model/layout.h"

namespace af {

namespace {


constexpr FontFace kFaces[] = {
    {kMincho, false, "IPAMincho", FontKind::Serif, "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
     "fonts-ipafont-mincho"},
    {kPMincho, false, "IPAPMincho", FontKind::Serif, "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
     "fonts-ipafont-mincho"},
    {kPGothic, false, "IPAPGothic", FontKind::SansSerif, "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
     "fonts-ipafont-gothic"},
    {kTimes, false, "Liberation Serif", FontKind::Serif,
     "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf", "fonts-liberation2"},
    {kTimes, true, "Liberation Serif", FontKind::Serif,
     "/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf", "fonts-liberation2"},
};

constexpr std::string_view kSerifFamilies[] = {"IPAMincho",    "Noto Serif CJK JP", "Liberation Serif",
                                               "DejaVu Serif", "Nimbus Roman",      "serif"};
constexpr std::string_view kSansFamilies[] = {"IPAGothic",   "Noto Sans CJK JP", "Liberation Sans",
                                              "DejaVu Sans", "Nimbus Sans",      "sans-serif"};

}  // namespace

std::span<const FontFace> font_faces() { return kFaces; }

const FontFace* font_face(std::string_view layout_name) {
    for (const FontFace& face : kFaces) {
        if (face.layout_name == layout_name && !face.italic) return &face;
    }
    return nullptr;
}

std::span<const std::string_view> same_kind_families(FontKind kind) {
    if (kind == FontKind::Serif) return kSerifFamilies;
    return kSansFamilies;
}

std::string_view generic_family(FontKind kind) { return kind == FontKind::Serif ? "serif" : "sans-serif"; }

}  // namespace af
