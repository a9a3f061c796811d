#!/usr/bin/env bash
# A signal that ends the program (SIGTERM, SIGINT, SIGHUP, SIGQUIT, SIGUSR1,
# ... a real-time one) while a picture is being written: the program removes
# its temporary file, never leaves the chosen name behind and ends as the
# signal ends a program (status 128 + the signal's number). Each attempt
# starts an export, waits for its temporary file to appear and sends the
# signal at once; an attempt whose write finished first is repeated. The
# attempts write a .bmp: the same writer as every kind, the most bytes to
# write (470 KB) and nothing slow to draw before them. A write
# past the file-size limit fails as on a full disk instead: one Indonesian
# sentence, status 1, nothing left.
set -u
ulimit -c 0 # SIGQUIT, SIGXCPU, SIGSYS and SIGXFSZ would leave a core file
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
    rm -f out.bmp
    # A shell starts background commands with SIGINT and SIGQUIT ignored: the
    # program gets every signal's default handling, as when started from a
    # terminal.
    env --default-signal -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$program" --export out.bmp 2>"$work/err" &
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
    if [ "$status" -eq 0 ] || { [ "$status" -eq $((128 + number)) ] && [ -e out.bmp ]; }; then
        echo late
    elif [ "$status" -eq $((128 + number)) ]; then
        echo caught
    else
        echo "FAIL ($signal): status $status, expected $((128 + number)) or 0" >&2
        cat "$work/err" >&2
        return 1
    fi
}

# XFSZ sent by another program is a stop like any other.
for signal in TERM INT HUP QUIT USR1 USR2 ALRM PIPE XCPU VTALRM PROF SYS XFSZ RTMIN RTMAX; do
    result=late
    for _ in $(seq 10); do
        result=$(attempt "$signal") || exit 1
        [ "$result" = caught ] && break
    done
    [ "$result" = caught ] || { echo "FAIL ($signal): the write always finished before the signal"; exit 1; }
done
echo "ok: each signal during the write leaves no temporary file and no picture, status 128 + signal"

# 8 KiB at most per file: the picture, some 50 KiB, goes past it.
(ulimit -f 8 && exec env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --export out.png --scale 8) \
    2>"$work/err"
status=$?
[ "$status" -eq 1 ] || { echo "FAIL (ulimit -f 8): status $status, expected 1"; cat "$work/err"; exit 1; }
grep -q 'tidak dapat ditulis.*batas ukuran file' "$work/err" && [ "$(wc -l <"$work/err")" -eq 1 ] \
    || { echo "FAIL (ulimit -f 8): not the one Indonesian sentence:"; cat "$work/err"; exit 1; }
[ ! -e out.png ] && ! leftovers >/dev/null || { echo "FAIL (ulimit -f 8): a file was left: $(ls -A)"; exit 1; }
echo "ok: a picture past the file-size limit is refused in Indonesian with status 1, nothing left"
