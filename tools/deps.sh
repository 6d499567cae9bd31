#!/bin/sh
# Installs the Debian packages that building and testing Zefirak need.
# Only packages that are missing are installed, so running it twice is cheap.
# Usage: tools/deps.sh [build|test|bench]   (default: build)
set -eu

BUILD_PKGS="cmake g++ make pkgconf qt6-base-dev qt6-translations-l10n fonts-liberation fonts-dejavu-core qt6-svg-dev"
TEST_PKGS="ninja-build clang-format libx11-dev xvfb xauth xdotool x11-utils openbox xclip imagemagick poppler-utils lhasa jlha-utils bodr clang libclang-rt-14-dev binutils gzip desktop-file-utils appstream util-linux cups printer-driver-cups-pdf weston qt6-wayland libxml2-utils"
# The Debian package: cpack's DEB generator asks dpkg-shlibdeps for the
# dependencies; the test lints the package.
BUILD_PKGS="$BUILD_PKGS dpkg-dev"
TEST_PKGS="$TEST_PKGS lintian"

# The timing programs in tools/bench.
BENCH_PKGS="xvfb python3-xlib time"

want="$BUILD_PKGS"
case "${1:-build}" in
test) want="$want $TEST_PKGS" ;;
bench) want="$want $BENCH_PKGS" ;;
esac

missing=""
for p in $want; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
