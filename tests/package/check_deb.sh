#!/usr/bin/env bash
# Builds the Debian package from a finished build into a scratch folder and
# checks its control fields and its file list: both programs, every picture,
# sound and the help page, the menu entry, the icons and the metainfo.
# Usage: check_deb.sh <build dir> <scratch dir> <version>
set -euo pipefail
build=$1 scratch=$2 version=$3

for tool in cpack dpkg dpkg-deb; do
  if ! command -v "$tool" >/dev/null; then
    echo "SKIP: $tool is not installed"
    exit 77
  fi
done

rm -rf "$scratch"
mkdir -p "$scratch"
if ! cpack --config "$build/CPackConfig.cmake" -G DEB -B "$scratch" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  echo "FAIL: cpack could not build the package"
  exit 1
fi

arch=$(dpkg --print-architecture)
deb=$scratch/belote_${version}_${arch}.deb
if [ ! -f "$deb" ]; then
  ls "$scratch"
  echo "FAIL: no package named $(basename "$deb")"
  exit 1
fi

fail=0
problem() { echo "FAIL: $*"; fail=1; }

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = belote ] || problem "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || problem "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || problem "Architecture is '$(field Architecture)'"
[ "$(field Section)" = games ] || problem "Section is '$(field Section)'"
[[ "$(field Maintainer)" == *"<"*@*">"* ]] || problem "Maintainer '$(field Maintainer)' has no address"
description=$(field Description)
[ "$(wc -l <<<"$description")" -ge 3 ] || problem "Description has no long text: $description"
[ "$(head -n1 <<<"$description" | wc -c)" -le 81 ] || problem "Description's first line is too long"
depends=", $(field Depends),"
for dep in libqt6widgets6 libqt6gui6 libqt6multimedia6 fonts-liberation \
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good qt6-translations-l10n; do
  [[ "$depends" == *", $dep"[\ ,]* ]] || problem "Depends lacks $dep: $(field Depends)"
done
recommends=", $(field Recommends),"
for dep in xdg-utils qt6-wayland; do
  [[ "$recommends" == *", $dep"[\ ,]* ]] || problem "Recommends lacks $dep: $(field Recommends)"
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
  has "usr/bin/$program"
  [[ "$(awk -v p="usr/bin/$program" '$3 == p { print $1 }' <<<"$listing")" == -rwxr-xr-x ]] ||
    problem "usr/bin/$program is not executable by everyone"
done

data=usr/share/belote
# The pictures the table asks for by name: the cards, the empty places and
# the suit signs.
for n in $(seq 1 36) 0 00; do has "$data/Im/$n.Bmp"; done
has "$data/Im/00.bmp"
for sound in sonoui.wav V.Wav C.Wav K.Wav P.Wav T.Wav E.wav; do has "$data/So/$sound"; done
has "$data/Notice01.html"
# And whatever else the build laid out for the game, such as the table's
# own button pictures.
while IFS= read -r file; do
  has "$data/${file#./}"
done < <(cd "$build/game" && find ./Im ./So -type f)

has usr/share/applications/belote.desktop
for size in 32 64 128; do has "usr/share/icons/hicolor/${size}x${size}/apps/belote.png"; done
has usr/share/metainfo/fr.tabledebelote.belote.metainfo.xml

# Nothing outside the game's own places (a test helper or a library
# installed by mistake would land here).
stray=$(awk '$1 !~ /^d/ { print $3 }' <<<"$listing" |
  grep -Ev '^usr/(bin/belote(-selfplay)?|share/belote/.*|share/applications/belote\.desktop|share/icons/hicolor/[0-9]+x[0-9]+/apps/belote\.png|share/metainfo/fr\.tabledebelote\.belote\.metainfo\.xml|share/doc/belote/.*|share/man/.*/belote.*)$' || true)
[ -z "$stray" ] || problem "unexpected files in the package: $stray"

# A program that still looks for libraries in the build folder would start
# on this machine and fail on any other.
mkdir -p "$scratch/root"
dpkg-deb -x "$deb" "$scratch/root"
if command -v readelf >/dev/null; then
  for program in belote belote-selfplay; do
    if readelf -d "$scratch/root/usr/bin/$program" | grep -Eq 'R(UN)?PATH'; then
      problem "usr/bin/$program keeps a library search path: $(readelf -d "$scratch/root/usr/bin/$program" | grep -E 'R(UN)?PATH')"
    fi
  done
fi

[ $fail -eq 0 ] && echo "$(basename "$deb"): fields and $(wc -l <<<"$listing") entries checked"
exit $fail
