#!/usr/bin/env bash
# The menu entry and the software centre description: both pass their
# validators, and they agree with each other and with what is installed
# (program name, icon name, desktop file name, version).
# Usage: check_desktop_files.sh <belote.desktop> <metainfo.xml> <version>
set -euo pipefail
desktop=$1 metainfo=$2 version=$3

source "$(dirname "$0")/../lib/checks.sh"
require_tools desktop-file-validate appstreamcli

# desktop-file-validate exits 0 on warnings; a warning still means some
# desktop would show the entry wrongly, so any warning or error fails.
out=$(desktop-file-validate "$desktop" 2>&1) || problem "desktop-file-validate failed"
if grep -Eq 'error|warning' <<<"$out"; then problem "desktop-file-validate: $out"; fi

appstreamcli validate --no-net "$metainfo" || problem "appstreamcli validate failed"

key() { sed -n "s/^$1=//p" "$desktop" | head -n1; }
[ "$(key Exec | cut -d' ' -f1)" = belote ] || problem "Exec= does not start the installed program 'belote'"
[ "$(key Icon)" = belote ] || problem "Icon= is not 'belote', the name the icons are installed under"
[[ ";$(key Categories)" == *";Game;"* && ";$(key Categories)" == *";CardGame;"* ]] ||
  problem "Categories= lacks Game;CardGame;"
[ -n "$(key Name)" ] && [ -n "$(key Comment)" ] || problem "Name= or Comment= is empty"

launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
[ "$launchable" = "$(basename "$desktop")" ] ||
  problem "metainfo launches '$launchable', the desktop file is '$(basename "$desktop")'"
grep -q "<release version=\"$version\"" "$metainfo" ||
  problem "metainfo has no release for version $version"
id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
[ "$id" = "$(tr '[:upper:]' '[:lower:]' <<<"$id")" ] || problem "metainfo id '$id' has capitals"
[ "$(basename "$metainfo")" = "$id.metainfo.xml" ] ||
  problem "metainfo file '$(basename "$metainfo")' is not named after its id '$id'"
grep -q '<binary>belote</binary>' "$metainfo" || problem "metainfo does not provide the binary belote"

[ $fail -eq 0 ] && echo "desktop entry and metainfo are valid and agree"
exit $fail
