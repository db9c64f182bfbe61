#!/usr/bin/python3
"""Writes the page's fonts: one @font-face rule per font the layout names, each
a small subset of a free stand-in font, embedded as a WOFF2 data URL, and the
licence texts of those fonts.

    /usr/bin/python3 src/shells/page/build/fonts/embed_fonts.py --faces FACES.tsv --text CHARS.txt \
        --css OUT.css --licences OUT_LICENCES.txt

CHARS.txt holds every character the captions can show, one language a line
(its tag, a tab, its characters). FACES.tsv is the core's font table (the
layout's fonts, their stand-ins and the faces of languages in other scripts,
which the desktop uses too). A language's own face keeps the characters of
its language beyond the Latin letters; a stand-in of the layout keeps every
language's characters but those its own faces set. Needs Debian's python3-fonttools and
python3-brotli, and the font packages the table names. The same input always gives byte-identical output.
"""

import argparse
import base64
import io
import os
import sys
import unicodedata
from dataclasses import dataclass, replace

PROG = "embed_fonts.py"


def fail(message):
    print(f"{PROG}: {message}", file=sys.stderr)
    sys.exit(1)


try:
    from fontTools import subset
    from fontTools.ttLib import TTFont
except ImportError:
    fail("fontTools is missing: install the Debian package python3-fonttools "
         "and run this with /usr/bin/python3")
try:
    import brotli  # noqa: F401  (WOFF2 compression; fontTools imports it lazily)
except ImportError:
    fail("brotli is missing: install the Debian package python3-brotli "
         "and run this with /usr/bin/python3")


@dataclass(frozen=True)
class Face:
    family: str      # the family the page names it by: the layout's own font
                     # name, or a language's face's own
    style: str       # CSS font-style
    file: str        # the stand-in, as the core's font table names it
    package: str     # the Debian package that installs it
    stand_in: str    # the stand-in's own family name, for the licence headings
    licence: str
    new_name: str    # the subset's internal name: the licences ask a modified
                     # font not to carry the original's name
    layout_names: tuple  # the layout's fonts it sets
    language: str    # the language it is a face of, or "" for a stand-in


IPA_LICENCE = "IPA Font License Agreement v1.0"
OFL = "SIL Open Font License, Version 1.1"
# The licence each stand-in's package puts its fonts under.
LICENCES = {
    "fonts-ipafont-mincho": IPA_LICENCE,
    "fonts-ipafont-gothic": IPA_LICENCE,
    "fonts-liberation2": OFL,
    "fonts-arphic-uming": "Arphic Public License",
    "fonts-wqy-microhei": "Apache License, Version 2.0 (or GPL 3 or later with a font exception)",
    "fonts-nanum": OFL,
    "fonts-noto-ui-core": OFL,
}
# The layout features a script needs to be set at all: Arabic letters take
# their joining forms and ligatures, and marks their places.
SHAPING_FEATURES = ["ccmp", "locl", "isol", "init", "medi", "fina", "rlig", "liga", "calt", "mark", "mkmk"]
# Latin letters and their marks: a language's own face leaves them to the stand-in.
LATIN_END = 0x2FF


def subset_name(stand_in):
    """The subset's own name, the stand-in's without its maker's prefix."""
    for prefix in ("IPA", "Liberation "):
        if stand_in.startswith(prefix):
            return "AF Caption " + stand_in[len(prefix):]
    return "AF Caption " + stand_in


def read_faces(path):
    """The core's font table: layout name, style, stand-in, file, package,
    language ("-" for none) and the family in the page; a face that sets
    several of the layout's fonts is one face here."""
    faces = {}
    try:
        with open(path, encoding="utf-8") as f:
            lines = [line.rstrip("\n") for line in f if line.strip()]
    except OSError as e:
        fail(f"cannot read the font table {path}: {e.strerror}")
    for line in lines:
        fields = line.split("\t")
        if len(fields) != 7:
            fail(f"{path}: not a line of seven tab-separated fields: {line!r}")
        layout_name, style, stand_in, file, package, language, family = fields
        language = "" if language == "-" else language
        if package not in LICENCES:
            fail(f"{path}: no licence is known for the package {package}")
        shown = stand_in + (" Italic" if style == "italic" else "")
        key = (family, style)
        if key in faces:
            if faces[key].file != file:
                fail(f"{path}: the page's family {family} stands for two files")
            faces[key] = replace(faces[key], layout_names=faces[key].layout_names + (layout_name,))
            continue
        new_name = family if language else subset_name(stand_in)
        faces[key] = Face(family, style, file, package, shown, LICENCES[package], new_name, (layout_name,), language)
    if not faces:
        fail(f"{path} names no font")
    return list(faces.values())


