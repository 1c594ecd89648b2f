#!/usr/bin/env bash
# validate_desktop_files.sh PACKAGING_FOLDER: the desktop entries and the AppStream
# metadata pass their validators without an error.
set -euo pipefail
folder=$1
status=0
for entry in "$folder"/applications/*.desktop; do
  desktop-file-validate "$entry" || status=1
done
for metainfo in "$folder"/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net "$metainfo" || status=1
done
exit $status
