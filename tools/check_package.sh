#!/usr/bin/env bash
# Builds the Debian package from an existing build folder, checks what it
# holds and what it depends on, installs it with apt-get as a user would,
# starts the installed program under a virtual display, and removes it again.
# The package must build only the program: a test program and the program
# itself are removed from the build folder first, and only the program may
# come back (the next build makes the test program again).
#
#   bash tools/check_package.sh [build-folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"

source "$here/tools/install_missing.sh"
install_missing dpkg-dev file desktop-file-utils xvfb xauth

fail() { echo "FAIL: $*"; exit 1; }

rm -f "$build"/ruvex3d_*.deb "$build/ruvex3d" "$build/tests/tst_animation"
started=$(date +%s)
(cd "$build" && cpack >/dev/null)
echo "cpack took $(( $(date +%s) - started )) s"
deb=$(ls "$build"/ruvex3d_*.deb)
echo "package: $deb"
[ ! -e "$build/tests/tst_animation" ] || fail "cpack built the tests as well as the program"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/ruvex3d ./usr/share/applications/ruvex3d.desktop ./usr/share/man/man1/ruvex3d.1.gz \
            ./usr/share/icons/hicolor/16x16/apps/ruvex3d.png \
            ./usr/share/icons/hicolor/32x32/apps/ruvex3d.png \
            ./usr/share/icons/hicolor/48x48/apps/ruvex3d.png \
            ./usr/share/doc/ruvex3d/copyright ./usr/share/doc/ruvex3d/changelog.gz; do
    grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
if grep -qE 'tst_|bench|soak|picturegen|iconpng|\.a$|include/' <<<"$contents"; then
    fail "the package holds files that are not the program's"
fi

# The licence: Debian's machine-readable copyright file, with the text of the
# LICENSE file; the changelog in Debian's format, for this version.
unpacked="$(mktemp -d)"
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
copyright="$unpacked/usr/share/doc/ruvex3d/copyright"
head -1 "$copyright" | grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
    || fail "the copyright file is not machine-readable"
grep -qx 'Copyright: 2026 The RUVEX Display 3D developers' "$copyright" || fail "the copyright file names no holder"
grep -qx 'License: Expat' "$copyright" || fail "the copyright file names no MIT (Expat) licence"
diff <(sed -n '/^Permission/,$p' "$here/LICENSE") \
     <(sed -n '/^ Permission/,$p' "$copyright" | sed 's/^ //; s/^\.$//') >/dev/null \
    || fail "the copyright file's licence text differs from LICENSE"
changelog_version=$(zcat "$unpacked/usr/share/doc/ruvex3d/changelog.gz" | dpkg-parsechangelog -l - -S Version)
[ "$changelog_version" = "$(dpkg-deb -f "$deb" Version)" ] \
    || fail "the changelog's version $changelog_version is not the package's"

# The description names every shape by its button's caption, in an
# Indonesian line.
description=$(dpkg-deb -f "$deb" Description)
grep -q 'dalam bahasa Indonesia' <<<"$description" || fail "the description has no Indonesian line"
for caption in Bola Ellipsoida Hyperboloida Kerucut Paraboloida 'Setengah Bola' Tabung Hyperboloid \
               'Flat surface' 'Sine wave' 'Bendy blades' Parabloid Semi-sphere Torus Wheel; do
    grep -q "$caption" <<<"$description" || fail "the description does not name $caption"
done

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library"
done
desktop-file-validate "$here/packaging/ruvex3d.desktop" || fail "the desktop entry is not valid"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
trap 'rm -rf "$unpacked"; DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq ruvex3d >/dev/null 2>&1 || true' EXIT
[ -x /usr/bin/ruvex3d ] || fail "the installed program is missing"
picture="$(mktemp -d)"
trap 'rm -rf "$unpacked" "$picture"; DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq ruvex3d >/dev/null 2>&1 || true' EXIT
env -u DISPLAY /usr/bin/ruvex3d --export "$picture/bola.svg" || fail "the installed program writes no picture"
grep -q '<svg' "$picture/bola.svg" || fail "the installed program wrote no SVG"
set +e
xvfb-run -a timeout 3 /usr/bin/ruvex3d >/dev/null 2>&1
status=$?
set -e
# 124: still running when the timeout ended it, as a started viewer should be.
[ "$status" -eq 124 ] || fail "the installed program did not stay up (status $status)"
echo "package installs and the program starts"
