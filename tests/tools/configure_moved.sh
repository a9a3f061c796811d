#!/usr/bin/env bash
# The quick start's configure step in a folder that was moved or copied with
# its build folder: the build folder is started afresh and configures; a
# failure of another kind is reported and leaves the build folder alone.
#   bash tests/tools/configure_moved.sh tools/configure_build.sh
set -u
source "$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

mkdir "$work/stick"
printf 'cmake_minimum_required(VERSION 3.16)\nproject(moved NONE)\n' >"$work/stick/CMakeLists.txt"
configure_build "$work/stick" "$work/stick/build" || fail "the first configuration failed"
cp -a "$work/stick" "$work/copy"
mv "$work/stick" "$work/moved"

for tree in copy moved; do
    configure_build "$work/$tree" "$work/$tree/build" 2>"$work/said" || fail "$tree: $(cat "$work/said")"
    grep -q "starting it afresh" "$work/said" || fail "$tree: not said that the build folder starts afresh"
    grep -qx "CMAKE_CACHEFILE_DIR:INTERNAL=$work/$tree/build" "$work/$tree/build/CMakeCache.txt" \
        || fail "$tree: the cache still belongs elsewhere"
    configure_build "$work/$tree" "$work/$tree/build" 2>"$work/said" || fail "$tree: configuring again failed"
    ! grep -q "afresh" "$work/said" || fail "$tree: a build folder in place was started afresh"
done
echo "ok: a moved or copied build folder is started afresh"

echo 'message(FATAL_ERROR "broken on purpose")' >>"$work/copy/CMakeLists.txt"
touch "$work/copy/build/keep"
! configure_build "$work/copy" "$work/copy/build" 2>"$work/said" || fail "a broken project configured"
grep -q "broken on purpose" "$work/said" || fail "CMake's own error was not shown"
[ -e "$work/copy/build/keep" ] || fail "another failure removed the build folder"
echo "ok: other failures are reported and leave the build folder"
