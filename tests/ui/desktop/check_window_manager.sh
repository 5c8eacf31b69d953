#!/usr/bin/env bash
# The game under a real window manager (openbox on a virtual screen), as a
# player meets it: the table centred from its frame at every start, boxes that
# are dialogs with room for their title, a box asked to be centred centred by
# its frame, and a close request made while a box is up asked once the
# player's turn comes, then answered "Oui".
# Usage: check_window_manager.sh <game folder>
set -euo pipefail
game=$1

source "$(dirname "$0")/../../lib/checks.sh"
require_tools Xvfb openbox xdotool xwininfo xprop

# A display of our own, free of any other.
display=
for n in $(seq 91 120); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=:$n; break; fi
done
[ -n "$display" ] || { echo "SKIP: no free display"; exit 77; }
export DISPLAY=$display
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
screen_w=1920 screen_h=1080
pids=()
game_pid=
stop_game() {
  if [ -n "$game_pid" ]; then
    kill "$game_pid" 2>/dev/null || true
    wait "$game_pid" 2>/dev/null || true
    game_pid=
  fi
}
finish() {
  stop_game
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  wait 2>/dev/null || true
}
trap finish EXIT
Xvfb "$display" -screen 0 ${screen_w}x${screen_h}x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done 2>/dev/null || sleep 1
openbox >/dev/null 2>&1 &
pids+=($!)
sleep 1

# The game's windows on the screen: those of class belote that are mapped.
windows() {
  xwininfo -root -tree | awk '/\("belote" "belote"\)/ {print $1}' | while read -r w; do
    xwininfo -id "$w" | grep -q IsViewable && echo "$w"
  done
}
# field <window> <xwininfo label>: one number of xwininfo's report.
field() { xwininfo -id "$1" | awk -F: -v k="$2" '$1 ~ k {gsub(/ /, "", $2); print $2; exit}'; }
# The window manager's frame around a window: left, right, top, bottom.
extents() { xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g'; }
is_dialog() { xprop -id "$1" _NET_WM_WINDOW_TYPE | grep -q _NET_WM_WINDOW_TYPE_DIALOG; }

# wait_for <count>: waits until that many windows named Belote show.
wait_for() {
  for _ in $(seq 100); do
    [ "$(windows | wc -l)" -ge "$1" ] && return 0
    sleep 0.1
  done
  return 1
}

start_game() {
  (cd "$game" && exec ./belote) >/dev/null 2>&1 &
  game_pid=$!
  # The about box first; Space presses its only button.
  wait_for 1 || { problem "no about box"; return 1; }
  sleep 0.5
  xdotool key space
  wait_for 2 || { problem "no table and box after the about box"; return 1; }
  sleep 1
}

table_window() {
  for w in $(windows); do
    [ "$(field "$w" Width)" = 793 ] && { echo "$w"; return; }
  done
}

# --- The table's place, at every start, and the first box ---
corners=()
for run in $(seq 6); do
  start_game || break
  table=$(table_window)
  x=$(field "$table" "Absolute upper-left X")
  y=$(field "$table" "Absolute upper-left Y")
  corners+=("$x,$y")
  if [ "$run" = 1 ]; then
    read -r l r t b <<<"$(extents "$table")"
    frame_w=$((793 + l + r)) frame_h=$((575 + t + b))
    want_x=$(((screen_w - frame_w) / 2 + l)) want_y=$(((screen_h - frame_h) / 2 + t))
    [ $((x - want_x)) -le 1 ] && [ $((want_x - x)) -le 1 ] && [ $((y - want_y)) -le 1 ] &&
      [ $((want_y - y)) -le 1 ] || problem "table at $x,$y, its frame centred puts it at $want_x,$want_y"
    # The first box (no sound output here) is centred by its frame, and is
    # a dialog wide enough for its title.
    for w in $(windows); do
      [ "$w" = "$table" ] && continue
      is_dialog "$w" || problem "the start box is not a dialog"
      bw=$(field "$w" Width) bh=$(field "$w" Height)
      bx=$(field "$w" "Absolute upper-left X") by=$(field "$w" "Absolute upper-left Y")
      read -r bl br bt bb <<<"$(extents "$w")"
      cx=$((bx - bl + (bw + bl + br) / 2)) cy=$((by - bt + (bh + bt + bb) / 2))
      [ $((cx - screen_w / 2)) -le 1 ] && [ $((screen_w / 2 - cx)) -le 1 ] &&
        [ $((cy - screen_h / 2)) -le 1 ] && [ $((screen_h / 2 - cy)) -le 1 ] ||
        problem "the centred box's frame is centred on $cx,$cy"
      [ "$bw" -ge 200 ] || problem "the box is $bw wide, too narrow for its title"
    done
  fi
  stop_game
  sleep 0.3
done
[ "$(printf '%s\n' "${corners[@]}" | sort -u | wc -l)" = 1 ] ||
  problem "the table opened at different places: ${corners[*]}"

# --- A close request while a box is up ---
start_game
table=$(table_window)
read -r l r t b <<<"$(extents "$table")"
tx=$(field "$table" "Absolute upper-left X") ty=$(field "$table" "Absolute upper-left Y")
frame_x=$((tx - l)) frame_y=$((ty - t))
xdotool key Return   # the box of the start (no sound output)
sleep 0.5
xdotool key Return   # DACCORD
sleep 0.8
# "Pas d'animation." is up; the table's own close button, at the right end of
# its title bar.
xdotool mousemove $((frame_x + 793 + l + r - 12)) $((frame_y + t / 2)) click 1
sleep 0.5
xdotool key Return   # answers "Pas d'animation."
# The deal goes on: the bidding question (over the cards) is answered "Oui",
# and once it is the player's turn the question comes, below Quitter.
# box_at <x> <y>: whether a box's frame corner is at that place of the table.
box_at() {
  for w in $(windows); do
    [ "$w" = "$table" ] && continue
    bx=$(field "$w" "Absolute upper-left X") by=$(field "$w" "Absolute upper-left Y")
    read -r bl br bt bb <<<"$(extents "$w")"
    [ $((bx - bl - frame_x)) = "$1" ] && [ $((by - bt - frame_y)) = "$2" ] && return 0
  done
  return 1
}
asked=0
for _ in $(seq 100); do
  sleep 0.2
  kill -0 "$game_pid" 2>/dev/null || break
  if box_at 580 120; then asked=1; break; fi
  if box_at 310 450; then xdotool key Return; sleep 0.5; fi
done
if [ "$asked" = 1 ]; then
  xdotool key Return  # "Oui": the game ends
  for _ in $(seq 50); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$game_pid" 2>/dev/null; then
    problem "the game still runs after Oui"
  else
    wait "$game_pid" && code=0 || code=$?
    [ "$code" = 0 ] || problem "the game ended with code $code"
    game_pid=
  fi
else
  problem "a close request made while a box was up was never asked"
fi

[ "$fail" = 0 ] && echo "PASS: table placed from its frame, dialog boxes, close request kept"
exit "$fail"
