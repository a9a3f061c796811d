#!/usr/bin/env bash
# Builds the program for the browser with Debian's emscripten: the core and
# its unit tests (run under node through ctest, as the Windows check runs them
# under Wine) and the page, one self-contained file <build>/ruvex3d.html, with
# the installable site beside it in <build>/site/ (the same page as separate
# files under hashed names, packed with brotli and gzip beside them, a
# manifest, a service worker and the icons; needs the desktop build's icons,
# from RUVEX_ICONS_DIR, default build/pictures/icons).
#
#   bash tools/web_build.sh [build-folder]      # default: build-web
#
# Installs what is missing from Debian first (as root, or through sudo), and
# the browser tests' driver and the linter (ESLint) from npm, pinned by
# web/package-lock.json. The
# page's tests compare its pictures with the desktop command line's: they
# use RUVEX_NATIVE_PROGRAM (default build/ruvex3d) and are skipped without it;
# the pictures come from RUVEX_PICTURES_DIR (default build/pictures/generated).
# Only builds; `ctest --test-dir <build-folder>` runs the tests.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$here/build-web}"
jobs="${RUVEX_JOBS:-2}"
native="${RUVEX_NATIVE_PROGRAM:-$here/build/ruvex3d}"
# The program's pictures, drawn by the desktop build (a Qt program draws them).
pictures="${RUVEX_PICTURES_DIR:-$here/build/pictures/generated}"
# The icon's sizes for the installable site, beside them.
icons="${RUVEX_ICONS_DIR:-$(dirname "$pictures")/icons}"

# Without them the page would lack its pictures and the site its icons: say
# so now, not after the build.
for needed in "$pictures/ruvex3d.ico" "$icons/512/ruvex3d.png"; do
    if [ ! -f "$needed" ]; then
        echo "web_build.sh: $needed is missing: the page's pictures are drawn by the desktop build" >&2
        echo "  (bash tools/quickstart.sh web builds them, then the page)" >&2
        exit 1
    fi
done

source "$here/tools/install_missing.sh"
# node and npm may come from elsewhere than Debian (a newer node): only when
# there is none is Debian's installed.
install_missing cmake make emscripten binaryen node-acorn googletest chromium chromium-headless-shell
command -v node >/dev/null && command -v npm >/dev/null || install_missing nodejs npm

# This emscripten's optimiser loads acorn from Debian's node modules.
export NODE_PATH=/usr/share/nodejs
mkdir -p "$build"
build="$(cd "$build" && pwd)"
node_bin="$(command -v node)"

# GoogleTest for WebAssembly, built once per version of the googletest and
# emscripten packages and kept in the user's cache, so a new build folder or
# clone finds it. Its exceptions are WebAssembly's own, as the core's are
# (CMakeLists.txt): the two kinds do not link together.
gtest="${RUVEX_GTEST_WASM_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ruvex3d/googletest-wasm-exceptions}"
gtest_version="$(dpkg-query -W -f='${Version} ' googletest emscripten)wasm-exceptions"
if [ "$(cat "$gtest/version" 2>/dev/null)" != "$gtest_version" ]; then
    echo "== GoogleTest for WebAssembly"
    rm -rf "$gtest"
    emcmake cmake -S /usr/src/googletest -B "$gtest/build" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_CXX_FLAGS=-fwasm-exceptions -DCMAKE_INSTALL_PREFIX="$gtest/install" \
        -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON -Dgtest_disable_pthreads=ON >/dev/null
    cmake --build "$gtest/build" -j "$jobs" >/dev/null
    cmake --install "$gtest/build" >/dev/null
    echo "$gtest_version" >"$gtest/version"
fi

# The browser tests' driver and the linter, only when the lock file changed.
npm_dir="$build/npm"
if ! cmp -s "$here/web/package-lock.json" "$npm_dir/package-lock.json"; then
    echo "== Browser test driver and linter from npm"
    mkdir -p "$npm_dir"
    cp "$here/web/package.json" "$here/web/package-lock.json" "$npm_dir/"
    (cd "$npm_dir" && PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD=1 npm ci --no-audit --no-fund --ignore-scripts)
fi

echo "== Core, unit tests and page for WebAssembly"
source "$here/tools/ccache_settings.sh"
ccache_settings "$here"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
emcmake cmake -S "$here" -B "$build" -DRUVEX_CORE_ONLY=ON -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$node_bin" -DCMAKE_FIND_ROOT_PATH="$gtest/install" -DGTest_DIR="$gtest/install/lib/cmake/GTest" \
    -DRUVEX_NATIVE_PROGRAM="$native" -DRUVEX_PICTURES_DIR="$pictures" -DRUVEX_ICONS_DIR="$icons" -DRUVEX_NODE_MODULES="$npm_dir/node_modules" \
    "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$jobs"
echo "== Page: $build/ruvex3d.html ($(stat -c %s "$build/ruvex3d.html") bytes); installable site: $build/site/"
