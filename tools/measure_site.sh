#!/usr/bin/env bash
# Measures the built site and page (web/measure/measure.js): Lighthouse's
# mobile and desktop presets on <build>/site served on localhost, what the
# first visit, a second one and a visit after a new build fetch, and the one
# file's first picture from file:// against a View3D sphere's. Not a test.
#
#   bash tools/measure_site.sh [build-folder] [--compress] [--runs N] [--only wasm,lighthouse,visits,file]
#
# build-folder (default build-web) is what tools/web_build.sh built: the
# site, the one file and the browser tests' driver. Lighthouse and the
# library drawn against come from npm, pinned by web/measure/package-lock.json,
# installed into <build>/measure only here, when the lock file changed.
# --compress sends the site compressed as it is sent (a server with
# compression on), where it has no .br/.gz files of its own.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$here/build-web"
if [ $# -gt 0 ] && [ "${1#--}" = "$1" ]; then
    build="$1"
    shift
fi
build="$(cd "$build" && pwd)"

for needed in "$build/site/index.html" "$build/ruvex3d.html" "$build/npm/node_modules/playwright-core"; do
    if [ ! -e "$needed" ]; then
        echo "measure_site.sh: $needed is missing: build the page first (bash tools/web_build.sh $build)" >&2
        exit 1
    fi
done

measure_dir="$build/measure"
if ! cmp -s "$here/web/measure/package-lock.json" "$measure_dir/package-lock.json"; then
    echo "== Lighthouse and the library drawn against, from npm"
    mkdir -p "$measure_dir"
    cp "$here/web/measure/package.json" "$here/web/measure/package-lock.json" "$measure_dir/"
    (cd "$measure_dir" && npm ci --ignore-scripts --no-audit --no-fund)
fi

export CHROME_PATH="${CHROME_PATH:-/usr/bin/chromium}"
NODE_PATH="$build/npm/node_modules" node "$here/web/measure/measure.js" "$build" "$@"
