#!/usr/bin/env bash
# Checks the program against 64-bit Windows from a Debian machine, with
# MinGW-w64 and Wine; no Windows and no display needed.
#
#   bash tools/windows_check.sh [tests|syntax|all] [build-folder]
#
#   tests   Builds GoogleTest and the Qt-free core (RUVEX_CORE_ONLY) for
#           Windows and runs the core's unit tests under wine64 through ctest.
#   syntax  Compiles every source file of the program (not the tests) for the
#           Windows target against this machine's Qt 6 headers (nothing is
#           linked), and lists the files that do not compile with their first
#           error.
#   all     Both (the default).
#
# Installs what is missing from Debian first (as root, or through sudo). The
# build folder defaults to build-windows in the source tree; GoogleTest and
# the Wine prefix are kept there; CMake's builds there redo only what changed.
# Exits non-zero if a test fails or a file does not compile.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
mode="${1:-all}"
build="${2:-$here/build-windows}"
jobs="${RUVEX_JOBS:-2}"
case "$mode" in
    tests|syntax|all) ;;
    *) echo "usage: $0 [tests|syntax|all] [build-folder]" >&2; exit 2 ;;
esac

target=x86_64-w64-mingw32
cxx=$target-g++-posix
toolchain="$here/cmake/mingw-w64-x86_64.cmake"
qt_include=/usr/include/x86_64-linux-gnu/qt6

source "$here/tools/install_missing.sh"

install_missing cmake make g++-mingw-w64-x86-64-posix wine64 googletest qt6-base-dev libbenchmark-dev
mkdir -p "$build"
build="$(cd "$build" && pwd)"

started=$SECONDS
elapsed() { echo "($((SECONDS - started)) s so far)"; }

tests_summary=""
tests_failed=0
syntax_summary=""
syntax_failed=0

run_tests() {
    # Wine without a display and without its Mono and Gecko installers, in a
    # prefix of its own.
    export WINEPREFIX="$build/wine" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
    unset DISPLAY WAYLAND_DISPLAY
    local wine
    wine="$(command -v wine64 || echo /usr/lib/wine/wine64)"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "== Wine prefix"
        "$wine" wineboot -i >/dev/null 2>&1 || true
        "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
    fi

    # GoogleTest for Windows from Debian's sources: CMake rebuilds it only
    # when they change.
    local gtest="$build/googletest"
    echo "== GoogleTest for Windows"
    cmake -S /usr/src/googletest -B "$gtest/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
          -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest/install" \
          -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON >/dev/null
    cmake --build "$gtest/build" -j "$jobs" >/dev/null
    cmake --install "$gtest/build" >/dev/null
    elapsed

    echo "== Core library and its unit tests for Windows"
    cmake -S "$here" -B "$build/core" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DRUVEX_CORE_ONLY=ON \
          -DCMAKE_FIND_ROOT_PATH="$gtest/install" >/dev/null
    cmake --build "$build/core" -j "$jobs"
    elapsed

    echo "== Unit tests under Wine"
    # One wineserver for the whole run: with parallel tests, a client that
    # connects while an idle server is shutting down loses its connection
    # ("wine client error ... Connection reset by peer") and its test fails
    # without having run.
    local wineserver
    wineserver="$(dirname "$wine")/wineserver"
    # Its services start here, away from ctest's output pipes: started by a
    # test, they would hold that test's output open for as long as the
    # server lives, and ctest would wait for them.
    "$wineserver" -p 2>/dev/null || true
    "$wine" wineboot >/dev/null 2>&1 </dev/null || true
    local log="$build/ctest.log"
    ctest --test-dir "$build/core" --output-on-failure -j "$jobs" 2>&1 | tee "$log" || tests_failed=1
    if grep -q 'wine client error' "$log"; then
        # A test the server dropped has not run at all: run those once more.
        echo "== Tests Wine dropped, once more"
        tests_failed=0
        ctest --test-dir "$build/core" --output-on-failure --rerun-failed 2>&1 | tee -a "$log" || tests_failed=1
    fi
    "$wineserver" -k 2>/dev/null || true
    tests_summary="$(grep -E 'tests passed, [0-9]+ tests failed out of' "$log" | tail -1 || true)"
    [ -n "$tests_summary" ] || { tests_summary="no test summary from ctest"; tests_failed=1; }
    grep -q ' 0 tests failed' <<<"$tests_summary" || tests_failed=1
    elapsed
}

# Every program source compiled for the Windows target by a CMake project of
# its own (tools/windows_syntax); CMake rebuilds only what changed since the
# last check. Make goes on past a file that does not compile (-k), so every
# such file is listed with its first error.
run_syntax() {
    echo "== Every program source for Windows, compiled against this machine's Qt headers"
    local syntax="$build/syntax" log="$build/syntax.log"
    cmake -S "$here/tools/windows_syntax" -B "$syntax" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
          -DRUVEX_QT_INCLUDE="$qt_include" >/dev/null
    cmake --build "$syntax" -j "$jobs" -- -k >"$log" 2>&1 || true
    local files errors
    files=$(cd "$here" && find surface view window platform export ui pictures bench -name '*.cpp' | wc -l)
    errors=$(grep -E '^[^ :]+\.(cpp|h):[0-9]+:[0-9]+: error:' "$log" | cut -d: -f1 | sort -u || true)
    if [ -n "$errors" ]; then
        while read -r file; do
            echo "FAIL ${file#"$here"/}: $(grep -m1 -F "$file" "$log" | grep -m1 'error:' | sed "s|$here/||")"
        done <<<"$errors"
    fi
    local warnings
    warnings=$(grep -c 'warning:' "$log" || true)
    [ "$warnings" -eq 0 ] || grep 'warning:' "$log" | sed "s|$here/||" | head -20
    local failed=0
    [ -z "$errors" ] || failed=$(wc -l <<<"$errors")
    grep -q 'Built target windows_syntax' "$log" || [ "$failed" -gt 0 ] || failed=1
    syntax_summary="compile check for Windows: $files files, $failed with errors, $warnings warnings"
    [ "$failed" -eq 0 ] || syntax_failed=1
    elapsed
}

[ "$mode" = tests ] || run_syntax
[ "$mode" = syntax ] || run_tests

echo "== Windows check done in $((SECONDS - started)) s"
[ -z "$syntax_summary" ] || echo "$syntax_summary"
[ -z "$tests_summary" ] || echo "$tests_summary"
[ "$tests_failed" -eq 0 ] && [ "$syntax_failed" -eq 0 ]
