#!/usr/bin/env bash
# kit/testing/under_xvfb.sh PROGRAM [ARGS...]: runs PROGRAM on Qt's X11 platform
# against an X server of its own (Xvfb on a display it finds free), in a
# runtime folder of its own, and ends the server afterwards.
set -euo pipefail
scratch=$(mktemp -d)
server=
cleanup() {
  if [ -n "$server" ]; then
    kill "$server" 2>/dev/null || true
    wait "$server" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 0700 "$scratch/runtime"

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
server=$!
for _ in $(seq 100); do
  [ -s "$scratch/display" ] && break
  sleep 0.1
done
display=$(head -n 1 "$scratch/display")
if [ -z "$display" ]; then
  echo "under_xvfb: Xvfb did not start" >&2
  cat "$scratch/xvfb.log" >&2
  exit 1
fi
DISPLAY=":$display" XDG_RUNTIME_DIR="$scratch/runtime" QT_QPA_PLATFORM=xcb "$@"
