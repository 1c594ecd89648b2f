#!/usr/bin/env bash
# tools/screenshot.sh [--wait S] [--keys "K1 K2 ..."] [--settle S] GAME [OUTPUT.png]
#
# Starts GAME (orchard, briko or pillora) from build/bin on a virtual X display,
# with a fresh settings folder and high-score folder so that nothing of the
# player's own is read or written, waits S seconds (default 2) for the window,
# optionally types the keys (xdotool names: F2, Left, space, ...) one by one,
# waits --settle seconds more (default 1), and saves a PNG of the game window
# into docs/GAME.png or OUTPUT.png. Needs xvfb, xauth, xdotool and imagemagick;
# build the game first (./run or cmake --build build).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

wait_seconds=2
settle_seconds=1
keys=""
while [ $# -gt 0 ]; do
  case "$1" in
    --wait) wait_seconds=$2; shift 2 ;;
    --keys) keys=$2; shift 2 ;;
    --settle) settle_seconds=$2; shift 2 ;;
    -h | --help) sed -n '2,11p' "$0"; exit 0 ;;
    *) break ;;
  esac
done
game=${1:?usage: tools/screenshot.sh [--wait S] [--keys "..."] [--settle S] GAME [OUTPUT.png]}
output=${2:-$root/docs/$game.png}
case "$output" in /*) ;; *) output=$PWD/$output ;; esac

program=$root/build/bin/$game
if [ ! -x "$program" ]; then
  echo "screenshot: $program is not built" >&2
  exit 1
fi
for tool in xvfb-run xdotool import; do
  command -v "$tool" >/dev/null || { echo "screenshot: $tool is missing (xvfb xauth xdotool imagemagick)" >&2; exit 1; }
done

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/config" "$scratch/runtime" "$scratch/play"
chmod 0700 "$scratch/runtime"
# The game runs in a copy of its folder, so its high-score file is a fresh one.
cp -a "$root/build/bin/." "$scratch/play/"

cat >"$scratch/shoot.sh" <<'INNER'
#!/usr/bin/env bash
set -euo pipefail
cd "$PLAY"
"./$GAME" &
pid=$!
sleep "$WAIT"
window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -n 1)
if [ -n "$KEYS" ]; then
  xdotool windowfocus --sync "$window" 2>/dev/null || true
  for key in $KEYS; do
    xdotool key --window "$window" --clearmodifiers "$key"
    sleep 0.15
  done
fi
sleep "$SETTLE"
import -window "$window" "$OUTPUT"
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
INNER
chmod +x "$scratch/shoot.sh"

mkdir -p "$(dirname "$output")"
env -u WAYLAND_DISPLAY \
  XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime" \
  QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy \
  PLAY="$scratch/play" GAME="$game" WAIT="$wait_seconds" SETTLE="$settle_seconds" \
  KEYS="$keys" OUTPUT="$output" \
  xvfb-run --auto-servernum --server-args="-screen 0 800x600x24" "$scratch/shoot.sh"
echo "screenshot: $output"
