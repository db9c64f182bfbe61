#include "shell/fonts.h"

#include <QStringList>

#include "shell/qt_text.h"

namespace af::shell {

namespace {

constexpr std::string_view kLayoutFonts[] = {"ＭＳ 明朝", "ＭＳ Ｐ明朝", "ＭＳ Ｐゴシック",
                                             "Times New Roman"};

// Where the chosen stand-in is missing too, a font of the same kind follows.
QStringList same_kind(FontKind kind) {
    if (kind == FontKind::Serif) {
        return {"IPAMincho", "Noto Serif CJK JP", "Liberation Serif", "DejaVu Serif", "Nimbus Roman", "serif"};
    }
    return {"IPAGothic", "Noto Sans CJK JP", "Liberation Sans", "DejaVu Sans", "Nimbus Sans", "sans-serif"};
}

// The stand-in first, then the fonts of the same kind that may replace it.
QStringList stand_in_families(std::string_view layout_name) {
    const FontStandIn stand_in = font_stand_in(layout_name);
    QStringList families{qstring(stand_in.family)};
    for (const QString& family : same_kind(stand_in.kind)) {
        if (!families.contains(family)) families << family;
    }
    return families;
}

}  // namespace

void install_font_substitutions() {
    for (const std::string_view name : kLayoutFonts) {
        QFont::removeSubstitutions(qstring(name));
        QFont::insertSubstitutions(qstring(name), stand_in_families(name));
    }
}

QFont layout_font(const FontSpec& wanted) {
    QFont font;
    // Asking for the stand-ins by name spares the font database a search for
    // a family this machine lacks: a few milliseconds per font at start-up.
    font.setFamilies(stand_in_families(wanted.name));
    font.setPointSizeF(wanted.points);
    font.setItalic(wanted.italic);
    font.setWeight(QFont::Normal);
    font.setStyleHint(font_stand_in(wanted.name).kind == FontKind::Serif ? QFont::Serif
                                                                         : QFont::SansSerif);
    return font;
}

}  // namespace af::shell
