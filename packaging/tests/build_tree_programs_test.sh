#!/usr/bin/env bash
# build_tree_programs_test.sh PROGRAM_FOLDER: the programs in the build's program
# folder, and in a portable copy of it, find their files beside them and keep
# their high scores in the current directory, as they do when ./run starts them.
set -euo pipefail
# shellcheck source=SCRIPTDIR/start_check.sh
source "$(dirname "$0")/start_check.sh"
folder=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
for game in orchard briko pillora; do
  start_program_check "$folder/$game" "$home/build" beside
done

portable=$home/portable
mkdir "$portable"
cp "$folder"/{orchard,briko,pillora} "$folder"/*.mid "$folder"/*.wav "$portable"
for game in orchard briko pillora; do
  start_program_check "$portable/$game" "$home/copy" beside
done

# The start check tells a missing file and fails.
rm "$portable/Orchard2.wav"
if output=$(cd "$home" && HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config \
  FALLPACK_START_CHECK=1 timeout 60 \
  "$portable/orchard"); then
  fail "orchard passed its start check without Orchard2.wav"
fi
grep -qx "missing $portable/Orchard2.wav" <<<"$output" || fail "no word of the missing wave: $output"
