#!/usr/bin/env bash
# kit/testing/under_xvfb.sh PROGRAM [ARGS...]: runs PROGRAM on Qt's X11 platform
# against an X server of its own (Xvfb on a display it finds free), in a
# runtime folder of its own, and ends the server afterwards.
set -euo pipefail
# shellcheck source=../../tools/virtual_display.sh
source "$(dirname "$0")/../../tools/virtual_display.sh"
scratch=$(mktemp -d)
fallpack_display_server=
cleanup() {
  if [ -n "$fallpack_display_server" ]; then
    kill "$fallpack_display_server" 2>/dev/null || true
    wait "$fallpack_display_server" 2>/dev/null || true
  fi
  rm -rf "$scratch"
}
trap cleanup EXIT
fallpack_virtual_display "$scratch" 1280x1024x24
"$@"
