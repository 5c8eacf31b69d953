#!/usr/bin/env bash
# Measures the card table on a virtual screen against a yardstick: a bare Qt
# window of the same size with as many labels and pictures. For each:
#   start-up  milliseconds from launch until its first window is on screen
#             (the about box for the game, the window itself for the yardstick);
#   memory    resident memory (VmRSS) two seconds later;
#   idle CPU  CPU time (user + system, all threads) used during five seconds
#             in which nobody plays: for the game, while it waits for the
#             human's card after the first deal, with sound and animation on.
# Start-up and memory are also taken at twice the density (QT_SCALE_FACTOR=2),
# where the game shows its sharp pictures; reported, not judged.
# Then the glide timing of glide_bench on the same screen.
#
#   bench/window/measure.sh                     builds in build/window-measure
#   BUILD=build/release bench/window/measure.sh another (Release) build folder
#   RUNS=5 bench/window/measure.sh              more runs (medians are shown)
#   CARDS=16 bench/window/measure.sh            cards the glide bench plays
#   SOUND=0 bench/window/measure.sh             without a sound device
#
# Needs xvfb-run, xdotool and xwd; pulseaudio, when installed, gives the game
# a silent sound device. Prints a table and ends with 1 when a goal is
# missed: start-up and memory within 1.3 times the yardstick's, and no CPU
# time at all while the game waits for the human.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
build="$(realpath -m "${BUILD:-$root/build/window-measure}")"
yard="$root/build/window-yardstick"
runs="${RUNS:-3}"
cards="${CARDS:-8}"
idle_seconds=5

for tool in xvfb-run xdotool xwd md5sum; do
  command -v "$tool" >/dev/null || { echo "measure: $tool is missing" >&2; exit 1; }
done

if [ "${INSIDE_XVFB:-}" != 1 ]; then
  if [ -z "${BUILD:-}" ]; then
    cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
    cmake --build "$build" -j2 --target belote glide_bench >/dev/null
  fi
  cmake -S "$here" -B "$yard" -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$yard" -j2 >/dev/null
  [ -x "$build/game/belote" ] || { echo "measure: no game in $build/game" >&2; exit 1; }
  # No sound output on the virtual screen either: Qt must not wait for one.
  # The screen must not reset when the last window closes: a program started
  # at that moment would find none.
  exec env INSIDE_XVFB=1 BUILD="$build" RUNS="$runs" CARDS="$cards" \
    xvfb-run -a -n "${SERVER_NUMBER:-147}" -s "-screen 0 1024x768x24 -noreset" "$0"
fi

# --- Inside the virtual screen ---------------------------------------------

cd "$build/game"
started=()
sound_dir=""
cleanup() {
  local p
  for p in "${started[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -z "$sound_dir" ] || rm -rf "$sound_dir"
}
trap cleanup EXIT

# A sound server of our own with one silent output, so that the game finds
# a sound device and plays its sounds as on a desktop (SOUND=0: none, the
# game then says there is no sound card).
sound="without a sound device"
if [ "${SOUND:-1}" != 0 ] && command -v pulseaudio >/dev/null; then
  sound_dir=$(mktemp -d /tmp/measure-sound.XXXXXX)
  HOME="$sound_dir" XDG_RUNTIME_DIR="$sound_dir" PULSE_RUNTIME_PATH="$sound_dir" \
    pulseaudio -n --daemonize=no --use-pid-file=no --exit-idle-time=-1 --disable-shm=yes \
    -L "module-null-sink sink_name=silent" \
    -L "module-native-protocol-unix auth-anonymous=1 socket=$sound_dir/native" \
    >"$sound_dir/log" 2>&1 &
  started+=("$!")
  for _ in $(seq 1 50); do
    [ -S "$sound_dir/native" ] && break
    sleep 0.1
  done
  export PULSE_SERVER="unix:$sound_dir/native"
  sound="with a silent sound device"
fi

now_ns() { date +%s%N; }
clk_tck=$(getconf CLK_TCK)

# The windows of a process on screen, one id a line.
shown() { xdotool search --onlyvisible --pid "$1" 2>/dev/null || true; }

