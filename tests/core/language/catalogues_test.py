#!/usr/bin/python3
"""The translators' catalogues are complete and well formed: gettext's own
check passes with no untranslated and no fuzzy message, every message of the
template is in each (a regional catalogue, es_MX beside es, holds only
messages of the template), and every placeholder of a message is kept in
each of its translations, but in a plural form that a rule with a dual
gives one count alone ("دورتان" says two), which may leave that count out.
The messages that say how numbers and texts are written say something the
program can use. The plural rules the build compiles are checked too.

    catalogues_test.py --compiler src/core/language/compile_catalogues.py --pot TEMPLATE.pot po/*.po
"""

import argparse
import gettext
import importlib.util
import os
import re
import subprocess
import sys
import tempfile

PLACEHOLDER = re.compile(r"\{[a-z_0-9]+\}")


def load(path):
    found = importlib.util.spec_from_file_location("compile_catalogues", path)
    module = importlib.util.module_from_spec(found)
    found.loader.exec_module(module)
    return module


def placeholders(text):
    return sorted(PLACEHOLDER.findall(text))


def forms_of_one_count(header):
    """The plural forms that the catalogue's rule gives to a single count,
    where it has such forms besides the singular's (a dual, as Arabic has):
    their noun says the number. In a language with a singular alone, a form
    without its count would say "period" for "one period"."""
    match = re.search(r"plural\s*=\s*([^;\n]+)", header)
    rule = gettext.c2py(match.group(1)) if match else (lambda n: 0)
    counts = {}
    for n in range(100000):
        counts.setdefault(rule(n), []).append(n)
    single = {form for form, ns in counts.items() if len(ns) == 1}
    return single if len(single) > 1 else set()


# What the messages about writing numbers and texts may say.
WRITING = {
    ("text direction", "ltr"): lambda t: t in ("ltr", "rtl"),
    ("number", "0123456789"): lambda t: len(t) == 10 and all(c.isdigit() for c in t)
    and [int(c) for c in t] == list(range(10)),
    ("number", "."): lambda t: len(t) == 1 and not t.isalnum(),
    ("spoken number", "."): lambda t: len(t) == 1 and not t.isalnum(),
    ("number", "1,000"): lambda t: len(t) >= 4 and t[0].isdigit() and t[-3:].isdigit() and not any(
        c.isdigit() for c in t[1:-3]),
}


def check(catalogue, pot, compiler, regional):
    problems = []
    run = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "/dev/null", catalogue],
                         capture_output=True, text=True)
    said = run.stderr.strip()
    if run.returncode != 0 or not re.fullmatch(r"\d+ translated messages?\.", said):
        problems.append(f"msgfmt: {said}")
    entries = compiler.read_po(catalogue)
    if regional:
        # What it translates is in the template; the rest is its language's.
        known = {(e.get("msgctxt", ""), e["msgid"]) for e in compiler.read_po(pot)}
        problems += [f"\"{e['msgid']}\" is not in the template" for e in entries
                     if e["msgid"] and (e.get("msgctxt", ""), e["msgid"]) not in known]
    else:
        # Every message of the template has a translation here.
        run = subprocess.run(["msgcmp", "--use-untranslated", catalogue, pot], capture_output=True, text=True)
        if run.returncode != 0:
            problems.append(f"msgcmp against the template: {run.stderr.strip()}")
    header = next((e["msgstr"][0] for e in entries if not e["msgid"]), "")
    single = forms_of_one_count(header)
    for entry in entries:
        if not entry["msgid"]:
            continue
        wanted = placeholders(entry["msgid"])
        for form, text in enumerate(entry["msgstr"]):
            have = placeholders(text)
            left_out = [p for p in wanted if p not in have]
            if have == wanted or ("msgid_plural" in entry and form in single and len(left_out) == 1
                                  and len(have) == len(wanted) - 1):
                continue
            problems.append(f"\"{entry['msgid']}\" form {form}: {have} where the English has {wanted}")
        writing = WRITING.get((entry.get("msgctxt", ""), entry["msgid"]))
        if writing and not writing(entry["msgstr"][0]):
            problems.append(f"\"{entry['msgid']}\" ({entry.get('msgctxt')}) cannot be \"{entry['msgstr'][0]}\"")
    return problems


def rules_checked(compiler):
    """A rule holding anything but n, numbers, operators, parentheses, ? and :
    is refused; the usual rules pass."""
    problems = []
    for rule, good in [("nplurals=2; plural=(n != 1);", True),
                       ("nplurals=3; plural=(n%10==1 && n%100!=11 ? 0 : n%10>=2 && n%10<=4 && (n%100<10 || n%100>=20) ? 1 : 2);", True),
                       ("nplurals=1; plural=0;", True),
                       ("nplurals=2; plural=system(\"rm\");", False),
                       ("nplurals=2; plural=n, 1;", False),
                       ("nplurals=2; plural=(n != 1) ; int x;", False)]:
        try:
            compiler.plural_rule(f"Plural-Forms: {rule}\n", "test")
            refused = False
        except SystemExit:
            refused = True
        if refused == good:
            problems.append(f"the rule {rule!r} was {'refused' if refused else 'taken'}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--compiler", required=True)
    parser.add_argument("--pot", required=True)
    parser.add_argument("catalogues", nargs="+")
    args = parser.parse_args()
    compiler = load(args.compiler)
    failed = False
    tags = {os.path.splitext(os.path.basename(c))[0] for c in args.catalogues}
    for catalogue in args.catalogues:
        tag = os.path.splitext(os.path.basename(catalogue))[0]
        regional = "_" in tag and tag.split("_")[0] in tags
        problems = check(catalogue, args.pot, compiler, regional)
        for problem in problems:
            print(f"{catalogue}: {problem}")
        failed |= bool(problems)
        if not problems:
            print(f"{catalogue}: complete")
    with tempfile.TemporaryFile() as quiet:
        sys.stderr.flush()
        saved = sys.stderr
        sys.stderr = open(quiet.fileno(), "w", closefd=False)
        try:
            problems = rules_checked(compiler)
        finally:
            sys.stderr = saved
    for problem in problems:
        print(problem)
    failed |= bool(problems)
    sys.exit(1 if failed else 0)


if __name__ == "__main__":
    main()
