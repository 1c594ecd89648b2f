# shellcheck shell=bash
# Sourced by the tests that look at the programs' windows through a display
# server: what each program's main window is called, and its desktop entry.
# shellcheck source=SCRIPTDIR/start_check.sh
source "$(dirname "${BASH_SOURCE[0]}")/start_check.sh"

# main_title GAME: the exact title of GAME's main window.
main_title() {
  case $1 in
    orchard) echo "- Orchard for Windows 95 -" ;;
    briko) echo "- BRIKO for Windows 95 -" ;;
    pillora) echo "- Pillora for Windows 95 -" ;;
  esac
}

# entry_for PACKAGING_FOLDER GAME: the desktop entry that starts GAME.
entry_for() {
  local entry
  entry=$(grep -lx "Exec=$2" "$1"/applications/*.desktop) || fail "no desktop entry starts $2"
  [ "$(wc -l <<<"$entry")" -eq 1 ] || fail "more than one desktop entry starts $2: $entry"
  echo "$entry"
}

# entry_key ENTRY KEY: the value of KEY in the entry's main group.
entry_key() {
  sed -n "/^\[Desktop Entry\]/,/^\[/s/^$2=//p" "$1"
}
