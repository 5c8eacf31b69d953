#!/usr/bin/env bash
# Installs the game into a scratch prefix and starts the installed program
# (<prefix>/games/belote) from folders that hold no pictures, as a menu or a
# terminal would: it must find its pictures in <prefix>/share/games/belote and
# keep running. Started from a folder that has its own Im/, it must stay there.
# Usage: check_install_runs.sh <build dir> <scratch dir>
set -euo pipefail
build=$1 scratch=$2

rm -rf "$scratch"
mkdir -p "$scratch/elsewhere" "$scratch/with-pictures"
prefix=$scratch/prefix
if ! cmake --install "$build" --prefix "$prefix" >"$scratch/install.log" 2>&1; then
  cat "$scratch/install.log"
  echo "FAIL: cmake --install failed"
  exit 1
fi

fail=0
problem() { echo "FAIL: $*"; fail=1; }

pid=
stop() {
  if [ -n "$pid" ]; then
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    pid=
  fi
}
trap stop EXIT

# run <folder> <expected working directory>: starts the installed game in
# <folder>, lets it run about three seconds, then checks where it settled and
# that it found its pictures.
run() {
  local from=$1 expected=$2 err cwd
  err=$scratch/stderr-$(basename "$from")
  (cd "$from" && exec env QT_QPA_PLATFORM=offscreen "$prefix/games/belote") 2>"$err" &
  pid=$!
  sleep 3
  if ! kill -0 "$pid" 2>/dev/null; then
    local rc=0
    wait "$pid" || rc=$?
    pid=
    cat "$err"
    problem "started from $from, the game ended within 3 s (exit code $rc)"
    return
  fi
  cwd=$(readlink "/proc/$pid/cwd")
  stop
  [ "$cwd" = "$(realpath "$expected")" ] ||
    problem "started from $from, the game works in $cwd instead of $expected"
  if grep -q '^belote: missing pictures:' "$err"; then
    cat "$err"
    problem "started from $from, the game did not find its pictures"
  fi
}

run "$scratch/elsewhere" "$prefix/share/games/belote"
# A folder with pictures of its own, like the build's game folder.
ln -s "$prefix/share/games/belote/Im" "$scratch/with-pictures/Im"
ln -s "$prefix/share/games/belote/So" "$scratch/with-pictures/So"
run "$scratch/with-pictures" "$scratch/with-pictures"

[ $fail -eq 0 ] && echo "the installed game found its pictures from both folders"
exit $fail
