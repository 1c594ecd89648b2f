#!/usr/bin/env bash
# tools/idle_cpu.sh [--seconds N] [--settle S] [--bin DIR] [--settings FILE] [GAME...]
#
# Starts each GAME (default: orchard briko pillora) from DIR (default build/bin)
# on a virtual X display, with a fresh settings folder (or a copy of FILE as its
# Fallpack.ini), lets it settle for S seconds (default 5) on its menu, and prints
# the processor time it then uses while idle over N seconds (default 60), as a
# share of one core: from the scheduler's nanosecond count of each thread, and
# from the process's clock ticks as a check. The games run side by side; each
# one's own time is counted, so they do not disturb one another. Sound goes to
# SDL's dummy driver unless SDL_AUDIODRIVER says otherwise. Installs xvfb and
# xauth when they are missing; build the games first (./run or cmake --build build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

seconds=60
settle=5
bin=$root/build/bin
settings=
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) seconds=$2; shift 2 ;;
    --settle) settle=$2; shift 2 ;;
    --bin) bin=$(cd "$2" && pwd); shift 2 ;;
    --settings) settings=$(realpath "$2"); shift 2 ;;
    -h | --help) sed -n '2,12p' "$0"; exit 0 ;;
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
source "$root/tools/virtual_display.sh"

scratch=$(mktemp -d)
pids=()
fallpack_display_server=
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
  local server=$fallpack_display_server
  [ -n "$server" ] && { kill "$server" 2>/dev/null || true; wait "$server" 2>/dev/null || true; }
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -p "$scratch/config" "$scratch/play"
[ -n "$settings" ] && cp "$settings" "$scratch/config/Fallpack.ini"
# A copy of the program folder, so that no high-score file of the build is touched.
cp -a "$bin/." "$scratch/play/"

fallpack_virtual_display "$scratch"
export XDG_CONFIG_HOME="$scratch/config" SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
for game in "${games[@]}"; do
  (cd "$scratch/play" && exec "./$game") >"$scratch/$game.log" 2>&1 &
  pids+=($!)
done
sleep "$settle"

# utime + stime of the whole process (all its threads, ended ones too), in clock ticks.
cpu_ticks() {
  awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo -1
}
# Nanoseconds on a processor of each thread alive now, as "thread ns" lines.
thread_ns() {
  local task
  for task in /proc/"$1"/task/*; do
    if [ -r "$task/schedstat" ]; then
      echo "${task##*/} $(cut -d' ' -f1 "$task/schedstat" 2>/dev/null || echo 0)"
    fi
  done
  return 0
}
ticks_before=()
for i in "${!pids[@]}"; do
  ticks_before+=("$(cpu_ticks "${pids[$i]}")")
  thread_ns "${pids[$i]}" >"$scratch/ns-before-$i"
done
sleep "$seconds"
hz=$(getconf CLK_TCK)
printf '%-8s %10s %10s %14s\n' program "cpu ms" "% of core" "ticks (ms)"
for i in "${!games[@]}"; do
  ticks_after=$(cpu_ticks "${pids[$i]}")
  thread_ns "${pids[$i]}" >"$scratch/ns-after-$i"
  # A thread started meanwhile counts whole; one that ended is left to the ticks.
  ns=$(awk 'NR == FNR { before[$1] = $2; next } { ns += $2 - before[$1] } END { printf "%d\n", ns }' \
    "$scratch/ns-before-$i" "$scratch/ns-after-$i")
  if [ "${ticks_before[$i]}" -lt 0 ] || [ "$ticks_after" -lt 0 ]; then
    printf '%-8s %s\n' "${games[$i]}" "exited early: $(tail -n 3 "$scratch/${games[$i]}.log")"
    continue
  fi
  awk -v game="${games[$i]}" -v ns="$ns" \
    -v ticks=$((ticks_after - ticks_before[i])) -v hz="$hz" -v s="$seconds" \
    'BEGIN { ms = ns / 1e6; printf "%-8s %10.1f %10.4f %14d\n", game, ms, ms / (s * 10), ticks * 1000 / hz }'
done
echo "(over $seconds s idle, after $settle s to settle; cpu ms from the scheduler's count of the"
echo " threads alive at the end, ticks from the process's user and system time, in steps of $((1000 / hz)) ms)"
