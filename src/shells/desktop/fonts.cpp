#include "shells/desktop/fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QStringList>
#include <cstdio>
#include <string>

#include "core/model/font_faces.h"
#include "shells/desktop/qt_text.h"

namespace af::desktop {

namespace {

// The stand-in first, then the fonts of the same kind that may replace it.
QStringList stand_in_families(std::string_view layout_name) {
    const FontFace* face = font_face(layout_name);
    QStringList families{qstring(face ? face->stand_in : layout_name)};
    for (const std::string_view family : same_kind_families(face ? face->kind : FontKind::SansSerif)) {
        if (!families.contains(qstring(family))) families << qstring(family);
    }
    return families;
}

// The families this machine has, read once: reading them sorts every font.
const QStringList& installed_families() {
    static const QStringList families = QFontDatabase::families();
    return families;
}

// The first of the stand-ins that this machine has. A font naming a single
// installed family lets the toolkit look for substitutes only when a glyph is
// missing; a list of families makes it sort every font on the machine for
// each size at start-up.
QString installed_stand_in(std::string_view layout_name) {
    static QHash<QString, QString> chosen;
    const QString key = qstring(layout_name);
    if (const auto it = chosen.constFind(key); it != chosen.constEnd()) return *it;
    const QStringList& installed = installed_families();
    const QStringList wanted = stand_in_families(layout_name);
    QString family = wanted.last();  // a generic name the font configuration resolves
    for (const QString& candidate : wanted) {
        if (installed.contains(candidate, Qt::CaseInsensitive)) {
            family = candidate;
            break;
        }
    }
    return *chosen.insert(key, family);
}

}  // namespace

void warn_if_no_fonts(const Language& language) {
    // The font configuration lists its generic names even with no font behind
    // them, so ask for a glyph instead.
    if (QFontMetrics(QFont()).inFont(QLatin1Char('A'))) return;
    // The packages of the stand-ins, and of the language's own faces.
    std::string packages;
    for (const FontFace& face : font_faces()) {
        if (!face.language.empty() && language_face(face.layout_name, language.tag()) != &face) continue;
        if (packages.find(face.package) != std::string::npos) continue;
        packages += (packages.empty() ? "" : ", ") + std::string(face.package);
    }
    // TRANSLATORS: printed on a terminal when the machine has no font at all; {packages} and
    // {alternatives} are lists of Debian package names.
    const std::string_view message = translate(language, "angular-frequency: no fonts are installed, so no caption "
                                                         "can be shown. Install the packages {packages} (or "
                                                         "{alternatives}).");
    const std::string text = fill(message, {{"packages", packages}, {"alternatives", "fonts-noto-cjk, fonts-dejavu-core"}});
    std::fprintf(stderr, "%s\n", text.c_str());
}

void install_font_substitutions() {
    for (const FontFace& face : font_faces()) {
        if (!face.language.empty()) continue;
        QFont::removeSubstitutions(qstring(face.layout_name));
        QFont::insertSubstitutions(qstring(face.layout_name), stand_in_families(face.layout_name));
    }
}

QFont layout_font(const FontSpec& wanted, const Language& language) {
    QStringList families;
    // A language's own face where this machine has it; where not, the font
    // configuration finds one for its script among the fonts it has.
    if (const FontFace* own = language_face(wanted.name, language.tag())) {
        if (installed_families().contains(qstring(own->stand_in), Qt::CaseInsensitive)) families << qstring(own->stand_in);
    }
    families << installed_stand_in(wanted.name);
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(wanted.points);
    font.setItalic(wanted.italic);
    font.setWeight(QFont::Normal);
    // The Japanese faces carry almost no hinting of their own, so light hinting
    // would run the auto-hinter, which first surveys their many thousand
    // characters: a tenth of the start-up's work and 1.7 MB of font file read
    // in, for strokes that move by a fraction of a pixel.
    if (wanted.charset == kJapaneseCharset) font.setHintingPreference(QFont::PreferNoHinting);
    const FontFace* face = font_face(wanted.name);
    font.setStyleHint(face && face->kind == FontKind::Serif ? QFont::Serif : QFont::SansSerif);
    return font;
}

}  // namespace af::desktop