# Name records kept as they are: copyright, style, version, licence and its
# address. Family, full, unique and PostScript names are replaced.
KEPT_NAME_IDS = [0, 2, 5, 13, 14]


def read_chars(path):
    """The characters of each language's captions, by its tag."""
    try:
        with open(path, "rb") as f:
            text = f.read().decode("utf-8")
    except OSError as e:
        fail(f"cannot read the character list {path}: {e.strerror}")
    except UnicodeDecodeError as e:
        fail(f"{path} is not UTF-8 text: {e}")
    if text.startswith("\ufeff"):
        text = text[1:]
    by_language = {}
    for line in text.split("\n"):
        if not line:
            continue
        tag, tab, characters = line.partition("\t")
        if not tab or not tag:
            fail(f"{path}: not a language's tag, a tab and its characters: {line!r}")
        by_language[tag] = {ord(c) for c in characters} | {ord(" ")}
    if not by_language:
        fail(f"{path} holds no language")
    return by_language


def face_codepoints(face, faces, by_language):
    """What a face keeps: a language's face, its language's characters past
    the Latin ones; a stand-in, every language's characters but those of a
    language with its own face for one of the layout fonts it sets."""
    if face.language:
        return sorted(c for tag, chars in by_language.items() if tag == face.language
                      or tag.startswith(face.language + "-") for c in chars if c > LATIN_END)
    kept = set()
    for tag, chars in by_language.items():
        own = any(other.language and (tag == other.language or tag.startswith(other.language + "-"))
                  and set(other.layout_names) & set(face.layout_names) for other in faces)
        kept |= {c for c in chars if c <= LATIN_END} if own else chars
    return sorted(kept)


def check_installed(faces):
    for face in faces:
        if not os.path.isfile(face.file):
            fail(f"the font file {face.file} ({face.stand_in}) is missing: "
                 f"install the Debian package {face.package}")


def subset_options(face):
    options = subset.Options()
    options.flavor = "woff2"
    # The captions are set horizontally at a few sizes: no hinting, and of the
    # layout features only kerning, which the desktop window applies too, and
    # in a language's own face what its script needs.
    options.hinting = False
    options.layout_features = ["kern"] + (SHAPING_FEATURES if face.language else [])
    options.legacy_kern = False
    options.drop_tables += ["gasp", "vhea", "vmtx", "VORG", "FFTM"]
    options.name_IDs = KEPT_NAME_IDS
    options.name_languages = [0x0409]
    options.name_legacy = False
    options.glyph_names = False
    options.notdef_outline = False
    return options


def rename(font, face):
    name = font["name"]
    style = "Italic" if face.style == "italic" else "Regular"
    full = face.new_name if style == "Regular" else f"{face.new_name} {style}"
    postscript = f"{face.new_name.replace(' ', '')}-{style}"
    for name_id, value in [(1, face.new_name), (3, f"{full} (subset)"), (4, full),
                           (6, postscript)]:
        name.setName(value, name_id, 3, 1, 0x0409)


def make_face(face, codepoints, options):
    # The stored modification time stays as the font file has it, so that the
    # output does not depend on when it was made.
    font = TTFont(face.file, recalcTimestamp=False, fontNumber=0)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=codepoints)
    subsetter.subset(font)
    rename(font, face)
    font.flavor = "woff2"
    buffer = io.BytesIO()
    font.save(buffer, reorderTables=False)
    font.close()
    # What the written face maps, read back from it.
    with TTFont(io.BytesIO(buffer.getvalue())) as written:
        kept = set(written.getBestCmap())
    return buffer.getvalue(), kept


def css_rule(face, woff2):
    data = base64.b64encode(woff2).decode("ascii")
    return (
        "@font-face {\n"
        f'  font-family: "{face.family}";\n'
        f"  font-style: {face.style};\n"
        "  font-weight: 400;\n"
        "  font-display: block;\n"
        f'  src: url(data:font/woff2;base64,{data}) format("woff2");\n'
        "}\n"
    )


def licence_files(package):
    """The package's copyright file and any licence files it installs."""
    doc = f"/usr/share/doc/{package}"
    copyright_file = f"{doc}/copyright"
    if not os.path.isfile(copyright_file):
        fail(f"{copyright_file} is missing: install the Debian package {package}")
    files = [copyright_file]
    for entry in sorted(os.listdir(doc)):
        lower = entry.lower()
        if os.path.isfile(f"{doc}/{entry}") and any(word in lower for word in ("licen", "copying", "ofl")):
            files.append(f"{doc}/{entry}")
    return files


