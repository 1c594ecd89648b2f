#!/usr/bin/env bash
# validate_desktop_files.sh PACKAGING_FOLDER: the desktop entries and the AppStream
# metadata pass their validators without a remark, but for the two hints below;
# each entry's comment is its metadata's summary, short enough for a software
# centre's tile.
set -euo pipefail
folder=$1
status=0
complain() {
  echo "FAIL: $*" >&2
  status=1
}

for entry in "$folder"/applications/*.desktop; do
  output=$(desktop-file-validate "$entry") || status=1
  [ -z "$output" ] || complain "$output"
done

# The hints that stay, each for its reason:
# - cid-contains-uppercase-letter: the component id is the desktop id, which is
#   also the app id the programs announce on Wayland ("org.fallpack.Orchard").
# - unknown-tag developer: AppStream 0.16 (Debian 12) predates the <developer>
#   element, which replaces the deprecated developer_name.
kept='cid-contains-uppercase-letter|unknown-tag developer'
for metainfo in "$folder"/metainfo/*.metainfo.xml; do
  output=$(appstreamcli validate --pedantic --no-net "$metainfo") || status=1
  echo "$output"
  others=$(grep -E '^[A-Z]: ' <<<"$output" | grep -Ev "^[IP]: [^ ]+ ($kept)( |$)" || true)
  [ -z "$others" ] || complain "$(basename "$metainfo"): $others"

  id=$(basename "$metainfo" .metainfo.xml)
  summary=$(sed -n 's:^  <summary>\(.*\)</summary>$:\1:p' "$metainfo")
  comment=$(sed -n 's/^Comment=//p' "$folder/applications/$id.desktop")
  [ "$summary" = "$comment" ] || complain "$id: the summary '$summary' is not the comment '$comment'"
  [ "${#summary}" -le 35 ] || complain "$id: the summary '$summary' is longer than 35 characters"
done
exit $status
