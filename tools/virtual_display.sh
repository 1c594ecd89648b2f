# Sourced by the tools that run the games on a virtual X display (idle_cpu.sh,
# startup_time.sh); needs tools/packages.sh sourced before it.

# fallpack_virtual_display SCRATCH [SCREEN]: installs xvfb and xauth when they are
# missing, starts Xvfb on the first free display from :90 on (SCREEN defaults to
# 800x600x24), waits for it, and points the games at it: DISPLAY, Qt's xcb platform
# and a private XDG_RUNTIME_DIR in SCRATCH/runtime, no Wayland display. The
# server's process id is left in fallpack_display_server; the caller ends it.
fallpack_virtual_display() {
  local scratch=$1 screen=${2:-800x600x24} display=90
  fallpack_install_packages xvfb xauth
  mkdir -p "$scratch/runtime"
  chmod 0700 "$scratch/runtime"
  while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
  done
  Xvfb ":$display" -screen 0 "$screen" -nolisten tcp >"$scratch/xvfb.log" 2>&1 &
  fallpack_display_server=$!
  for _ in $(seq 50); do
    [ -e "/tmp/.X11-unix/X$display" ] && break
    sleep 0.1
  done
  export DISPLAY=":$display" QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$scratch/runtime"
  unset WAYLAND_DISPLAY
}
