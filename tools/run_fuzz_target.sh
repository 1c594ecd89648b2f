#!/usr/bin/env bash
# run_fuzz_target.sh FUZZER CORPUS SECONDS
# Runs a libFuzzer target for SECONDS on a copy of its seed corpus, so a run
# never changes the committed seeds. Fails on any crash, leak, timeout or
# sanitizer report; the input that caused it is kept in the build's
# fuzz/artifacts/ folder and printed in hex.
set -euo pipefail
fuzzer=$1 corpus=$2 seconds=$3
name=$(basename "$fuzzer")
artifacts="$(dirname "$fuzzer")/artifacts"
mkdir -p "$artifacts"

work=$(mktemp -d)
# The targets write their files under TMPDIR; memory is much faster than disk
# for a file synced on every write.
scratch=$(mktemp -d "$([ -w /dev/shm ] && echo /dev/shm || echo "${TMPDIR:-/tmp}")/fallpack-$name.XXXXXX")
trap 'rm -rf "$work" "$scratch"' EXIT
cp -R "$corpus/." "$work/"
rm -f "$artifacts/$name-"*

status=0
TMPDIR=$scratch "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
  -print_final_stats=1 -artifact_prefix="$artifacts/$name-" "$work" || status=$?
if [ "$status" -ne 0 ]; then
  for input in "$artifacts/$name-"*; do
    [ -f "$input" ] && { echo "== $input"; od -A d -t x1z "$input" | head -40; }
  done
fi
exit "$status"
