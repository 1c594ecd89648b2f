#!/usr/bin/env bash
# wayland_identity_test.sh PROGRAM_FOLDER PACKAGING_FOLDER: starts each program
# with its start check under a headless Wayland compositor of its own and reads
# the client's protocol log: every window announces its desktop entry's id as
# its app id, and the main window its exact title. Skips (77) when the
# compositor cannot start on this machine.
set -euo pipefail
# shellcheck source=SCRIPTDIR/window_identity.sh
source "$(dirname "$0")/window_identity.sh"
folder=$1 packaging=$2
home=$(mktemp -d)
runtime=$home/runtime
mkdir -m 0700 "$runtime"
weston_pid=
log=
finish() {
  local status=$?
  if [ "$status" -ne 0 ] && [ "$status" -ne 77 ] && [ -n "$log" ] && [ -f "$log" ]; then
    echo "--- the program's standard error, without the protocol log:" >&2
    grep -v '^\[' "$log" >&2 || true
  fi
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
  fi
  rm -rf "$home"
}
trap finish EXIT

socket=fallpack-wayland
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket \
  --no-config --idle-time=0 >"$home/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 100); do
  [ -S "$runtime/$socket" ] && break
  if ! kill -0 "$weston_pid" 2>/dev/null; then
    weston_pid=
    break
  fi
  sleep 0.1
done
if [ ! -S "$runtime/$socket" ]; then
  echo "SKIP: the headless weston compositor did not start on this machine; its log:"
  cat "$home/weston.log" 2>/dev/null || true
  exit 77
fi

for game in orchard briko pillora; do
  entry=$(entry_for "$packaging" "$game")
  id=$(basename "$entry" .desktop)
  log=$home/$game.log
  XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    start_program_check "$folder/$game" "$home/players" beside 2>"$log"

  # Requests sent by the client read: [time]  -> xdg_toplevel@14.set_app_id("...")
  app_ids=$(sed -n 's/^\[[^]]*\]  -> xdg_toplevel@[0-9]*\.set_app_id("\(.*\)")$/\1/p' "$log")
  titles=$(sed -n 's/^\[[^]]*\]  -> xdg_toplevel@[0-9]*\.set_title("\(.*\)")$/\1/p' "$log")
  echo "$game: app ids: $(tr '\n' ' ' <<<"$app_ids")"
  echo "$game: titles: $(paste -sd '|' <<<"$titles")"
  [ -n "$app_ids" ] || fail "$game announced no app id: did it run on Wayland?"
  others=$(grep -vx "$id" <<<"$app_ids" | sort -u | paste -sd " " || true)
  [ -z "$others" ] || fail "$game announced the app id '$others' instead of '$id'"
  title=$(head -n 1 <<<"$titles")
  [ "$title" = "$(main_title "$game")" ] ||
    fail "$game's main window is titled '$title', not '$(main_title "$game")'"
done
