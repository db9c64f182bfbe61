// Prints the caption fonts and their stand-ins, one face a line, tab
// separated: the layout's name, "italic" or "normal", the stand-in's family,
// its file, its Debian package, the language it is a face of (or "-" for a
// stand-in of the layout) and the family it is embedded under in the page.
// The font subsetter reads them.
#include <cstdio>
#include <string>

#include "core/model/font_faces.h"

int main() {
    for (const af::FontFace& face : af::font_faces()) {
        const std::string line = std::string(face.layout_name) + '\t' + (face.italic ? "italic" : "normal") + '\t' +
                                 std::string(face.stand_in) + '\t' + std::string(face.file) + '\t' +
                                 std::string(face.package) + '\t' +
                                 (face.language.empty() ? std::string("-") : std::string(face.language)) + '\t' +
                                 af::page_family(face) + '\n';
        std::fputs(line.c_str(), stdout);
    }
    return 0;
}
