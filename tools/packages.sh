# Sourced by ./run and ./test: installs the Debian packages the project needs,
# only those that are missing, and configures and builds the project.

# The translations need Qt's lupdate and lrelease (qt6-l10n-tools, and
# qt6-tools-dev for their CMake package) and Qt's own translations of its
# standard buttons (qt6-translations-l10n).
FALLPACK_PACKAGES=(
  qt6-base-dev qt6-base-private-dev qt6-svg-dev libsdl2-dev libsdl2-mixer-dev timgm6mb-soundfont
  cmake ninja-build g++ pkg-config libgtest-dev libbenchmark-dev fonts-dejavu-core
  fonts-dejavu-extra qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)

# What ./test needs to build the Debian package and check it and the desktop files,
# and to start the programs under a headless Wayland compositor and under Xvfb.
FALLPACK_PACKAGING_PACKAGES=(desktop-file-utils appstream lintian dpkg-dev file fakeroot
  weston qt6-wayland xvfb x11-utils)

fallpack_install_packages() {
  local missing=() pkg
  for pkg in "${FALLPACK_PACKAGES[@]}" "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  "${sudo[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# fallpack_configure BUILD_DIR [cmake options...]: only when it has no build yet.
fallpack_configure() {
  local dir=$1
  shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S "$FALLPACK_ROOT" -B "$dir" -G Ninja "$@" || return 1
  fi
}

# fallpack_build BUILD_DIR [cmake options...]: everything, tests and benchmarks too,
# or only FALLPACK_BUILD_TARGET when it is set.
fallpack_build() {
  fallpack_configure "$@" || return 1
  cmake --build "$1" ${FALLPACK_BUILD_TARGET:+--target "$FALLPACK_BUILD_TARGET"} || return 1
}

# fallpack_build_game BUILD_DIR GAME: only the game and the files beside it.
fallpack_build_game() {
  fallpack_configure "$1" || return 1
  cmake --build "$1" --target "$2" || return 1
}
