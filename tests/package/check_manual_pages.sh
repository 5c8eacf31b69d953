#!/usr/bin/env bash
# The manual pages: man formats both without a warning, and the page of
# belote-selfplay names every option the program knows and no other.
# Usage: check_manual_pages.sh <folder of belote.6 and belote-selfplay.6> <belote-selfplay>
set -euo pipefail
pages=$1 selfplay=$2

source "$(dirname "$0")/../lib/checks.sh"
require_tools man

for page in belote.6 belote-selfplay.6; do
  # man writes groff's warnings on its standard error; the page itself is
  # not wanted here.
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$pages/$page" 2>&1 >/dev/null) ||
    problem "man could not format $page"
  [ -z "$warnings" ] || problem "man --warnings on $page: $warnings"
done

# The long options, as the program's help lists them and as the page
# sets them in bold (\-\-name).
known=$("$selfplay" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)
documented=$(grep -o -- '\\-\\-[a-z][a-z\\-]*' "$pages/belote-selfplay.6" | sed 's/\\//g' | sort -u)
missing=$(comm -23 <(echo "$known") <(echo "$documented"))
unknown=$(comm -13 <(echo "$known") <(echo "$documented"))
[ -z "$missing" ] || problem "belote-selfplay.6 does not describe:" $missing
[ -z "$unknown" ] || problem "belote-selfplay.6 describes options the program lacks:" $unknown

[ $fail -eq 0 ] && echo "both manual pages format cleanly; belote-selfplay.6 covers its $(wc -l <<<"$known") options"
exit $fail
