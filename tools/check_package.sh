#!/usr/bin/env bash
# Builds the Debian package from an existing build folder, checks what it
# holds and what it depends on, installs it with apt-get as a user would,
# starts the installed program under a virtual display, and removes it again.
#
#   bash tools/check_package.sh [build-folder]
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$(cd "${1:-$here/build}" && pwd)"

source "$here/tools/install_missing.sh"
install_missing dpkg-dev file desktop-file-utils xvfb xauth

fail() { echo "FAIL: $*"; exit 1; }

(cd "$build" && rm -f ruvex3d_*.deb && cpack >/dev/null)
deb=$(ls "$build"/ruvex3d_*.deb)
echo "package: $deb"

contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/ruvex3d ./usr/share/applications/ruvex3d.desktop ./usr/share/man/man1/ruvex3d.1.gz \
            ./usr/share/icons/hicolor/16x16/apps/ruvex3d.png \
            ./usr/share/icons/hicolor/32x32/apps/ruvex3d.png \
            ./usr/share/icons/hicolor/48x48/apps/ruvex3d.png; do
    grep -qx "$file" <<<"$contents" || fail "the package lacks $file"
done
if grep -qE 'tst_|bench|soak|picturegen|iconpng|\.a$|include/' <<<"$contents"; then
    fail "the package holds files that are not the program's"
fi

depends=$(dpkg-deb -f "$deb" Depends)
echo "depends: $depends"
for library in libqt6widgets6 libqt6gui6 libqt6core6 fonts-liberation; do
    grep -q "$library" <<<"$depends" || fail "the package does not depend on $library"
done
desktop-file-validate "$here/packaging/ruvex3d.desktop" || fail "the desktop entry is not valid"

DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >/dev/null
trap 'DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq ruvex3d >/dev/null 2>&1 || true' EXIT
[ -x /usr/bin/ruvex3d ] || fail "the installed program is missing"
picture="$(mktemp -d)"
trap 'rm -rf "$picture"; DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq ruvex3d >/dev/null 2>&1 || true' EXIT
env -u DISPLAY /usr/bin/ruvex3d --export "$picture/bola.svg" || fail "the installed program writes no picture"
grep -q '<svg' "$picture/bola.svg" || fail "the installed program wrote no SVG"
set +e
xvfb-run -a timeout 3 /usr/bin/ruvex3d >/dev/null 2>&1
status=$?
set -e
# 124: still running when the timeout ended it, as a started viewer should be.
[ "$status" -eq 124 ] || fail "the installed program did not stay up (status $status)"
echo "package installs and the program starts"
