#!/usr/bin/env bash
# Start-up failures of the window system are told in Indonesian: a missing or
# unreachable display in one sentence naming the program as it was started,
# any other failure with the toolkit's own reason and no word of a display.
set -u
program="$1"
display_sentence="memerlukan layar grafis"

run() {
    output=$("$@" 2>&1)
    status=$?
}

fail() {
    echo "FAIL ($1): $2"
    echo "$output"
    exit 1
}

check_no_display() {
    local what="$1" started_as="$2"
    shift 2
    run "$@"
    [ "$status" -eq 1 ] || fail "$what" "exit status $status, expected 1"
    grep -q "$display_sentence" <<<"$output" || fail "$what" "no sentence about the display"
    grep -qF "xvfb-run -a $started_as\`" <<<"$output" || fail "$what" "the hint does not name $started_as"
    grep -qiE "abort|core dumped|platform plugin" <<<"$output" && fail "$what" "toolkit trace leaked"
    echo "ok: $what"
}

check_no_display "no DISPLAY" "$program" env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program"
check_no_display "unreachable DISPLAY" "$program" \
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:79 "$program"

check_no_display "-display naming an unreachable display" "$program" \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" -display :79

# The toolkit's standard options start the window, here on a platform that
# needs no display: still running once it waits in its event loop (its
# settings folder made, asleep in poll), nothing refused.
settings=$(mktemp -d)
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM TMPDIR="$settings" \
    "$program" -platform offscreen -style fusion -geometry 500x400+10+10 -reverse >"$settings/output" 2>&1 &
window=$!
waiting_for_events() {
    compgen -G "$settings/ruvex3d-*" >/dev/null && grep -q poll "/proc/$window/wchan" 2>/dev/null
}
for _ in $(seq 400); do
    waiting_for_events || ! kill -0 "$window" 2>/dev/null && break
    sleep 0.05
done
kill "$window" 2>/dev/null
wait "$window"
status=$?
output=$(cat "$settings/output")
rm -rf "$settings"
[ "$status" -eq 143 ] || fail "toolkit options" "exit status $status, expected the window to keep running"
grep -q "tidak dikenal" <<<"$output" && fail "toolkit options" "an option was refused"
echo "ok: the toolkit's options start the window"

links=$(mktemp -d)
trap 'rm -rf "$links"' EXIT
ln -s "$(realpath "$program")" "$links/ruvex3d-kelas"
check_no_display "started under another name" "$links/ruvex3d-kelas" \
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$links/ruvex3d-kelas"

run env QT_QPA_PLATFORM=bogus DISPLAY=:79 "$program"
[ "$status" -eq 1 ] || fail "unknown platform plugin" "exit status $status, expected 1"
grep -q "tidak dapat dimulai" <<<"$output" || fail "unknown platform plugin" "no Indonesian lead"
grep -q "bogus" <<<"$output" || fail "unknown platform plugin" "the toolkit's reason is missing"
grep -q "$display_sentence" <<<"$output" && fail "unknown platform plugin" "blames the display"
echo "ok: unknown platform plugin"
