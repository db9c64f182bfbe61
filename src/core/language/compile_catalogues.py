#!/usr/bin/python3
"""Compiles the translators' catalogues (GNU gettext PO files) into a C++
source of tables the core reads, so that no shell needs gettext when it runs.

    /usr/bin/python3 src/core/language/compile_catalogues.py --out catalogues.cpp po/ja.po po/de.po ...

Each catalogue's tag is its file's name ("pt_BR.po" gives "pt-BR"), in the
order given. A regional catalogue ("es_MX.po") given with its language's
("es.po") holds only the messages that differ: the rest is looked up there. Only messages the program's sources use (by the catalogue's
references) are kept; untranslated and fuzzy ones are left out (the English shows
instead), as gettext does. The Plural-Forms rule becomes a C++ expression,
after a check that it holds nothing but n, numbers, operators, parentheses,
? and :. The same input always gives the same output.
"""

import argparse
import os
import re
import sys

PROG = "compile_catalogues.py"


def fail(message):
    print(f"{PROG}: {message}", file=sys.stderr)
    sys.exit(1)


ESCAPES = {"n": "\n", "t": "\t", "r": "\r", '"': '"', "\\": "\\", "a": "\a", "b": "\b", "f": "\f", "v": "\v"}


def unquote(text, where):
    """The value of one PO string literal, quotes included in `text`."""
    if len(text) < 2 or text[0] != '"' or text[-1] != '"':
        fail(f"{where}: not a quoted string: {text}")
    out, k, body = [], 0, text[1:-1]
    while k < len(body):
        c = body[k]
        if c == "\\" and k + 1 < len(body):
            if body[k + 1] not in ESCAPES:
                fail(f"{where}: unknown escape \\{body[k + 1]}")
            out.append(ESCAPES[body[k + 1]])
            k += 2
        else:
            out.append(c)
            k += 1
    return "".join(out)


def read_po(path):
    """The entries of a PO file: dicts of msgctxt, msgid, msgid_plural,
    msgstr (a list of forms), fuzzy and references (where the sources use it). Obsolete entries (#~) are skipped."""
    try:
        with open(path, encoding="utf-8") as f:
            lines = f.read().splitlines()
    except OSError as e:
        fail(f"cannot read {path}: {e.strerror}")
    except UnicodeDecodeError as e:
        fail(f"{path} is not UTF-8 text: {e}")
    entries = []
    entry, field = None, None  # the entry being read, and the field a string continues

    def begin():
        nonlocal entry, field
        if entry is None or entry["msgstr"]:
            if entry is not None:
                entries.append(entry)
            entry, field = {"msgstr": {}, "fuzzy": False, "references": []}, None

    for number, line in enumerate(lines, 1):
        where = f"{path}:{number}"
        line = line.strip()
        if not line or line.startswith("#~"):
            continue
        if line.startswith("#"):
            begin()  # comments open the next entry
            if line.startswith("#,") and "fuzzy" in line[2:].replace(",", " ").split():
                entry["fuzzy"] = True
            if line.startswith("#:"):
                entry["references"] += line[2:].split()
            continue
        if line.startswith('"'):
            if field is None:
                fail(f"{where}: a string continues nothing")
            if isinstance(field, int):
                entry["msgstr"][field] += unquote(line, where)
            else:
                entry[field] += unquote(line, where)
            continue
        keyword, _, rest = line.partition(" ")
        value = unquote(rest.strip(), where)
        index = re.fullmatch(r"msgstr(?:\[(\d+)\])?", keyword)
        if keyword in ("msgctxt", "msgid"):
            if keyword == "msgctxt" or entry is None or "msgid" in entry:
                begin()
            entry[keyword], field = value, keyword
        elif keyword == "msgid_plural" and entry is not None:
            entry[keyword], field = value, keyword
        elif index and entry is not None and "msgid" in entry:
            field = int(index.group(1) or 0)
            entry["msgstr"][field] = value
        else:
            fail(f"{where}: not a line of a PO file: {line}")
    if entry is not None and "msgid" in entry:
        entries.append(entry)
    for e in entries:
        if "msgid" not in e:
            fail(f"{path}: an entry without msgid")
        e["msgstr"] = [e["msgstr"].get(k, "") for k in range(max(e["msgstr"], default=-1) + 1)]
    return entries


PLURAL_TOKEN = re.compile(r"\s*(?:(n)|(\d+)|(==|!=|<=|>=|&&|\|\||[-+*/%<>!?:()]))")


def plural_rule(header, path):
    """nplurals and the plural expression of a catalogue's header, the
    expression checked to hold only what a C++ expression of n may."""
    match = re.search(r"^Plural-Forms:\s*nplurals\s*=\s*(\d+)\s*;\s*plural\s*=\s*([^;\n]+);?\s*$", header, re.M)
    if not match:
        fail(f"{path}: the header has no Plural-Forms: nplurals=N; plural=EXPRESSION;")
    count, expression = int(match.group(1)), match.group(2).strip()
    k, tokens = 0, []
    while k < len(expression):
        token = PLURAL_TOKEN.match(expression, k)
        if not token or token.end() == k:
            fail(f"{path}: the plural rule holds something other than n, numbers, operators, "
                 f"parentheses, ? and : at \"{expression[k:]}\"")
        tokens.append(token.group().strip())
        k = token.end()
    if count < 1:
        fail(f"{path}: nplurals must be at least 1")
    return count, " ".join(tokens)


