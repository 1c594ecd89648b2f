#!/usr/bin/env bash
# tools/idle_cpu.sh [--seconds N] [--settle S] [--bin DIR] [GAME...]
#
# Starts each GAME (default: orchard briko pillora) from DIR (default build/bin)
# on a virtual X display, with a fresh settings folder, lets it settle for S
# seconds (default 5) on its menu, and prints the processor time it then uses
# while idle over N seconds (default 60), as a share of one core. The games run
# side by side; each one's own time is counted, so they do not disturb one
# another. Sound goes to SDL's dummy driver unless SDL_AUDIODRIVER says
# otherwise. Installs xvfb and xauth when they are missing; build the games first
# (./run or cmake --build build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

seconds=60
settle=5
bin=$root/build/bin
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --settle) settle=$2; shift 2 ;;
    --bin) bin=$(cd "$2" && pwd); shift 2 ;;
    -h | --help) sed -n '2,11p' "$0"; exit 0 ;;
    *) break ;;
  esac
done
games=("$@")
[ ${#games[@]} -eq 0 ] && games=(orchard briko pillora)
for game in "${games[@]}"; do
  [ -x "$bin/$game" ] || { echo "idle_cpu: $bin/$game is not built" >&2; exit 1; }
done

FALLPACK_ROOT=$root
source "$root/tools/packages.sh"
fallpack_install_packages xvfb xauth

scratch=$(mktemp -d)
pids=()
server=
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  [ -n "$server" ] && { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; }
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -p "$scratch/config" "$scratch/runtime" "$scratch/play"
chmod 0700 "$scratch/runtime"
# A copy of the program folder, so that no high-score file of the build is touched.
cp -a "$bin/." "$scratch/play/"

# The first free display number from 90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 800x600x24 -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
server=$!
for _ in $(seq 50); do
  [ -e "/tmp/.X11-unix/X$display" ] && break
  sleep 0.1
done

export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
unset WAYLAND_DISPLAY
for game in "${games[@]}"; do
  (cd "$scratch/play" && exec "./$game") >"$scratch/$game.log" 2>&1 &
  pids+=($!)
done
sleep "$settle"

# utime + stime of the whole process (all its threads), in clock ticks.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo -1
}
before=()
for pid in "${pids[@]}"; do before+=("$(cpu_ticks "$pid")"); done
sleep "$seconds"
hz=$(getconf CLK_TCK)
printf '%-8s %10s %10s\n' program "cpu ms" "% of core"
for i in "${!games[@]}"; do
  after=$(cpu_ticks "${pids[$i]}")
  if [ "${before[$i]}" -lt 0 ] || [ "$after" -lt 0 ]; then
    printf '%-8s %s\n' "${games[$i]}" "exited early: $(tail -n 3 "$scratch/${games[$i]}.log")"
    continue
  fi
  awk -v game="${games[$i]}" -v ticks=$((after - before[i])) -v hz="$hz" -v s="$seconds" \
    'BEGIN { ms = ticks * 1000 / hz; printf "%-8s %10d %10.3f\n", game, ms, ms / (s * 10) }'
done
echo "(over $seconds s idle, after $settle s to settle; one clock tick is $((1000 / hz)) ms)"
