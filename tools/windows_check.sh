#!/usr/bin/env bash
# Checks the program against 64-bit Windows from a Debian machine, with
# MinGW-w64 and Wine; no Windows and no display needed.
#
#   bash tools/windows_check.sh [tests|syntax|all] [build-folder]
#
#   tests   Builds GoogleTest and the Qt-free core (RUVEX_CORE_ONLY) for
#           Windows and runs the core's unit tests under wine64 through ctest.
#   syntax  Compiles every source file of the program (not the tests) for the
#           Windows target against this machine's Qt 6 headers, syntax only,
#           and lists the files that do not compile with their first error.
#   all     Both (the default).
#
# Installs what is missing from Debian first (as root, or through sudo). The
# build folder defaults to build-windows in the source tree; GoogleTest and
# the Wine prefix are kept there, so later runs only rebuild what changed.
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

    # GoogleTest for Windows, built once per version of the googletest package.
    local gtest_version gtest="$build/googletest"
    gtest_version="$(dpkg-query -W -f='${Version}' googletest)"
    if [ "$(cat "$gtest/version" 2>/dev/null)" != "$gtest_version" ]; then
        echo "== GoogleTest $gtest_version for Windows"
        rm -rf "$gtest"
        cmake -S /usr/src/googletest -B "$gtest/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
              -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest/install" \
              -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON >/dev/null
        cmake --build "$gtest/build" -j "$jobs" >/dev/null
        cmake --install "$gtest/build" >/dev/null
        echo "$gtest_version" >"$gtest/version"
        elapsed
    fi

    echo "== Core library and its unit tests for Windows"
    cmake -S "$here" -B "$build/core" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DRUVEX_CORE_ONLY=ON \
          -DCMAKE_FIND_ROOT_PATH="$gtest/install" >/dev/null
    cmake --build "$build/core" -j "$jobs"
    elapsed

    echo "== Unit tests under Wine"
    local log="$build/ctest.log"
    ctest --test-dir "$build/core" --output-on-failure -j "$jobs" 2>&1 | tee "$log" || tests_failed=1
    tests_summary="$(grep -E 'tests passed, [0-9]+ tests failed out of' "$log" | tail -1 || true)"
    [ -n "$tests_summary" ] || { tests_summary="no test summary from ctest"; tests_failed=1; }
    grep -q ' 0 tests failed' <<<"$tests_summary" || tests_failed=1
    elapsed
}

# One file, syntax only, for the Windows target: the compiler's messages go
# to <logs>/<file>.log, the headers it read to <file>.d, and <file>.failed
# marks a file that did not compile. A file whose log is newer than the file
# and every project header it read is not compiled again.
check_one() {
    local file="$1" logs="$2"
    local log="$logs/$file.log" deps="$logs/$file.d" failed="$logs/$file.failed"
    if [ -f "$log" ] && [ -f "$deps" ]; then
        local inputs=()
        read -r -a inputs < <(sed -e 's/^[^:]*://' -e 's/\\$//' "$deps" | tr '\n' ' ')
        if [ ${#inputs[@]} -gt 0 ] && [ -z "$(find "${inputs[@]}" -newer "$log" 2>&1 | head -1)" ]; then
            echo "$file" >>"$logs/unchanged"
            return 0
        fi
    fi
    mkdir -p "$(dirname "$log")"
    rm -f "$failed" "$deps"
    "$cxx" -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -MMD -MF "$deps" \
        -I"$here" -isystem "$qt_include" -isystem "$qt_include/QtCore" \
        -isystem "$qt_include/QtGui" -isystem "$qt_include/QtWidgets" -isystem "$extra_include" \
        "$here/$file" >"$log" 2>&1 || touch "$failed"
}

run_syntax() {
    echo "== Every program source for Windows, syntax only"
    local files=() file
    mapfile -t files < <(cd "$here" && find surface view platform export ui pictures bench \
                             -name '*.cpp' | LC_ALL=C sort)
    # Earlier results hold while the compiler, the Qt and benchmark headers
    # and the way files are compiled stay the same.
    local logs="$build/syntax" key
    key="$($cxx --version | head -1) $(dpkg-query -W -f='${Version} ' qt6-base-dev libbenchmark-dev)
$(declare -f check_one)"
    [ "$(cat "$logs/key" 2>/dev/null)" = "$key" ] || rm -rf "$logs"
    mkdir -p "$logs"
    echo "$key" >"$logs/key"
    : >"$logs/unchanged"
    # Google Benchmark's header is the same for every target; Debian ships it
    # for Linux only, so that one folder is made visible, not /usr/include.
    extra_include="$build/include"
    mkdir -p "$extra_include"
    ln -sfn /usr/include/benchmark "$extra_include/benchmark"
    export -f check_one
    export cxx here qt_include extra_include
    printf '%s\n' "${files[@]}" | xargs -P "$jobs" -I{} bash -c 'check_one "$1" "$2"' _ {} "$logs"

    local errors=0
    for file in "${files[@]}"; do
        if [ -e "$logs/$file.failed" ]; then
            errors=$((errors + 1))
            echo "FAIL $file: $(grep -m1 -E 'error:' "$logs/$file.log" | sed "s|$here/||; s|$qt_include/||")"
        else
            local warnings
            warnings=$(grep -c 'warning:' "$logs/$file.log" || true)
            if [ "$warnings" -gt 0 ]; then
                echo "ok   $file ($warnings warnings: $(grep -m1 'warning:' "$logs/$file.log" | sed "s|$here/||"))"
            else
                echo "ok   $file"
            fi
        fi
    done
    echo "$(wc -l <"$logs/unchanged") of ${#files[@]} files unchanged since the last check"
    # M counts the files that did not compile; their messages are in $logs.
    syntax_summary="syntax check for Windows: ${#files[@]} files, $errors errors"
    [ "$errors" -eq 0 ] || syntax_failed=1
    elapsed
}

[ "$mode" = tests ] || run_syntax
[ "$mode" = syntax ] || run_tests

echo "== Windows check done in $((SECONDS - started)) s"
[ -z "$syntax_summary" ] || echo "$syntax_summary"
[ -z "$tests_summary" ] || echo "$tests_summary"
[ "$tests_failed" -eq 0 ] && [ "$syntax_failed" -eq 0 ]