def cpp_string(text):
    out = ['"']
    for c in text:
        if c in '"\\':
            out.append("\\" + c)
        elif c == "\n":
            out.append("\\n")
        elif ord(c) < 0x20 or c == "\x7f":
            out.append(f"\\{ord(c):03o}")
        else:
            out.append(c)
    out.append('"')
    return "".join(out)


def tag_of(path):
    return os.path.splitext(os.path.basename(path))[0].replace("_", "-")


def fallback_of(path, paths):
    """The tag of the catalogue a regional one falls back to, or "" for a
    whole catalogue: one whose language has no catalogue of its own among
    those given ("pt-BR", "zh-CN")."""
    tag = tag_of(path)
    language = tag.split("-")[0]
    if language == tag or language not in (tag_of(p) for p in paths):
        return ""
    return language


def compile_catalogue(path, index, sources, fallback=""):
    entries = read_po(path)
    header = next((e for e in entries if e["msgid"] == "" and "msgctxt" not in e), None)
    if header is None:
        fail(f"{path} has no header")
    nplurals, expression = plural_rule(header["msgstr"][0], path)
    messages = []
    for e in entries:
        if e is header or e["fuzzy"] or not e["msgstr"] or not all(e["msgstr"]):
            continue
        # Messages of the launcher and the software-centre data stay out of the program.
        if not any(reference.startswith(sources) for reference in e["references"]):
            continue
        forms = e["msgstr"]
        if "msgid_plural" in e and len(forms) != nplurals:
            fail(f"{path}: \"{e['msgid']}\" has {len(forms)} plural forms where the header says {nplurals}")
        context = e.get("msgctxt", "")
        messages.append((context.encode(), e["msgid"].encode(), context, e["msgid"], forms))
    messages.sort()
    for a, b in zip(messages, messages[1:]):
        if a[:2] == b[:2]:
            fail(f"{path}: \"{a[3]}\" stands twice")
    name = f"k{index}"
    lines = [f"// {tag_of(path)}: {os.path.basename(path)}",
             f"unsigned long plural_{index}(unsigned long n) {{ return static_cast<unsigned long>({expression}); }}",
             f"constexpr std::string_view {name}_forms[] = {{"]
    first, at = [], 0
    for *_, forms in messages:
        first.append(at)
        at += len(forms)
        lines += [f"    {cpp_string(form)}," for form in forms]
    lines.append("};")
    lines.append(f"constexpr CompiledMessage {name}_messages[] = {{")
    for (_, _, context, msgid, forms), at in zip(messages, first):
        lines.append(f"    {{{cpp_string(context)}, {cpp_string(msgid)}, {at}, {len(forms)}}},")
    lines.append("};")
    catalogue = (f"    {{{cpp_string(tag_of(path))}, {nplurals}, plural_{index}, {name}_messages, {name}_forms, "
                 f"{cpp_string(fallback)}}},")
    return "\n".join(lines), catalogue


def main():
    parser = argparse.ArgumentParser(prog=PROG, description=__doc__.split("\n\n")[0])
    parser.add_argument("--out", required=True, help="the C++ source to write")
    parser.add_argument("--sources", default="src/", help="keep the messages used in files under this folder")
    parser.add_argument("--function", default="compiled_catalogues",
                        help="the name of the function that gives the catalogues")
    parser.add_argument("catalogues", nargs="*", help="PO files, one per language")
    args = parser.parse_args()

    tables, rows = [], []
    for index, path in enumerate(args.catalogues):
        table, row = compile_catalogue(path, index, args.sources, fallback_of(path, args.catalogues))
        tables.append(table)
        rows.append(row)
    source = "\n".join([
        f"// Written by {PROG} from the translators' catalogues; edit those instead.",
        "#include \"core/language/catalogue.h\"",
        "",
        "namespace af {",
        "",
        "namespace {",
        "",
        "// Plural rules may compare unsigned n with numbers and give bools.",
        "#pragma GCC diagnostic ignored \"-Wparentheses\"",
        "#pragma GCC diagnostic ignored \"-Wsign-compare\"",
        "#pragma GCC diagnostic ignored \"-Wunused-parameter\"",
        "",
        "\n\n".join(tables),
        "",
        *(["constexpr CompiledCatalogue kCatalogues[] = {", *rows, "};", ""] if rows else []),
        "}  // namespace",
        "",
        f"std::span<const CompiledCatalogue> {args.function}() {{",
        "    return kCatalogues;" if rows else "    return {};",
        "}",
        "",
        "}  // namespace af",
        "",
    ])
    directory = os.path.dirname(os.path.abspath(args.out))
    os.makedirs(directory, exist_ok=True)
    temporary = f"{args.out}.tmp{os.getpid()}"
    with open(temporary, "w", encoding="utf-8") as f:
        f.write(source)
    os.replace(temporary, args.out)


if __name__ == "__main__":
    main()
