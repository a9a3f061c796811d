#!/usr/bin/env bash
# The real program in a real X window at QT_SCALE_FACTOR=2, as on a
# high-density screen: the drawing area shows the view drawn at device
# pixels, the very pixels `ruvex3d --export x.png --scale 2` writes for that
# view, not the 396-pixel picture enlarged in blocks. Run under a virtual X
# server with room for the window at twice its size:
#   bash tests/e2e/with_xvfb.sh "-screen 0 1600x1200x24" bash tests/e2e/hidpi_window.sh build/ruvex3d
# Every wait polls with a deadline.
set -u
program="$(readlink -f "$1")"
work="$(mktemp -d)"
app=""
trap '[ -n "$app" ] && kill "$app" 2>/dev/null; rm -rf "$work"' EXIT

# shellcheck source=tests/e2e/polling.sh
source "$(dirname "${BASH_SOURCE[0]}")/polling.sh"

ratio=2
window_shown() { window=$(xdotool search --onlyvisible --name '^RUVEX Display 3D$' 2>/dev/null | head -1); [ -n "$window" ]; }

mkdir "$work/home"
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
cd "$work"
HOME="$work/home" XDG_CONFIG_HOME="$work/home" QT_SCALE_FACTOR=$ratio "$program" &
app=$!
wait_for 20 window_shown || fail "the window 'RUVEX Display 3D' did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
client_x=$X
client_y=$((Y + HEIGHT - 511 * ratio)) # the client area, 511 logical pixels high, below the menu bar
# The drawing area's interior: 396 logical pixels from (154, 106) of the client area.
side=$((396 * ratio))
area_x=$((client_x + 154 * ratio))
area_y=$((client_y + 106 * ratio))
ok "window appeared at ${X},${Y} (${WIDTH}x${HEIGHT})"

# The tiny "Aspect" frame lies over the drawing area on screen, not in the
# picture: left out of the comparison.
mask=(-fill black -draw "rectangle $((54 * ratio)),$((54 * ratio)) $((60 * ratio - 1)),$((70 * ratio - 1))")

# The drawing area on screen has the pixels of the command line's picture of
# the view "$1" (X,Y) at --scale 2; the difference is left in differing.
shows_export_of() {
    [ -s "$work/export-$1.png" ] || "$program" --export "$work/export-$1.png" --view "$1" --scale $ratio \
        || fail "the command line wrote no picture of the view $1"
    import -window root -crop "${side}x${side}+${area_x}+${area_y}" +repage "$work/screen.png" 2>/dev/null
    convert "$work/screen.png" "${mask[@]}" "$work/screen-masked.png"
    convert "$work/export-$1.png" "${mask[@]}" "$work/export-masked.png"
    differing=$(compare -metric AE "$work/export-masked.png" "$work/screen-masked.png" null: 2>&1)
    [ "$differing" = "0" ]
}

wait_for 10 shows_export_of 0,0 || fail "at start the drawing area differs from --scale 2 in $differing pixels"
ok "the start view is drawn at device pixels"

# The pointer over the interior at logical (120, 60): the view of --view
# 120,60, so pointer positions are still the picture's pixels.
xdotool mousemove $((area_x + 120 * ratio)) $((area_y + 60 * ratio))
wait_for 10 shows_export_of 120,60 || fail "after a pointer move the drawing area differs from --scale 2 in $differing pixels"
ok "a pointer move redraws the view at device pixels"
echo "all high-density window checks passed"
