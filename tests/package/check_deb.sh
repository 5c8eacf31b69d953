#!/usr/bin/env bash
# Builds the Debian package from a copy of these sources the way a packager
# does (dpkg-buildpackage -us -uc -b), without its tests, which this run
# makes anyway; then checks its control fields, its file list (both programs
# in /usr/games, every picture, sound and the help page in
# /usr/share/games/belote, manual pages, menu entry, icons, metainfo), that
# no file keeps the build's path, and, when they are installed, what lintian
# and hardening-check say.
# Usage: check_deb.sh <source dir> <scratch dir> <project version>
set -euo pipefail
source=$1 scratch=$2 project_version=$3

source "$(dirname "$0")/../lib/checks.sh"
require_tools dpkg-buildpackage dpkg-checkbuilddeps dpkg-parsechangelog dpkg-deb
if ! missing=$(cd "$source" && dpkg-checkbuilddeps 2>&1); then
  echo "SKIP: $missing"
  exit 77
fi

version=$(dpkg-parsechangelog -l "$source/debian/changelog" -S Version)
[ "$version" = "$project_version" ] ||
  problem "debian/changelog is at version $version, the project at $project_version"

# The files a clean checkout would have: tracked or new, without what git
# ignores (build folders). Outside a git checkout, everything but builds.
rm -rf "$scratch"
tree=$scratch/belote
mkdir -p "$tree"
if git -C "$source" rev-parse --show-toplevel >/dev/null 2>&1; then
  (cd "$source" && git ls-files -z --cached --others --exclude-standard |
    tar --null --files-from=- --ignore-failed-read -cf -) | tar -xf - -C "$tree"
else
  (cd "$source" && tar --exclude=./build --exclude='./obj-*' --exclude=./debian/.debhelper -cf - .) |
    tar -xf - -C "$tree"
fi

# As a packager's clean shell would have it: no compiler flags of this build
# (dh would keep them instead of Debian's), no make of ours around it.
log=$scratch/dpkg-buildpackage.log
if ! (cd "$tree" &&
  env -u CFLAGS -u CXXFLAGS -u CPPFLAGS -u LDFLAGS -u MAKEFLAGS -u MFLAGS -u MAKELEVEL \
    DEB_BUILD_OPTIONS=nocheck dpkg-buildpackage -us -uc -b) >"$log" 2>&1; then
  tail -n 60 "$log"
  echo "FAIL: dpkg-buildpackage could not build the package (whole log: $log)"
  exit 1
fi

arch=$(dpkg --print-architecture)
deb=$scratch/belote_${version}_${arch}.deb
changes=$scratch/belote_${version}_${arch}.changes
if [ ! -f "$deb" ]; then
  ls "$scratch"
  echo "FAIL: no package named $(basename "$deb")"
  exit 1
fi

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = belote ] || problem "Package is '$(field Package)'"
[ "$(field Architecture)" = "$arch" ] || problem "Architecture is '$(field Architecture)'"
[ "$(field Section)" = games ] || problem "Section is '$(field Section)'"
[ -z "$(field Homepage)" ] || problem "Homepage names $(field Homepage), and the game has no site"
depends=", $(field Depends),"
for dep in libqt6widgets6 libqt6gui6 libqt6multimedia6 fonts-liberation \
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good qt6-translations-l10n; do
  [[ "$depends" == *", $dep"[\ ,]* ]] || problem "Depends lacks $dep: $(field Depends)"
done

# "mode owner size date time ./path" -> "mode size path" without the "./".
listing=$(dpkg-deb -c "$deb" | awk '{ sub(/^\.\//, "", $6); print $1, $3, $6 }')
has() {
  local line
  line=$(awk -v p="$1" '$3 == p' <<<"$listing")
  if [ -z "$line" ]; then
    problem "package lacks $1"
  elif [[ "$line" == -* ]] && [ "$(cut -d' ' -f2 <<<"$line")" -eq 0 ]; then
    problem "package holds $1 empty"
  fi
}

for program in belote belote-selfplay; do
  has "usr/games/$program"
  [[ "$(awk -v p="usr/games/$program" '$3 == p { print $1 }' <<<"$listing")" == -rwxr-xr-x ]] ||
    problem "usr/games/$program is not executable by everyone"
  has "usr/share/man/man6/$program.6.gz"
done

data=usr/share/games/belote
# The pictures the table asks for by name: the cards, the empty places and
# the suit signs, then whatever else the package build laid out for the game.
for n in $(seq 1 36) 0 00; do has "$data/Im/$n.Bmp"; done
has "$data/Im/00.bmp"
for sound in sonoui.wav V.Wav C.Wav K.Wav P.Wav T.Wav E.wav; do has "$data/So/$sound"; done
has "$data/Notice01.html"
while IFS= read -r file; do
  has "$data/${file#./}"
done < <(cd "$tree"/obj-*/game && find ./Im ./So -type f)

has usr/share/applications/belote.desktop
for size in 32 64 128; do has "usr/share/icons/hicolor/${size}x${size}/apps/belote.png"; done
has usr/share/metainfo/fr.tabledebelote.belote.metainfo.xml
has usr/share/doc/belote/copyright
has usr/share/doc/belote/changelog.gz

# Nothing outside the game's own places (a test helper or a library
# installed by mistake would land here).
stray=$(awk '$1 !~ /^d/ { print $3 }' <<<"$listing" |
  grep -Ev '^usr/(games/belote(-selfplay)?|share/games/belote/.*|share/applications/belote\.desktop|share/icons/hicolor/[0-9]+x[0-9]+/apps/belote\.png|share/metainfo/fr\.tabledebelote\.belote\.metainfo\.xml|share/doc/belote/(copyright|changelog\.gz)|share/man/man6/belote(-selfplay)?\.6\.gz)$' || true)
[ -z "$stray" ] || problem "unexpected files in the package: $stray"

root=$scratch/root
mkdir -p "$root"
dpkg-deb -x "$deb" "$root"
# A program that still looks for libraries in the build folder would start
# on this machine and fail on any other; a build path anywhere would make
# two builds of one commit differ.
for program in belote belote-selfplay; do
  if command -v readelf >/dev/null && readelf -d "$root/usr/games/$program" | grep -Eq 'R(UN)?PATH'; then
    problem "usr/games/$program keeps a library search path"
  fi
done
if with_path=$(grep -rlF "$tree" "$root"); then
  problem "the build's path $tree is written in: $with_path"
fi

if command -v hardening-check >/dev/null; then
  # Control-flow protection is left out: Debian 12's dpkg-buildflags does
  # not give it.
  for program in belote belote-selfplay; do
    if ! hardening-check --nocfprotection "$root/usr/games/$program"; then
      problem "hardening-check finds usr/games/$program unprotected"
    fi
  done
else
  echo "hardening-check is not installed (devscripts): not run"
fi

if command -v lintian >/dev/null; then
  # The default profile; an error or a warning fails, the notes are shown.
  if ! lintian --fail-on error,warning --info --display-info --pedantic "$changes"; then
    problem "lintian finds an error or a warning"
  fi
else
  echo "lintian is not installed: not run"
fi

[ $fail -eq 0 ] && echo "$(basename "$deb"): fields, $(wc -l <<<"$listing") entries, paths and checkers passed"
exit $fail
