#!/usr/bin/env bash
# A stop signal (SIGTERM, SIGINT, SIGHUP) while a picture is being written:
# the program removes its temporary file, never leaves the chosen name behind
# and ends as the signal ends a program (status 128 + the signal's number).
# Each attempt starts a large export, waits for its temporary file to appear
# and sends the signal at once; an attempt whose write finished first is
# repeated.
set -u
program="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

leftovers() {
    compgen -G '.ruvex3d-*.tmp'
}

# Prints "caught" when the signal came during the write, "late" when the
# write was done first; fails on anything else.
attempt() {
    local signal="$1" number
    number=$(kill -l "$signal")
    rm -f out.png
    # A shell starts background commands with SIGINT ignored: the program gets
    # the signals' default handling, as when started from a terminal.
    env --default-signal=INT,TERM,HUP -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$program" --export out.png --scale 8 2>"$work/err" &
    local pid=$! deadline=$((SECONDS + 20))
    until leftovers >/dev/null; do
        if ! kill -0 "$pid" 2>/dev/null || [ "$SECONDS" -ge "$deadline" ]; then
            break
        fi
    done
    kill -s "$signal" "$pid" 2>/dev/null
    wait "$pid"
    local status=$?
    if leftovers >/dev/null; then
        echo "FAIL ($signal): temporary file left: $(leftovers | tr '\n' ' ')(status $status)" >&2
        return 1
    fi
    if [ "$status" -eq 0 ] || { [ "$status" -eq $((128 + number)) ] && [ -e out.png ]; }; then
        echo late
    elif [ "$status" -eq $((128 + number)) ]; then
        echo caught
    else
        echo "FAIL ($signal): status $status, expected $((128 + number)) or 0" >&2
        cat "$work/err" >&2
        return 1
    fi
}

for signal in TERM INT HUP; do
    result=late
    for _ in $(seq 10); do
        result=$(attempt "$signal") || exit 1
        [ "$result" = caught ] && break
    done
    [ "$result" = caught ] || { echo "FAIL ($signal): the write always finished before the signal"; exit 1; }
    echo "ok: SIG$signal during the write leaves no temporary file and no picture, status 128 + signal"
done