# Starts a program and waits until one of its windows is mapped; sets pid
# and startup_ms.
launch() {
  local t0 t1
  t0=$(now_ns)
  "$@" >/dev/null 2>>"${LOG:-/dev/null}" &
  pid=$!
  started+=("$pid")
  until [ -n "$(shown "$pid")" ]; do
    kill -0 "$pid" 2>/dev/null || { echo "measure: $1 ended at start" >&2; exit 1; }
    if [ $(( ($(now_ns) - t0) / 1000000 )) -gt 30000 ]; then
      echo "measure: $1 showed no window in 30 s" >&2
      exit 1
    fi
  done
  t1=$(now_ns)
  startup_ms=$(( (t1 - t0) / 1000000 ))
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

# User plus system time of the whole process, in milliseconds.
cpu_ms() {
  # The command name may hold spaces: the fields are counted after its ')'.
  local rest
  rest=$(sed 's/^.*) //' "/proc/$1/stat")
  awk -v tck="$clk_tck" '{ print int(($12 + $13) * 1000 / tck) }' <<<"$rest"
}

# Context switches of all threads: how often the process woke up at all.
wakeups() {
  cat /proc/"$1"/task/*/status 2>/dev/null |
    awk '/^(non)?voluntary_ctxt_switches:/ { n += $2 } END { print n + 0 }'
}

# Sets idle_cpu_ms and idle_wakeups for $idle_seconds of doing nothing.
measure_idle() {
  local c0 w0
  c0=$(cpu_ms "$1")
  w0=$(wakeups "$1")
  sleep "$idle_seconds"
  idle_cpu_ms=$(( $(cpu_ms "$1") - c0 ))
  idle_wakeups=$(( $(wakeups "$1") - w0 ))
}

stop() {
  kill "$1" 2>/dev/null || true
  wait "$1" 2>/dev/null || true
}

window_hash() { xwd -silent -id "$1" 2>/dev/null | md5sum | cut -c1-32; }

# The table window of the game: the one as large as the table.
table_window() {
  local w
  for w in $(shown "$1"); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" = 793 ] && [ "$HEIGHT" = 575 ]; then
      echo "$w"
      return
    fi
  done
}

# Takes the started game from its about box to the human's first card: the
# animation on, every box answered with its first button, the suit chooser
# passed. The human is to play when no box is up and the table has stayed
# the same for a while (the computer players change it at every half-second
# pause). Sets table.
drive_to_human_turn() {
  local game=$1 w n deadline last="" same=0 h
  w=$(shown "$game" | head -n 1)
  eval "$(xdotool getwindowgeometry --shell "$w")"
  xdotool mousemove $(( X + 152 + 80 )) $(( Y + 176 + 13 )) click 1
  deadline=$(( $(date +%s) + 30 ))
  table=""
  while [ -z "$table" ]; do
    [ "$(date +%s)" -lt "$deadline" ] || { echo "measure: the table never showed" >&2; exit 1; }
    sleep 0.2
    table=$(table_window "$game")
  done
  # The box saying there is no sound card, when it comes.
  sleep 1
  if [ "$(shown "$game" | wc -l)" -ge 2 ]; then
    xdotool key Return
    sleep 0.5
  fi
  eval "$(xdotool getwindowgeometry --shell "$table")"
  local tx=$X ty=$Y
  # Sound and animation on, then DACCORD.
  xdotool mousemove $(( tx + 456 + 190 )) $(( ty + 4 + 86 )) click 1
  xdotool mousemove $(( tx + 456 + 190 )) $(( ty + 4 + 120 )) click 1
  xdotool mousemove $(( tx + 456 + 90 )) $(( ty + 4 + 196 )) click 1
  # Out of the way of the cards, so that no hover changes the picture.
  xdotool mousemove 1 1

  deadline=$(( $(date +%s) + 120 ))
  while [ "$(date +%s)" -lt "$deadline" ]; do
    sleep 0.25
    n=0
    for w in $(shown "$game"); do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      [ "$WIDTH" -gt 10 ] || continue
      n=$((n + 1))
      if [ "$WIDTH" = 350 ] && [ "$HEIGHT" = 98 ]; then
        xdotool mousemove $(( X + 310 )) $(( Y + 40 )) click 1 mousemove 1 1
      elif [ "$w" != "$table" ]; then
        xdotool key Return
      fi
    done
    if [ "$n" -gt 1 ]; then
      last=""
      same=0
      continue
    fi
    h=$(window_hash "$table")
    if [ "$h" = "$last" ]; then
      same=$((same + 1))
      # Three seconds unchanged: six computer pauses would have shown.
      [ "$same" -ge 12 ] && return 0
    else
      last=$h
      same=0
    fi
  done
  echo "measure: the game never came to the human's turn" >&2
  exit 1
}

median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'; }

# One start of each, not counted: the disk cache warms up for both alike.
launch "$build/game/belote"
stop "$pid"
launch "$yard/yardstick"
stop "$pid"

g_start=() g_rss=() g_idle=() g_wake=() g_play_rss=()
y_start=() y_rss=() y_idle=() y_wake=()
for run in $(seq 1 "$runs"); do
  launch "$build/game/belote"
  game=$pid
  g_start+=("$startup_ms")
  sleep 2
  g_rss+=("$(rss_kb "$game")")
  drive_to_human_turn "$game"
  before=$(window_hash "$table")
  measure_idle "$game"
  after=$(window_hash "$table")
  if [ "$before" != "$after" ] || [ "$(shown "$game" | wc -l)" -ne 1 ]; then
    echo "measure: run $run: the table changed during the idle wait; not the human's turn" >&2
    exit 1
  fi
  g_idle+=("$idle_cpu_ms")
  g_wake+=("$idle_wakeups")
  g_play_rss+=("$(rss_kb "$game")")
  stop "$game"

  launch "$yard/yardstick"
  yardstick=$pid
  y_start+=("$startup_ms")
  sleep 2
  y_rss+=("$(rss_kb "$yardstick")")
  measure_idle "$yardstick"
  y_idle+=("$idle_cpu_ms")
  y_wake+=("$idle_wakeups")
  stop "$yardstick"
  echo "run $run: game ${g_start[-1]} ms ${g_rss[-1]} kB idle ${g_idle[-1]} ms;" \
    "yardstick ${y_start[-1]} ms ${y_rss[-1]} kB idle ${y_idle[-1]} ms"
done

# The same starts on a screen of twice the density, where the game reads its
# sharp pictures: start-up and memory only, no play.
h_start=() h_rss=() z_start=() z_rss=()
for run in $(seq 1 "$runs"); do
  launch env QT_SCALE_FACTOR=2 "$build/game/belote"
  h_start+=("$startup_ms")
  sleep 2
  h_rss+=("$(rss_kb "$pid")")
  stop "$pid"
  launch env QT_SCALE_FACTOR=2 "$yard/yardstick"
  z_start+=("$startup_ms")
  sleep 2
  z_rss+=("$(rss_kb "$pid")")
  stop "$pid"
  echo "run $run at 2x: game ${h_start[-1]} ms ${h_rss[-1]} kB;" \
    "yardstick ${z_start[-1]} ms ${z_rss[-1]} kB"
done

gs=$(printf '%s\n' "${g_start[@]}" | median)
ys=$(printf '%s\n' "${y_start[@]}" | median)
gr=$(printf '%s\n' "${g_rss[@]}" | median)
yr=$(printf '%s\n' "${y_rss[@]}" | median)
gi=$(printf '%s\n' "${g_idle[@]}" | sort -n | tail -n 1)
yi=$(printf '%s\n' "${y_idle[@]}" | sort -n | tail -n 1)
gw=$(printf '%s\n' "${g_wake[@]}" | sort -n | tail -n 1)
yw=$(printf '%s\n' "${y_wake[@]}" | sort -n | tail -n 1)
gp=$(printf '%s\n' "${g_play_rss[@]}" | median)
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "-" }'; }
within() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a <= 1.3 * b) }' && echo ok || echo MISSED; }

echo
echo "Card table against the yardstick, $runs runs, $sound (medians; idle: the worst run)"
printf '%-34s %10s %10s %7s   %s\n' "" game yardstick ratio goal
printf '%-34s %10s %10s %7s   %s\n' "start-up to first window (ms)" "$gs" "$ys" "$(ratio "$gs" "$ys")" \
  "<= 1.3x $(within "$gs" "$ys")"
printf '%-34s %10s %10s %7s   %s\n' "memory 2 s later (kB)" "$gr" "$yr" "$(ratio "$gr" "$yr")" \
  "<= 1.3x $(within "$gr" "$yr")"
idle_goal=$([ "$gi" -eq 0 ] && echo ok || echo MISSED)
printf '%-34s %10s %10s %7s   %s\n' "CPU in ${idle_seconds} s idle (ms)" "$gi" "$yi" "" "0 ms $idle_goal"
printf '%-34s %10s %10s\n' "wake-ups in ${idle_seconds} s idle" "$gw" "$yw"
printf '%-34s %10s\n' "memory at the human's turn (kB)" "$gp"
hs=$(printf '%s\n' "${h_start[@]}" | median)
zs=$(printf '%s\n' "${z_start[@]}" | median)
hr=$(printf '%s\n' "${h_rss[@]}" | median)
zr=$(printf '%s\n' "${z_rss[@]}" | median)
printf '%-34s %10s %10s %7s\n' "start-up at 2x (ms)" "$hs" "$zs" "$(ratio "$hs" "$zs")"
printf '%-34s %10s %10s %7s\n' "memory 2 s later at 2x (kB)" "$hr" "$zr" "$(ratio "$hr" "$zr")"
echo

if [ -x "$build/bench/glide_bench" ]; then
  "$build/bench/glide_bench" --cards "$cards" 2>/dev/null
fi

[ "$(within "$gs" "$ys")" = ok ] && [ "$(within "$gr" "$yr")" = ok ] && [ "$idle_goal" = ok ]
