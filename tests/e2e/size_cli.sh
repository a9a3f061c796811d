#!/usr/bin/env bash
# "Ukuran Bangun" on the command line, with no display: --size-info prints
# the worked numbers one a line; --size, --net and --pi are refused as the
# other options are, in one Indonesian sentence with status 2.
set -u
# shellcheck source=tests/e2e/commandline.sh
source "$(dirname "${BASH_SOURCE[0]}")/commandline.sh"

run --shape 6 --size 7,10 --size-info
[ "$status" -eq 0 ] && [ ! -s "$work/err" ] || fail "--size-info" "status $status"
[ "$(wc -l <"$work/out")" -eq 6 ] || fail "--size-info" "not the tabung's six lines"
grep -qxF "Volume = πr²t = 22/7 × 7² × 10 = 1540,00 cm³" "$work/out" || fail "--size-info" "no tabung volume"
run --size 3,4 --shape 3 --pi 3,14 --size-info
head -n1 "$work/out" | grep -qxF "Garis pelukis s = √(r² + t²) = √(3² + 4²) = 5,00 cm" \
    && grep -qxF "Volume = ⅓πr²t = ⅓ × 3,14 × 3² × 4 = 37,68 cm³" "$work/out" \
    || fail "--size-info" "not the kerucut's lines with π = 3,14"
echo "ok: --size-info"

# Arguments | the option the sentence must name.
bad_cases=(
    "--shape 1 --size 7,10 --size-info|--size"
    "--shape 6 --size 7 --size-info|--size"
    "--shape 0 --size 7,10 --size-info|--size"
    "--shape 6 --size 51,10 --size-info|--size"
    "--shape 6 --size 7,0 --size-info|--size"
    "--shape 6 --size 7.5,10 --size-info|--size"
    "--shape 6 --size 7,10 --size 7,10 --size-info|--size"
    "--shape 6 --size 7,10 --net 101 --size-info|--net"
    "--shape 6 --size 7,10 --net 5.5 --size-info|--net"
    "--shape 0 --size 7 --net 50 --size-info|--net"
    "--shape 6 --size 7,10 --pi 3 --size-info|--pi"
    "--shape 6 --net 50 --size-info|--net"
    "--shape 6 --pi 22/7|--pi"
    "--shape 6 --size-info|--size-info"
    "--shape 6 --size 7,10 --section 0,50 --size-info|--section"
)
for case in "${bad_cases[@]}"; do
    args="${case%|*}" named="${case#*|}"
    # shellcheck disable=SC2086 # the arguments are split on purpose
    run $args
    [ "$status" -eq 2 ] || fail "$args" "status $status, expected 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] && grep -qF -- "$named" "$work/err" || fail "$args" "not one sentence naming $named"
    [ ! -s "$work/out" ] || fail "$args" "output on standard output"
done
echo "ok: ${#bad_cases[@]} wrong sizes refused with status 2"
