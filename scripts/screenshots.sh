#!/usr/bin/env bash
# Takes pictures of the game on a virtual screen: the about box, the options
# panel, a trick in play with the cards gliding, and the end of a deal.
# Needs xvfb-run, xdotool and imagemagick's import.
#
#   scripts/screenshots.sh [output folder]      (default: build/screenshots)
#   SCALE=2 scripts/screenshots.sh              (the window at twice the size)
#   SCREEN=1800x1300 scripts/screenshots.sh     (another screen size)
#   BUILD=build/debug scripts/screenshots.sh    (another build folder)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD:-$root/build/screenshots-build}"
out="$(realpath -m "${1:-$root/build/screenshots}")"
scale="${SCALE:-1}"
# The screen grows with the scale so that the whole table fits on it;
# SCREEN=1800x1300 picks another size.
screen="${SCREEN:-$(( 1024 * scale ))x$(( 768 * scale ))}"
sw=${screen%x*}
sh=${screen#*x}

for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshots: $tool is missing" >&2; exit 1; }
done

if [ "${INSIDE_XVFB:-}" != 1 ] && [ ! -x "$build/game/belote" ]; then
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$build" -j2 --target belote
fi
mkdir -p "$out"

# The part run inside the virtual screen.
drive() {
  set -euo pipefail
  cd "$build/game"
  export QT_SCALE_FACTOR="$scale"
  ./belote &
  game=$!
  trap 'kill "$game" 2>/dev/null || true' EXIT

  shot() { import -window root "$out/$1.png"; echo "screenshots: $out/$1.png"; }
  # Screen point of a point of the table (client pixels, before scaling).
  table_x() { echo $(( tx + $1 * scale )); }
  table_y() { echo $(( ty + $2 * scale )); }
  click_table() { xdotool mousemove "$(table_x "$1" 0)" "$(table_y 0 "$2")" click 1; }
  window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }

  # How many windows titled "Belote" show: the table, and a box when one is
  # up (Qt keeps a tiny helper window of the same name, left out here).
  belote_windows() {
    local n=0 w
    for w in $(xdotool search --onlyvisible --name '^Belote$' 2>/dev/null); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      [ "$WIDTH" -gt 10 ] && n=$((n + 1))
    done
    echo "$n"
  }
  # Waits until at least $1 of them show.
  wait_windows() {
    for _ in $(seq 1 100); do
      [ "$(belote_windows)" -ge "$1" ] && return 0
      sleep 0.2
    done
    return 1
  }

  sleep 3
  shot 1-about
  # The about box's picture button, in the box centred on the screen.
  xdotool mousemove $(( sw / 2 + (152 + 80 - 168) * scale )) $(( sh / 2 + (176 + 13 - 108) * scale )) click 1
  # Without a sound card the start says so in a box of its own.
  if wait_windows 2; then
    sleep 0.5
    xdotool key Return
  fi
  sleep 1

  local id
  id=$(window_named '^Belote$' || true)
  [ -n "$id" ] || { echo "screenshots: the table did not open" >&2; exit 1; }
  eval "$(xdotool getwindowgeometry --shell "$id")"
  tx=$X
  ty=$Y
  shot 2-options

  # Animation on, a short game so that the first deal ends it, then DACCORD.
  click_table $(( 456 + 190 )) $(( 4 + 120 ))
  click_table $(( 456 + 200 )) $(( 4 + 152 ))
  xdotool key ctrl+a
  xdotool type 100
  click_table $(( 456 + 90 )) $(( 4 + 196 ))
  wait_windows 2 && xdotool key Return

  # Play: answer every box with its first button, pass on the suit chooser,
  # click the hand from left to right until the game is over.
  local trick_taken=0 round slot
  local left=(0 236 300 364 428 492 556 620 680)
  for round in $(seq 1 300); do
    if [ -n "$(window_named '^Confirmation$')" ]; then
      sleep 1
      shot 4-end-of-deal
      xdotool key alt+n
      break
    fi
    if [ "$(belote_windows)" -ge 2 ]; then
      xdotool key Return
      sleep 0.3
      continue
    fi
    xdotool mousemove $(( (234 + 310) * scale )) $(( (466 + 40) * scale )) click 1
    sleep 0.3
    for slot in 1 2 3 4 5 6 7 8; do
      click_table $(( ${left[$slot]} + 30 )) 470
      if [ "$trick_taken" = 0 ] && [ "$round" -ge 4 ]; then
        sleep 0.08
        shot 3-trick
        trick_taken=1
      fi
      sleep 0.1
    done
    sleep 0.3
  done
  sleep 2
  if kill -0 "$game" 2>/dev/null; then
    echo "screenshots: the game is still running" >&2
  else
    wait "$game" && echo "screenshots: the game ended cleanly"
  fi
}
if [ "${INSIDE_XVFB:-}" = 1 ]; then
  drive
else
  INSIDE_XVFB=1 BUILD="$build" SCALE="$scale" xvfb-run -a -s "-screen 0 ${sw}x${sh}x24" "$0" "$out"
fi
