#!/usr/bin/python3
"""Writes two catalogues made from the English, for tests of the layout alone
(neither is ever shipped):

  en_XA.po  every message half as long again, its letters accented and
            between « and », so that a caption cut at either end shows;
  en_XB.po  every message written right to left: its words' letters in a
            right-to-left override, its placeholders, digits and signs as
            they are, and the text direction "rtl".

    pseudo_languages.py --out DIR po/de.po po/ja.po ...

The messages are those of the catalogues given (each complete, so together
the template's), read with the catalogue compiler's reader.
"""

import argparse
import importlib.util
import math
import os
import re

ACCENTED = str.maketrans("AaCcEeIiNnOoUuYy", "ÅåÇçÉéÎîÑñÖöÛûÝý")
# Kept as written: placeholders, and a file dialog's pattern.
KEPT = re.compile(r"\{[a-z_0-9]+\}|\(\*\.[a-z]+\)")
WORD = re.compile(r"[A-Za-z]+")
RIGHT_TO_LEFT_OVERRIDE, POP = "\u202e", "\u202c"
# Messages about how numbers and texts are written, not words.
UNCHANGED_CONTEXTS = {"number", "text direction"}


def load_reader(path):
    found = importlib.util.spec_from_file_location("compile_catalogues", path)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module.read_po


def pieces(text):
    """(kept, piece) pairs: placeholders kept, the text between them not."""
    at = 0
    for match in KEPT.finditer(text):
        if match.start() > at:
            yield False, text[at:match.start()]
        yield True, match.group()
        at = match.end()
    if at < len(text):
        yield False, text[at:]


def lengthened(text):
    """Half as long again: accented, between guillemets, padded with its own
    letters. (Square brackets reach the fonts' ascent, which a label at a
    tiny zoom rounds its baseline into by a fraction of a pixel.)"""
    accented = "".join(piece if kept else piece.translate(ACCENTED) for kept, piece in pieces(text))
    letters = "".join(piece.translate(ACCENTED) for kept, piece in pieces(text) if not kept).strip() or "~"
    # A placeholder counts as the few characters it is filled with ("0.5").
    length = sum(3 if kept else len(piece) for kept, piece in pieces(text))
    missing = max(0, math.ceil(length * 1.5) - length - 2)
    padding = (letters * (missing // len(letters) + 1))[:missing]
    return f"«{accented}{padding}»"


def right_to_left(text):
    return "".join(piece if kept else WORD.sub(lambda w: RIGHT_TO_LEFT_OVERRIDE + w.group() + POP, piece)
                   for kept, piece in pieces(text))


def quoted(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n") + '"'


def catalogue(messages, tag, change, direction):
    out = ["# Made for tests from the English; never shipped.", 'msgid ""', 'msgstr ""',
           quoted(f"Language: {tag}\n"), quoted("MIME-Version: 1.0\n"),
           quoted("Content-Type: text/plain; charset=UTF-8\n"), quoted("Content-Transfer-Encoding: 8bit\n"),
           quoted("Plural-Forms: nplurals=2; plural=(n != 1);\n"), ""]
    for (context, msgid, plural), references in sorted(messages.items()):
        out.append(f"#: {' '.join(references)}")
        if context:
            out.append(f"msgctxt {quoted(context)}")
        out.append(f"msgid {quoted(msgid)}")
        if context == "text direction":
            translations = [direction]
        elif context in UNCHANGED_CONTEXTS:
            translations = [msgid]
        else:
            translations = [change(msgid)] + ([change(plural)] if plural is not None else [])
        if plural is None:
            out.append(f"msgstr {quoted(translations[0])}")
        else:
            out.append(f"msgid_plural {quoted(plural)}")
            out += [f"msgstr[{k}] {quoted(t)}" for k, t in enumerate(translations * (2 // len(translations)))]
        out.append("")
    return "\n".join(out)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", required=True, help="the folder to write en_XA.po and en_XB.po into")
    parser.add_argument("--reader", default=os.path.join(os.path.dirname(__file__), "../../../src/core/language/compile_catalogues.py"))
    parser.add_argument("catalogues", nargs="+")
    args = parser.parse_args()
    read_po = load_reader(args.reader)
    messages = {}
    for path in args.catalogues:
        for e in read_po(path):
            if e["msgid"]:
                key = (e.get("msgctxt", ""), e["msgid"], e.get("msgid_plural"))
                messages.setdefault(key, set()).update(e["references"])
    messages = {key: sorted(refs) for key, refs in messages.items()}
    os.makedirs(args.out, exist_ok=True)
    for name, change, direction in [("en_XA", lengthened, "ltr"), ("en_XB", right_to_left, "rtl")]:
        text = catalogue(messages, name.replace("_", "-"), change, direction)
        path = os.path.join(args.out, f"{name}.po")
        with open(f"{path}.tmp", "w", encoding="utf-8") as f:
            f.write(text + "\n")
        os.replace(f"{path}.tmp", path)


if __name__ == "__main__":
    main()
