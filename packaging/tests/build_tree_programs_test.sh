#!/usr/bin/env bash
# build_tree_programs_test.sh PROGRAM_FOLDER: the programs in the build's program
# folder find their files beside them and keep their high scores in the current
# directory, as they do when ./run starts them.
set -euo pipefail
source "$(dirname "$0")/start_check.sh"
folder=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
for game in orchard briko pillora; do
  start_program_check "$folder/$game" "$home" beside
done
