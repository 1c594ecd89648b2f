#!/usr/bin/env bash
# installed_programs_test.sh BUILD_FOLDER: installs into a temporary prefix, checks
# where the files went, and starts each installed program there; then moves the
# whole installation and starts them again, since nothing may hard-code the prefix.
set -euo pipefail
# shellcheck source=SCRIPTDIR/start_check.sh
source "$(dirname "$0")/start_check.sh"
build=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
prefix=$home/prefix
# By component, so that build/install_manifest.txt keeps the player's own install.
cmake --install "$build" --prefix "$prefix" --component Unspecified >/dev/null

bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build/CMakeCache.txt")
for id in org.fallpack.Orchard org.fallpack.Briko org.fallpack.Pillora; do
  for file in applications/$id.desktop metainfo/$id.metainfo.xml \
    icons/hicolor/scalable/apps/$id.svg; do
    [ -f "$prefix/share/$file" ] || fail "share/$file is not installed"
  done
  for size in 16 22 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/$id.png
    [ -f "$icon" ] || fail "$icon is not installed"
    file "$icon" | grep -q "$size x $size" || fail "$icon is not $size pixels square"
  done
done
for game in orchard briko pillora; do
  [ -f "$prefix/share/man/man6/$game.6.gz" ] || fail "the manual page of $game is not installed"
  zcat "$prefix/share/man/man6/$game.6.gz" | grep -q XDG_DATA_HOME ||
    fail "the manual page of $game says nothing of XDG_DATA_HOME"
done

for game in orchard briko pillora; do
  start_program_check "$prefix/$bindir/$game" "$home/first" installed
done
mv "$prefix" "$home/moved"
for game in orchard briko pillora; do
  start_program_check "$home/moved/$bindir/$game" "$home/second" installed
done
