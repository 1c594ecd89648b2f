#!/usr/bin/env bash
# debian_package_test.sh BUILD_FOLDER: makes the Debian package, checks its name,
# its dependencies, its licence and lintian's verdict, unpacks it into a
# temporary root and starts each program from there.
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

recommends=$(dpkg-deb -f "$package" Recommends)
echo "Recommends: $recommends"
grep -q qt6-wayland <<<"$recommends" || fail "the package does not recommend qt6-wayland"

# Any remark fails the test, down to the pedantic ones; in a sanitizers' build,
# which is never shipped and is not fortified, only errors and warnings do.
fail_on=error,warning
grep -q '^FALLPACK_SANITIZE:BOOL=ON$' "$build/CMakeCache.txt" || fail_on+=,info,pedantic
lintian --fail-on "$fail_on" --display-info --pedantic --tag-display-limit 0 "$package"

dpkg-deb -x "$package" "$home/root"
grep -qx 'License: GPL-3+' "$home/root/usr/share/doc/fallpack/copyright" ||
  fail "the package's copyright file grants no GPL-3+"
# Debian keeps games in /usr/games.
for game in orchard briko pillora; do
  start_program_check "$home/root/usr/games/$game" "$home/players" installed
done
