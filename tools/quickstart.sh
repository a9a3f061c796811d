#!/usr/bin/env bash
# Installs what the build needs from Debian (only what is missing), builds,
# then runs the viewer ("run") or the whole test suite ("test").
#
#   bash tools/quickstart.sh run     # build and start RUVEX Display 3D
#   bash tools/quickstart.sh test    # build and run every test, the page's too
#   bash tools/quickstart.sh web     # build the page, build-web/ruvex3d.html
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${RUVEX_BUILD_DIR:-$here/build}"
mode="${1:-}"

build_packages=(cmake g++ make ccache qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-l10n-tools libgl-dev libgtest-dev libgmock-dev
                libbenchmark-dev fonts-liberation fonts-dejavu-core)
# The real-window tests drive the program under a virtual X server; the export
# tests render the SVG pictures with rsvg-convert.
test_packages=(xvfb xauth xdotool imagemagick xclip python3 librsvg2-bin locales)

source "$here/tools/install_missing.sh"
source "$here/tools/configure_build.sh"

# Compiled through ccache (see tools/ccache_settings.sh). CI (CI=true)
# treats every compiler warning as an error.
source "$here/tools/ccache_settings.sh"
ccache_settings "$here"
configure() {
    local werror=OFF
    [ "${CI:-}" = true ] && werror=ON
    local launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    configure_build "$here" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR="$werror" \
        "${launcher[@]}"
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
    status=0
    # Every test but the `long` ones (the command line's race at full
    # length), which CI runs. CI runs the fast tier first (the core's and the
    # widgets' tests) and stops at once when it fails; otherwise all run
    # together, the real window beside the rest.
    if [ "${CI:-}" = true ]; then
        ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -L 'unit|widgets' || exit 1
        ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -LE 'unit|widgets|long' || status=1
    else
        ctest --test-dir "$build" --output-on-failure -j"$(nproc)" -LE long || status=1
    fi
    # The page: the core's tests under node, the page's lint and its tests in
    # Chromium against this build's command line.
    RUVEX_NATIVE_PROGRAM="$build/ruvex3d" RUVEX_PICTURES_DIR="$build/pictures/generated" \
        bash "$here/tools/web_build.sh" "$here/build-web" || status=1
    ctest --test-dir "$here/build-web" --output-on-failure -j"$(nproc)" || status=1
    exit "$status"
    ;;
web)
    # The program's pictures are drawn by the desktop build's generator.
    install_missing "${build_packages[@]}"
    configure
    cmake --build "$build" --target program_pictures desktop_icons -j"$(nproc)"
    RUVEX_PICTURES_DIR="$build/pictures/generated" bash "$here/tools/web_build.sh" "$here/build-web"
    ;;
*)
    echo "usage: bash tools/quickstart.sh run|test|web" >&2
    exit 2
    ;;
esac
