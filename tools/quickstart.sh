#!/usr/bin/env bash
# Installs what the build needs from Debian (only what is missing), builds,
# then runs the viewer ("run") or the whole test suite ("test").
#
#   bash tools/quickstart.sh run     # build and start RUVEX Display 3D
#   bash tools/quickstart.sh test    # build and run every test
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RUVEX_BUILD_DIR:-$here/build}"
mode="${1:-}"

build_packages=(cmake g++ make qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev libgtest-dev libgmock-dev
                libbenchmark-dev fonts-liberation fonts-dejavu-core)
# The real-window tests drive the program under a virtual X server; the export
# tests render the SVG pictures with rsvg-convert.
test_packages=(xvfb xauth xdotool imagemagick xclip python3 librsvg2-bin locales)

source "$here/tools/install_missing.sh"
source "$here/tools/configure_build.sh"

configure() {
    configure_build "$here" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
}

case "$mode" in
run)
    install_missing "${build_packages[@]}"
    configure
    # The viewer alone: tests and benchmarks are built by "test".
    cmake --build "$build" --target ruvex3d -j"$(nproc)"
    exec "$build/ruvex3d"
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    # The Indonesian locale writes a decimal comma: the captions' test needs
    # it to prove they keep their point.
    if [ "$(id -u)" -eq 0 ] && ! locale -a 2>/dev/null | grep -qi '^id_ID\.utf-\?8$'; then
        localedef -i id_ID -f UTF-8 id_ID.UTF-8 || echo "id_ID.UTF-8 could not be made; its test is skipped"
    fi
    configure
    cmake --build "$build" -j"$(nproc)"
    cd "$build"
    exec ctest --output-on-failure -j"$(nproc)"
    ;;
*)
    echo "usage: bash tools/quickstart.sh run|test" >&2
    exit 2
    ;;
esac
