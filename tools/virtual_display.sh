# Sourced by what runs the games on a virtual X display: the measuring tools
# (idle_cpu.sh, startup_time.sh, which source tools/packages.sh first) and the
# tests that need a real X server (kit/testing/under_xvfb.sh,
# packaging/tests/x11_identity_test.sh).

# fallpack_virtual_display SCRATCH [SCREEN]: starts Xvfb on a display it picks
# itself (SCREEN defaults to 800x600x24), waits until it accepts clients, and
# points the games at it: DISPLAY, Qt's xcb platform and a private XDG_RUNTIME_DIR
# in SCRATCH/runtime, no Wayland display. When tools/packages.sh is sourced, it
# first installs xvfb and xauth if they are missing. The server's process id is
# left in fallpack_display_server; the caller ends it. Fails, with Xvfb's log on
# standard error, when the server does not start.
fallpack_virtual_display() {
  local scratch=$1 screen=${2:-800x600x24}
  if declare -F fallpack_install_packages >/dev/null; then
    fallpack_install_packages xvfb xauth
  fi
  mkdir -p "$scratch/runtime"
  chmod 0700 "$scratch/runtime"
  Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
  fallpack_display_server=$!
  for _ in $(seq 300); do
    [ -s "$scratch/display" ] && break
    if ! kill -0 "$fallpack_display_server" 2>/dev/null; then
      echo "Xvfb did not start:" >&2
      cat "$scratch/xvfb.log" >&2
      return 1
    fi
    sleep 0.1
  done
  if [ ! -s "$scratch/display" ]; then
    echo "Xvfb gave no display within 30 seconds" >&2
    return 1
  fi
  export DISPLAY=":$(head -n 1 "$scratch/display")" QT_QPA_PLATFORM=xcb
  export XDG_RUNTIME_DIR="$scratch/runtime"
  unset WAYLAND_DISPLAY
}
