#!/bin/sh
# With no font at all the program still starts, runs and closes with status 0,
# and says once on standard error which font packages it needs.
# Usage: no_fonts.sh PROGRAM (FONTCONFIG_FILE names a configuration without fonts)
set -u
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
"$1" 2>"$errors" >/dev/null
status=$?
said=$(grep -c "Install the packages fonts-ipafont-mincho" "$errors")
echo "exit status $status; the font packages named $said time(s)"
[ "$status" -eq 0 ] && [ "$said" -eq 1 ]
