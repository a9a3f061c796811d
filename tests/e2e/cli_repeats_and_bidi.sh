#!/usr/bin/env bash
# The command line against options given twice and against text-direction
# controls (U+202A-U+202E, U+2066-U+2069) in arguments, run with no display:
# a repeated option or switch is refused in one sentence with status 2 before
# any window, and no control reaches the terminal raw or a file's name.
set -u
# shellcheck source=tests/e2e/commandline.sh
source "$(dirname "${BASH_SOURCE[0]}")/commandline.sh"

# The controls as UTF-8 bytes, whatever the shell's locale.
lre=$(printf '\xe2\x80\xaa') rlo=$(printf '\xe2\x80\xae')
lri=$(printf '\xe2\x81\xa6') fsi=$(printf '\xe2\x81\xa8') pdi=$(printf '\xe2\x81\xa9')
direction_controls=()
for code in aa ab ac ad ae; do direction_controls+=(-e "$(printf "\\xe2\\x80\\x$code")"); done
for code in a6 a7 a8 a9; do direction_controls+=(-e "$(printf "\\xe2\\x81\\x$code")"); done

# expect STATUS TEXT ARGUMENTS...: the run ends with STATUS, its standard
# error is one line holding TEXT without a raw direction control, and no
# file is left in the folder.
expect() {
    local expected="$1" text="$2"
    shift 2
    run "$@"
    [ "$status" -eq "$expected" ] || fail "$*" "status $status, expected $expected"
    grep -qF -- "$text" "$work/err" || fail "$*" "standard error does not say: $text"
    [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$*" "not one line on standard error"
    LC_ALL=C grep -qF "${direction_controls[@]}" "$work/err" \
        && fail "$*" "a direction control reached the terminal"
    [ -z "$(ls -A "$work" | grep -vxE 'out|err')" ] || fail "$*" "a file was written: $(ls -A "$work")"
}

once="hanya boleh diberikan sekali."
expect 2 "pilihan --shape $once" --shape 3 --shape 5
expect 2 "pilihan --axes $once" --export rep.png --axes --axes
expect 2 "pilihan --axes $once" --axes --axes
expect 2 "pilihan --axes $once" --shape 3 --axes --view 1,1 --axes
expect 2 "pilihan --export $once" --export a.png --export b.png
# Asking for the help twice asks for nothing else: it is printed once.
env -u DISPLAY "$program" --help -h >"$work/out" 2>"$work/err"
[ "$?" -eq 0 ] && [ "$(grep -c '^Pemakaian' "$work/out")" -eq 1 ] || fail "--help -h" "no help, or not once"
echo "ok: options and switches given twice are refused before any window"

expect 2 '--shape harus bilangan bulat 0 sampai 14, bukan "3\u202E".' --export x.png --shape "3$rlo"
expect 2 '"\u2066dashed\u2069"' --export x.png --back-lines "${lri}dashed$pdi"
expect 1 'karakter kendali arah teks' --export "${rlo}gnp.bmp"
expect 1 'karakter kendali arah teks' --export "gam${fsi}bar.png"
expect 1 'karakter kendali arah teks' --export "gambar$lre.svg"
expect 1 'karakter kendali arah teks' --export "gam$(printf '\xe2\x80\x8f')bar.png"
echo "ok: direction controls are escaped in messages and refused in names"

# The window's and the page's rule for names: one that shows nothing before
# its extension, or starts with a dot, is refused; any other is written under
# exactly the name given, a leading U+FEFF too.
expect 1 'dimulai dengan titik' --export .png
expect 1 'dimulai dengan titik' --export .hidden.png
expect 1 'Nama file «\u200B.png» tidak memuat huruf' --export "$(printf '\xe2\x80\x8b').png"
expect 1 'Nama file «\uFEFF\u00A0.bmp» tidak memuat huruf' --export "$(printf '\xef\xbb\xbf\xc2\xa0').bmp"
bom_name="$(printf '\xef\xbb\xbf')gambar.png"
run --export "$bom_name"
[ "$status" -eq 0 ] && [ -f "$bom_name" ] || fail "--export <U+FEFF>gambar.png" "not written under the name given: $(ls)"
rm -f -- "$bom_name"
echo "ok: names are refused by the window's rule and written as given"
