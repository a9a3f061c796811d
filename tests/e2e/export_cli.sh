#!/usr/bin/env bash
# The command line for pictures, run as users run it, with no display at all:
# the pictures it writes, the Indonesian help, and for wrong arguments and
# failed writes one Indonesian sentence, the right exit status and no file.
set -u
# shellcheck source=tests/e2e/commandline.sh
source "$(dirname "${BASH_SOURCE[0]}")/commandline.sh"

# Width and height from a PNG's header.
png_size() {
    od -An -tu1 -j16 -N8 "$1" | awk '{ printf "%dx%d\n", $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

mkdir pictures
run --export pictures/kerucut.png --shape 3 --view 120,60 --perspective 200 --aspect 1,2 --scale 4
[ "$status" -eq 0 ] && [ ! -s "$work/err" ] || fail "PNG 4x" "status $status"
[ "$(png_size pictures/kerucut.png)" = "1584x1584" ] || fail "PNG 4x" "size $(png_size pictures/kerucut.png)"
run --export pictures/bola.png
[ "$(png_size pictures/bola.png)" = "396x396" ] || fail "PNG" "size $(png_size pictures/bola.png)"
run --export pictures/tabung.SVG --shape 6 --aspect 0.5
[ "$status" -eq 0 ] || fail "SVG" "status $status"
grep -q 'width="396" height="396" viewBox="0 0 396 396"' pictures/tabung.SVG || fail "SVG" "no 396 x 396 view box"
grep -q '<title>RUVEX Display 3D: Tabung</title>' pictures/tabung.SVG || fail "SVG" "not the cylinder"
run --export pictures/torus.bmp --shape 13 --scale 1
[ "$status" -eq 0 ] && [ "$(head -c2 pictures/torus.bmp)" = "BM" ] || fail "BMP" "status $status"
# 96 dots per inch as the window's files, not the toolkit's default without a screen.
[ "$(od -An -tx1 -j38 -N8 pictures/torus.bmp | tr -d ' ')" = "c40e0000c40e0000" ] \
    || fail "BMP" "resolution $(od -An -tu4 -j38 -N8 pictures/torus.bmp), expected 3780 3780"
# The toolkit's own options are left to the toolkit.
run -platform offscreen --export pictures/offscreen.png -style fusion
[ "$status" -eq 0 ] && cmp -s pictures/offscreen.png pictures/bola.png || fail "toolkit options" "status $status"
# The teaching aids: solid back lines are the plain picture; dashed ones and
# the axes change it, and the SVG writes the hidden parts dashed.
run --export pictures/bola-solid.png --back-lines solid
cmp -s pictures/bola-solid.png pictures/bola.png || fail "--back-lines solid" "not the plain picture"
run --export pictures/kerucut-aids.svg --shape 3 --view 120,60 --back-lines dashed --axes
[ "$status" -eq 0 ] && grep -q 'stroke-dasharray' pictures/kerucut-aids.svg || fail "aids SVG" "no dashes"
run --export pictures/bola-axes.png --axes
[ "$status" -eq 0 ] && ! cmp -s pictures/bola-axes.png pictures/bola.png || fail "--axes" "no axes drawn"
# A section that cannot be drawn: the plain picture, status 0, and the
# window's sentence for that case.
for case in "9|Irisan bidang hanya tersedia untuk tujuh bangun ruang" "3 --aspect 0|Bangun pipih: tidak ada irisan"; do
    shape="${case%|*}" sentence="${case#*|}"
    # shellcheck disable=SC2086 # the arguments are split on purpose
    run --export pictures/plain.png --shape $shape
    # shellcheck disable=SC2086
    run --export pictures/section.png --shape $shape --section 45,30
    [ "$status" -eq 0 ] && cmp -s pictures/plain.png pictures/section.png \
        || fail "--shape $shape --section" "status $status, or not the plain picture"
    grep -qF "ruvex3d: $sentence" "$work/err" && [ "$(wc -l <"$work/err")" -eq 1 ] \
        || fail "--shape $shape --section" "not the one sentence on standard error"
done
rm pictures/plain.png pictures/section.png
echo "ok: pictures written without a display"

run --help
[ "$status" -eq 0 ] || fail "help" "status $status"
for word in Pemakaian --export --shape --view --perspective --aspect --scale --version "0  Bola" \
    "3  Kerucut" "6  Tabung" "14  Wheel"; do
    grep -qF -- "$word" "$work/out" || fail "help" "no \"$word\""
done
[ "$(grep -cE '^ +[0-9]+  ' "$work/out")" -eq 15 ] || fail "help" "not 15 shapes"
# The program's name is written as it was started, "%2" in it included.
ln -s "$program" "$work/ruvex%2"
env -u DISPLAY "$work/ruvex%2" --help >"$work/out" 2>"$work/err"
grep -q '^Pemakaian: ruvex%2 ' "$work/out" || fail "help" "the program's name is not as started"
rm "$work/ruvex%2"
run --version
[ "$status" -eq 0 ] && grep -qE '^ruvex3d \(RUVEX Display 3D\) [0-9]+\.[0-9]+\.[0-9]+$' "$work/out" \
    || fail "version" "status $status"
for option in --help --version; do
    env -u DISPLAY "$program" "$option" >/dev/full 2>"$work/err"
    status=$?
    [ "$status" -eq 1 ] || fail "$option >/dev/full" "status $status, expected 1"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$option >/dev/full" "not one line on standard error"
done
echo "ok: help and version"

# Arguments | the option the sentence must name.
bad_cases=(
    "--export x.png --shape 15|--shape"
    "--export x.png --shape -1|--shape"
    "--export x.png --shape dua|--shape"
    "--export x.png --view 396,0|--view"
    "--export x.png --view 10|--view"
    "--export x.png --view 1.5,2|--view"
    "--export x.png --perspective 99|--perspective"
    "--export x.png --perspective 351|--perspective"
    "--export x.png --aspect 1.7|--aspect"
    "--export x.png --aspect 1.25|--aspect"
    "--export x.png --aspect -0.5|--aspect"
    "--export x.png --scale 0|--scale"
    "--export x.png --scale 9|--scale"
    "--export x.svg --scale 2|--scale"
    "--export x.bmp --scale 4|--scale"
    "--export x.jpg|--export"
    "--export x|--export"
    "--export x.png --shape 1 --shape 2|--shape"
    "--export|--export"
    "--export x.png --shape|--shape"
    "--scale 3|--scale"
    "--shape 3 --view 396,0|--view"
    "--shape 3 --back-lines putus|--back-lines"
    "--export x.png --axes=ya|--axes"
    "--export x.png --warna merah|--warna"
    "-q|-q"
    "--help=ya|--help"
    "kerucut.png|kerucut.png"
    "--export x.png extra.png|extra.png"
)
for case in "${bad_cases[@]}"; do
    args="${case%|*}" named="${case#*|}"
    # shellcheck disable=SC2086 # the arguments are split on purpose
    run $args
    [ "$status" -eq 2 ] || fail "$args" "status $status, expected 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$args" "not one line on standard error"
    grep -qF -- "$named" "$work/err" || fail "$args" "the sentence does not name $named"
    grep -qiE "unknown|missing|unexpected|usage|option" "$work/err" && fail "$args" "English text leaked"
    [ ! -s "$work/out" ] || fail "$args" "output on standard output"
    [ -z "$(ls -A "$work" | grep -vxE 'out|err|pictures')" ] || fail "$args" "a file was written"
done

# Refused with status 2 in one line naming "$1", nothing written: for
# arguments that cannot pass through the word splitting above.
refused() {
    local named="$1"
    shift
    run "$@"
    [ "$status" -eq 2 ] || fail "$*" "status $status, expected 2"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$*" "not one line on standard error"
    grep -qF -- "$named" "$work/err" || fail "$*" "the sentence does not name $named"
    LC_ALL=C grep -q $'[\x01-\x09\x0b-\x1f\x7f]' "$work/err" && fail "$*" "a control character reached the terminal"
    [ -z "$(ls -A "$work" | grep -vxE 'out|err|pictures')" ] || fail "$*" "a file was written"
}
refused --shape --export x.png --shape $'3\n'
refused --view --export x.png --view $'3,4\n'
refused --perspective --export x.png --perspective $'200\n'
refused --aspect --export x.png --aspect $'1,2\n'
refused --scale --export x.png --scale $'2\n'
refused '"\e]0;X\x07"' --export x.png --shape $'\e]0;X\a'
refused '"3\n\n"' --export x.png --shape $'3\n\n'
refused --x --export x.png --x
refused '\xFF.png' --export $'\xff.png'
refused '\xFE.png' --export $'\xfe.png'
refused "-bogus" -platform offscreen -bogus
echo "ok: ${#bad_cases[@]} + 11 wrong arguments refused with status 2, nothing written"

before=$(ls pictures | wc -l)
run --export tidak-ada/kerucut.png
[ "$status" -eq 1 ] || fail "missing folder" "status $status, expected 1"
grep -q "tidak dapat ditulis" "$work/err" && grep -q "tidak ada" "$work/err" || fail "missing folder" "no reason"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "missing folder" "not one line"
run --export pictures --shape 2
[ "$status" -eq 2 ] || fail "a folder" "status $status, expected 2 (no picture extension)"
mkdir pictures/folder.png
run --export pictures/folder.png
[ "$status" -eq 1 ] || fail "a folder named .png" "status $status, expected 1"
[ "$(ls pictures | wc -l)" -eq $((before + 1)) ] || fail "write failures" "a file was written"
echo "ok: write failures give status 1 and write nothing"

# Names and folders that take no picture, each with its own Indonesian cause.
ln -s loopdir loopdir
ln -s self.png self.png
mkdir gone
no_picture_cases=(
    "loopdir/x.png|berputar"
    "self.png|berputar"
    "/proc/x.png|tidak dapat dibuat file"
    "$(printf 'ga\xc2\x85mbar.png')|karakter kendali"
    "$(printf 'ga\xe2\x80\xa8mbar.png')|karakter kendali"
)
for case in "${no_picture_cases[@]}"; do
    name="${case%|*}" cause="${case#*|}"
    run --export "$name"
    [ "$status" -eq 1 ] && grep -qF -- "$cause" "$work/err" || fail "$name" "status $status, expected 1 and \"$cause\""
    grep -qE "[Ee]rror|Too many|symbolic" "$work/err" && fail "$name" "English text leaked"
done
(cd gone && rmdir ../gone && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" --export x.png \
    >"$work/out" 2>"$work/err")
status=$?
[ "$status" -eq 1 ] && grep -q "Folder kerja" "$work/err" || fail "deleted working folder" "status $status"
echo "ok: link loops, system folders and a deleted working folder told in Indonesian"
