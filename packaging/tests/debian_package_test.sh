#!/usr/bin/env bash
# debian_package_test.sh BUILD_FOLDER: makes the Debian package, checks its name,
# its dependencies and lintian's verdict, unpacks it into a temporary root and
# starts each program from there.
set -euo pipefail
# shellcheck source=SCRIPTDIR/start_check.sh
source "$(dirname "$0")/start_check.sh"
build=$1
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$home/package" >/dev/null

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:[A-Z]*=//p' "$build/CMakeCache.txt")
package=$home/package/fallpack_${version}_$(dpkg --print-architecture).deb
[ -f "$package" ] || fail "no $(basename "$package"): $(ls "$home/package")"

depends=$(dpkg-deb -f "$package" Depends)
echo "Depends: $depends"
for needed in timgm6mb-soundfont fonts-dejavu-core fonts-dejavu-extra libqt6widgets6 \
  libsdl2-mixer-2.0-0 libc6; do
  grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

# Errors fail the test; warnings are shown.
lintian --fail-on error --tag-display-limit 0 "$package"

dpkg-deb -x "$package" "$home/root"
# Debian keeps games in /usr/games.
for game in orchard briko pillora; do
  start_program_check "$home/root/usr/games/$game" "$home/players" installed
done
