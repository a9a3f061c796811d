#!/usr/bin/env bash
# "Ukuran Bangun" in the command line's pictures: with --size the picture is
# the school solid, not the program's own.
set -u
# shellcheck source=tests/e2e/commandline.sh
source "$(dirname "${BASH_SOURCE[0]}")/commandline.sh"

run --export plain.svg --shape 3 --view 170,160
run --export sized.svg --shape 3 --view 170,160 --size 7,10
[ "$status" -eq 0 ] && ! cmp -s plain.svg sized.svg || fail "--export --size" "status $status, or the plain picture"
echo "ok: --export with --size draws the school solid"
