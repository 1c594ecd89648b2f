#!/usr/bin/env bash
# x11_identity_test.sh PROGRAM_FOLDER PACKAGING_FOLDER: starts each program on an
# Xvfb display of its own and reads its main window's properties: the class in
# WM_CLASS is the StartupWMClass of the program's desktop entry, and
# _NET_WM_NAME the exact title.
set -euo pipefail
# shellcheck source=SCRIPTDIR/window_identity.sh
source "$(dirname "$0")/window_identity.sh"
folder=$1 packaging=$2
home=$(mktemp -d)
fallpack_display_server='' program_pid=''
finish() {
  for pid in $program_pid $fallpack_display_server; do
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
  done
  rm -rf "$home"
}
trap finish EXIT

# shellcheck source=../../tools/virtual_display.sh
source "$(dirname "$0")/../../tools/virtual_display.sh"
fallpack_virtual_display "$home" 1280x1024x24 || fail "no X server to start the programs on"

# main_window: the id of the one mapped top-level window with a class, once it shows.
main_window() {
  local id
  for id in $(xwininfo -root -children | sed -n 's/^ *\(0x[0-9a-f]*\) .*: (".*$/\1/p'); do
    xwininfo -id "$id" | grep -q 'Map State: IsViewable' && echo "$id"
  done
}

for game in orchard briko pillora; do
  entry=$(entry_for "$packaging" "$game")
  wm_class=$(entry_key "$entry" StartupWMClass)
  [ -n "$wm_class" ] || fail "$(basename "$entry") names no StartupWMClass"
  work=$home/$game
  mkdir -p "$work"
  (cd "$work" && HOME=$work XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data \
    exec "$folder/$game") &
  program_pid=$!
  window=
  for _ in $(seq 300); do
    window=$(main_window)
    [ -n "$window" ] && break
    kill -0 "$program_pid" 2>/dev/null || fail "$game ended before its window showed"
    sleep 0.1
  done
  [ -n "$window" ] || fail "$game showed no window within 30 seconds"
  [ "$(wc -l <<<"$window")" -eq 1 ] || fail "$game showed more than one window: $window"

  properties=$(xprop -id "$window" WM_CLASS _NET_WM_NAME)
  echo "$game: $properties"
  class=$(sed -n 's/^WM_CLASS(STRING) = ".*", "\(.*\)"$/\1/p' <<<"$properties")
  title=$(sed -n 's/^_NET_WM_NAME(UTF8_STRING) = "\(.*\)"$/\1/p' <<<"$properties")
  [ "$class" = "$wm_class" ] ||
    fail "$game's window class is '$class', its entry's StartupWMClass '$wm_class'"
  [ "$title" = "$(main_title "$game")" ] ||
    fail "$game's main window is titled '$title', not '$(main_title "$game")'"

  kill "$program_pid"
  wait "$program_pid" 2>/dev/null || true
  program_pid=
done
