#!/usr/bin/env bash
# The command line against a link that comes and goes at the picture's name:
# a loop beside the program puts a link to a file elsewhere there and takes it
# away again, and no run may write through it.
#   bash tests/e2e/export_race.sh build/ruvex3d [runs]      # 20 runs unless told
# The write itself is raced in-process by tst_savewrite on every run; this
# races the whole program, and CI runs it long (the `long` label).
set -u
program="$1"
runs="${2:-20}"
work=$(mktemp -d)
racer=""
trap '[ -n "$racer" ] && kill "$racer" 2>/dev/null; rm -rf "$work"' EXIT
cd "$work" || exit 1

mkdir race elsewhere
export_race_png() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --export race/race.png >/dev/null 2>&1
}
# Without the racer the picture is written: the runs below are refused for
# the link, not for anything else. (Beside the racer most runs meet the link
# and refuse, so how many of them write is only reported.)
export_race_png || { echo "FAIL (race): the picture is not written even without a link"; exit 1; }
rm -f race/race.png
(while :; do ln -s "$work/elsewhere/secret.png" race/race.png 2>/dev/null; rm -f race/race.png; done) &
racer=$!
through=0 written=0
for _ in $(seq "$runs"); do
    export_race_png && written=$((written + 1))
    if [ -e elsewhere/secret.png ]; then through=$((through + 1)); rm -f elsewhere/secret.png; fi
done
kill "$racer"; wait "$racer" 2>/dev/null
racer=""
echo "race: $written of $runs runs written, $through through the link"
[ "$through" -eq 0 ] || { echo "FAIL (race): $through runs wrote through the link"; exit 1; }
echo "ok: a racing link is never written through"
