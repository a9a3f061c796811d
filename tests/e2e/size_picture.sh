#!/usr/bin/env bash
# "Ukuran Bangun" in the command line's pictures: with --size the picture is
# the school solid, not the program's own, and an SVG carries the window's
# caption under it as the window's export does; --section counts the same.
set -u
# shellcheck source=tests/e2e/commandline.sh
source "$(dirname "${BASH_SOURCE[0]}")/commandline.sh"

run --export plain.svg --shape 3 --view 170,160
run --export sized.svg --shape 3 --view 170,160 --size 7,10
[ "$status" -eq 0 ] && ! cmp -s plain.svg sized.svg || fail "--export --size" "status $status, or the plain picture"
echo "ok: --export with --size draws the school solid"
grep -q 'height="440" viewBox="0 0 396 440"' sized.svg && grep -q '>Luas permukaan = 422,62 cm²</text>' sized.svg \
    || fail "--export x.svg --size" "no caption under the picture"
run --export cut.svg --shape 0 --view 170,160 --section 0,50
grep -q '>Bola — Irisan: lingkaran: s² + t² = 86,6²</text>' cut.svg || fail "--export x.svg --section" "no caption"
grep -q 'height="396"' plain.svg || fail "--export x.svg" "the plain picture has a band"
echo "ok: an SVG with --size or --section carries the caption"
