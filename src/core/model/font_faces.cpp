#include "core/model/font_faces.h"

#include "core/model/layout.h"

namespace af {

namespace {

constexpr std::string_view kWqy = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";
constexpr std::string_view kUming = "/usr/share/fonts/truetype/arphic/uming.ttc";
constexpr std::string_view kNanumGothic = "/usr/share/fonts/truetype/nanum/NanumGothic.ttf";
constexpr std::string_view kNanumMyeongjo = "/usr/share/fonts/truetype/nanum/NanumMyeongjo.ttf";
constexpr std::string_view kNotoSansArabic = "/usr/share/fonts/truetype/noto/NotoSansArabicUI-Regular.ttf";
constexpr std::string_view kNotoNaskhArabic = "/usr/share/fonts/truetype/noto/NotoNaskhArabicUI-Regular.ttf";

constexpr auto Serif = FontKind::Serif;
constexpr auto Sans = FontKind::SansSerif;

// clang-format off
constexpr FontFace kFaces[] = {
    {kMincho, false, "IPAMincho", Serif, "/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf", "fonts-ipafont-mincho", ""},
    {kPMincho, false, "IPAPMincho", Serif, "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf", "fonts-ipafont-mincho", ""},
    {kPGothic, false, "IPAPGothic", Sans, "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf", "fonts-ipafont-gothic", ""},
    {kTimes, false, "Liberation Serif", Serif, "/usr/share/fonts/truetype/liberation2/LiberationSerif-Regular.ttf",
     "fonts-liberation2", ""},
    {kTimes, true, "Liberation Serif", Serif, "/usr/share/fonts/truetype/liberation2/LiberationSerif-Italic.ttf",
     "fonts-liberation2", ""},
    // Simplified Chinese in its own forms of the characters it shares with Japanese: Ming and Hei.
    {kMincho, false, "AR PL UMing CN", Serif, kUming, "fonts-arphic-uming", "zh-CN"},
    {kPMincho, false, "AR PL UMing CN", Serif, kUming, "fonts-arphic-uming", "zh-CN"},
    {kPGothic, false, "WenQuanYi Micro Hei", Sans, kWqy, "fonts-wqy-microhei", "zh-CN"},
    // Hangul: Myeongjo and Gothic.
    {kMincho, false, "NanumMyeongjo", Serif, kNanumMyeongjo, "fonts-nanum", "ko"},
    {kPMincho, false, "NanumMyeongjo", Serif, kNanumMyeongjo, "fonts-nanum", "ko"},
    {kPGothic, false, "NanumGothic", Sans, kNanumGothic, "fonts-nanum", "ko"},
    // Arabic in Naskh and a plain face; the labels' numbers too, in Arabic-Indic digits.
    {kMincho, false, "Noto Naskh Arabic UI", Serif, kNotoNaskhArabic, "fonts-noto-ui-core", "ar"},
    {kPMincho, false, "Noto Naskh Arabic UI", Serif, kNotoNaskhArabic, "fonts-noto-ui-core", "ar"},
    {kPGothic, false, "Noto Sans Arabic UI", Sans, kNotoSansArabic, "fonts-noto-ui-core", "ar"},
    {kTimes, false, "Noto Naskh Arabic UI", Serif, kNotoNaskhArabic, "fonts-noto-ui-core", "ar"},
};
// clang-format on

constexpr std::string_view kSerifFamilies[] = {"IPAMincho",    "Noto Serif CJK JP", "Liberation Serif",
                                               "DejaVu Serif", "Nimbus Roman",      "serif"};
constexpr std::string_view kSansFamilies[] = {"IPAGothic",   "Noto Sans CJK JP", "Liberation Sans",
                                              "DejaVu Sans", "Nimbus Sans",      "sans-serif"};

// "ar" serves "ar" and "ar-EG"; "zh-CN" serves "zh-CN" alone.
bool serves(std::string_view face_language, std::string_view tag) {
    return tag == face_language || (tag.starts_with(face_language) && tag.size() > face_language.size() &&
                                    tag[face_language.size()] == '-');
}

}  // namespace

std::span<const FontFace> font_faces() { return kFaces; }

const FontFace* font_face(std::string_view layout_name) {
    for (const FontFace& face : kFaces) {
        if (face.layout_name == layout_name && !face.italic && face.language.empty()) return &face;
    }
    return nullptr;
}

const FontFace* language_face(std::string_view layout_name, std::string_view language_tag) {
    for (const FontFace& face : kFaces) {
        if (face.layout_name == layout_name && !face.italic && !face.language.empty() &&
            serves(face.language, language_tag)) {
            return &face;
        }
    }
    return nullptr;
}

std::string page_family(const FontFace& face) {
    if (face.language.empty()) return std::string(face.layout_name);
    // Not the font's own name, which some licences keep for the unmodified font.
    return "AF Caption " + std::string(face.language) + (face.kind == FontKind::Serif ? " Serif" : " Sans");
}

std::span<const std::string_view> same_kind_families(FontKind kind) {
    if (kind == FontKind::Serif) return kSerifFamilies;
    return kSansFamilies;
}

std::string_view generic_family(FontKind kind) { return kind == FontKind::Serif ? "serif" : "sans-serif"; }

}  // namespace af
