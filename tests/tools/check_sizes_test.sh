#!/usr/bin/env bash
# The size checker against a folder of made-up sources: what it must report
# (a function of 41 lines, a script of 401), what it must not (a function of
# 40 lines with blank and comment lines besides, a long struct, namespace or
# lambda, a file on the exceptions list), and its exit status.
#   bash tests/tools/check_sizes_test.sh tools/check_sizes.sh
set -euo pipefail
checker="$(readlink -f "$1")"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# `count` statements, one a line, at four spaces.
statements() { seq 0 $(($1 - 1)) | sed 's/.*/    call(&);/'; }
# A function of `lines` lines: its signature, braces and statements.
function_of() { printf 'void %s()\n{\n' "$1"; statements $(($2 - 3)); echo "}"; }

mkdir -p "$work/tools"
{
    function_of longest 40
    echo
    # Blank and comment lines inside are not counted.
    printf 'int longEnough(int a,\n                int b)\n{\n'
    statements 19
    printf '\n    // a comment\n\n'
    statements 18
    echo "}"
} >"$work/functions.cpp"
{
    echo "namespace shapes {"
    echo "struct Wide {"
    seq 45 | sed 's/.*/    int field&;/'
    echo "};"
    echo "const auto later = [] {"
    statements 45
    echo "};"
    echo "} // namespace shapes"
} >"$work/shapes.h"
seq 401 | sed 's/^/echo /' >"$work/long.sh"
{
    function_of excused 60
    seq 340 | sed 's|^|// |'
} >"$work/excused.cpp"
printf '# being rewritten\nexcused.cpp\n' >"$work/tools/size_exceptions.txt"

status=0
output=$(bash "$checker" "$work") || status=$?
expected="functions.cpp:42: 41 lines in int longEnough(int a, (at most 40)
long.sh: 401 lines (at most 400)
sizes: 2 over the limits"
[ "$output" = "$expected" ] || fail "reported:
$output
expected:
$expected"
[ $status -eq 1 ] || fail "exit status $status with sizes over the limits"

rm "$work/long.sh"
sed -i '/call(17);/d' "$work/functions.cpp"
bash "$checker" "$work" >/dev/null || fail "exit status $? with every size within the limits"
echo "ok: the size checker reports what is over and nothing else"
