#!/usr/bin/python3
"""The translators' catalogues are complete and well formed: gettext's own
check passes with no untranslated and no fuzzy message, every message of the
template is in each, and every placeholder of a message is kept in each of
its translations. The plural rules the build compiles are checked too.

    catalogues_test.py --compiler src/core/language/compile_catalogues.py --pot TEMPLATE.pot po/*.po
"""

import argparse
import importlib.util
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


def check(catalogue, pot, compiler):
    problems = []
    run = subprocess.run(["msgfmt", "--check", "--statistics", "-o", "/dev/null", catalogue],
                         capture_output=True, text=True)
    said = run.stderr.strip()
    if run.returncode != 0 or not re.fullmatch(r"\d+ translated messages?\.", said):
        problems.append(f"msgfmt: {said}")
    # Every message of the template has a translation here.
    run = subprocess.run(["msgcmp", "--use-untranslated", catalogue, pot], capture_output=True, text=True)
    if run.returncode != 0:
        problems.append(f"msgcmp against the template: {run.stderr.strip()}")
    for entry in compiler.read_po(catalogue):
        if not entry["msgid"]:
            continue
        wanted = placeholders(entry["msgid"])
        for form, text in enumerate(entry["msgstr"]):
            if placeholders(text) != wanted:
                problems.append(f"\"{entry['msgid']}\" form {form}: {placeholders(text)} where the English has {wanted}")
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
    for catalogue in args.catalogues:
        problems = check(catalogue, args.pot, compiler)
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
