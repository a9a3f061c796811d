#!/usr/bin/env bash
# Without a reachable display the program says so in one sentence and exits
# with status 1, instead of the toolkit's abort trace.
set -u
program="$1"

check() {
    local what="$1"
    shift
    local output status
    output=$("$@" 2>&1)
    status=$?
    if [ "$status" -ne 1 ]; then
        echo "FAIL ($what): exit status $status, expected 1"; echo "$output"; exit 1
    fi
    if ! grep -q "needs a graphical display" <<<"$output" || ! grep -q "xvfb-run" <<<"$output"; then
        echo "FAIL ($what): no clear sentence"; echo "$output"; exit 1
    fi
    if grep -qiE "abort|core dumped|platform plugin" <<<"$output"; then
        echo "FAIL ($what): toolkit trace leaked"; echo "$output"; exit 1
    fi
    echo "ok: $what"
}

check "no DISPLAY" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
check "unreachable DISPLAY" env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:79 "$program"
