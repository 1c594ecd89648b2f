#!/usr/bin/env bash
# tools/startup_time.sh [--runs N] [--build DIR] [--settings FILE] [GAME...]
#
# How long each GAME (default: orchard briko pillora) takes from its start to its
# first visible frame, against a bare Qt main window of the same size with a menu
# bar (tools/startup_time/bare_window.cpp). Builds nothing: the games and the
# targets fallpack_bare_window and fallpack_stamp_exec must be built in DIR
# (default build). On a virtual X display, with a fresh settings folder (or a copy
# of FILE as its Fallpack.ini), each game and its bare window are started in
# alternation N times (default 15) after one start each to warm the caches; each
# start stamps its moment (fallpack_stamp_exec) and the program reports its first
# frame (FALLPACK_FIRST_FRAME) and quits. Prints the medians of the time to the
# first frame and of the processor time spent until then, and the ratios of the
# game's medians to the bare window's. Installs xvfb and xauth when they are missing.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

runs=15
build=$root/build
settings=
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs=$2; shift 2 ;;
    --build) build=$(cd "$2" && pwd); shift 2 ;;
    --settings) settings=$(realpath "$2"); shift 2 ;;
    -h | --help) sed -n '2,14p' "$0"; exit 0 ;;
    *) break ;;
  esac
done
games=("$@")
[ ${#games[@]} -eq 0 ] && games=(orchard briko pillora)
bare=$build/tools/startup_time/fallpack_bare_window
stamp=$build/tools/startup_time/fallpack_stamp_exec
for program in "${games[@]/#/$build/bin/}" "$bare" "$stamp"; do
  [ -x "$program" ] || { echo "startup_time: $program is not built" >&2; exit 1; }
done

FALLPACK_ROOT=$root
source "$root/tools/packages.sh"
source "$root/tools/virtual_display.sh"

scratch=$(mktemp -d)
fallpack_display_server=
cleanup() {
  local server=$fallpack_display_server
  [ -n "$server" ] && { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; }
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -p "$scratch/config" "$scratch/play"
[ -n "$settings" ] && cp "$settings" "$scratch/config/Fallpack.ini"

fallpack_virtual_display "$scratch" 1280x1024x24
export XDG_CONFIG_HOME="$scratch/config" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
# No session bus: each start would otherwise fork a bus launcher that is not there.
export DBUS_SESSION_BUS_ADDRESS="unix:path=$scratch/runtime/no-bus"

# start PROGRAM [ARGS...]: prints "milliseconds processor-milliseconds WIDTHxHEIGHT" of
# one start.
start() {
  local line
  line=$(cd "$scratch/play" && timeout 30 "$stamp" "$@" </dev/null 2>>"$scratch/stderr.log" |
    grep '^first-frame ' || true)
  [ -n "$line" ] || { echo "startup_time: $1 showed no frame:" >&2; tail -n 5 "$scratch/stderr.log" >&2; exit 1; }
  echo "${line#first-frame }"
}

# median COLUMN FILE
median() {
  cut -d' ' -f"$1" "$2" | sort -g |
    awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# One start each to warm the caches; it also gives the size of each bare window.
declare -A size
for game in "${games[@]}"; do
  read -r _ _ size[$game] < <(start "$build/bin/$game")
  start "$bare" "${size[$game]%x*}" "${size[$game]#*x}" >/dev/null
done
for ((run = 0; run < runs; run++)); do
  for game in "${games[@]}"; do
    start "$build/bin/$game" >>"$scratch/$game.own"
    start "$bare" "${size[$game]%x*}" "${size[$game]#*x}" >>"$scratch/$game.bare"
  done
done

printf '%-8s %-8s %9s %9s %6s %9s %9s %6s\n' "" "" "to first" "frame ms" "" "processor" "ms" ""
printf '%-8s %-8s %9s %9s %6s %9s %9s %6s\n' program window game bare ratio game bare ratio
for game in "${games[@]}"; do
  awk -v game="$game" -v size="${size[$game]}" \
    -v own="$(median 1 "$scratch/$game.own")" -v base="$(median 1 "$scratch/$game.bare")" \
    -v ownCpu="$(median 2 "$scratch/$game.own")" -v baseCpu="$(median 2 "$scratch/$game.bare")" \
    'BEGIN { printf "%-8s %-8s %9.1f %9.1f %6.2f %9.1f %9.1f %6.2f\n",
             game, size, own, base, own / base, ownCpu, baseCpu, ownCpu / baseCpu }'
done
echo "(medians of $runs alternating starts each, after one to warm up, on Xvfb; \"to first frame\""
echo " from the exec to the first frame handed to the display, \"processor\" the time the"
echo " process's threads ran until then; the bare window is a Qt main window of the same"
echo " size with a menu bar)"