def licences_text(faces):
    # Packages whose licence files are the same are shown once, under one
    # heading that names them all.
    sections = []  # (texts, faces, paths per text)
    for face in faces:
        paths = licence_files(face.package)
        texts = []
        for path in paths:
            with open(path, "rb") as f:
                texts.append(f.read().decode("utf-8", errors="replace"))
        for section_texts, section_faces, section_paths in sections:
            if section_texts == texts:
                section_faces.append(face)
                for known, path in zip(section_paths, paths):
                    if path not in known:
                        known.append(path)
                break
        else:
            sections.append((texts, [face], [[path] for path in paths]))

    out = [
        "Fonts embedded in this page\n",
        "===========================\n\n",
        "The page carries subsets of the following fonts: each holds only the\n",
        "characters the window's captions and numbers show, has no hinting and\n",
        "has been given a name of its own. The complete, original fonts are in\n",
        "the Debian packages named below, under the licences that follow.\n\n",
    ]
    for face in faces:
        shown_for = ", ".join(f'"{name}"' for name in face.layout_names) + (" italic" if face.style == "italic" else "")
        if face.language:
            shown_for += f" in {face.language}"
        out.append(f"  {face.stand_in:<24} {os.path.basename(face.file):<30} "
                   f"{face.package:<21} for {shown_for}\n")
    for texts, covered, paths in sections:
        fonts = ", ".join(dict.fromkeys(face.stand_in for face in covered))
        packages = list(dict.fromkeys(face.package for face in covered))
        licence = covered[0].licence
        for text, same_texts in zip(texts, paths):
            out.append("\n\n" + "=" * 78 + "\n")
            out.append(f"{fonts}: {licence}\n")
            out.append(f"Debian package{'s' if len(packages) > 1 else ''} "
                       f"{', '.join(packages)}: {same_texts[0]}"
                       + "".join(f" (the same as {path})" for path in same_texts[1:]) + "\n")
            out.append("=" * 78 + "\n\n")
            out.append(text if text.endswith("\n") else text + "\n")
    return "".join(out)


def write_atomically(path, data):
    directory = os.path.dirname(os.path.abspath(path))
    os.makedirs(directory, exist_ok=True)
    temporary = f"{path}.tmp{os.getpid()}"
    with open(temporary, "wb") as f:
        f.write(data)
    os.replace(temporary, path)


def main():
    parser = argparse.ArgumentParser(prog=PROG, description=__doc__.split("\n\n")[0])
    parser.add_argument("--faces", required=True, help="the core's font table (tab-separated)")
    parser.add_argument("--text", required=True, help="UTF-8 file of the characters to keep")
    parser.add_argument("--css", required=True, help="the @font-face rules to write")
    parser.add_argument("--licences", required=True, help="the licence texts to write")
    args = parser.parse_args()

    faces = read_faces(args.faces)
    by_language = read_chars(args.text)
    check_installed(faces)
    licences = licences_text(faces).encode("utf-8")  # before writing anything

    rules = ["/* The layout's fonts: subsets of free stand-ins, written by "
             "src/shells/page/build/fonts/embed_fonts.py.\n   Their licences are in the licence "
             "file beside the page. */\n"]
    covered = {}  # by language, what its faces have
    for face in faces:
        codepoints = face_codepoints(face, faces, by_language)
        woff2, kept = make_face(face, codepoints, subset_options(face))
        for tag in by_language:
            if not face.language or tag == face.language or tag.startswith(face.language + "-"):
                covered.setdefault(tag, set()).update(kept)
        rules.append(css_rule(face, woff2))
        print(f"{PROG}: {face.family} {face.style}: {face.stand_in}, {len(kept)} characters, "
              f"{len(woff2)} bytes of WOFF2", file=sys.stderr)

    # A character no face has falls back to whatever font the browser finds.
    for tag, chars in sorted(by_language.items()):
        missing = sorted(c for c in chars if c not in covered.get(tag, set()) and unicodedata.category(chr(c)) != "Cc")
        if missing:
            listed = " ".join(f"U+{c:04X}({chr(c)})" for c in missing)
            print(f"{PROG}: warning: no embedded font of {tag} has {listed}", file=sys.stderr)

    css = "\n".join(rules).encode("utf-8")
    write_atomically(args.css, css)
    write_atomically(args.licences, licences)
    print(f"{PROG}: wrote {args.css} ({len(css)} bytes) and {args.licences}", file=sys.stderr)


if __name__ == "__main__":
    main()
