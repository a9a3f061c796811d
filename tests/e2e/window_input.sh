# Sourced by the real-window test: how it reaches the program's window
# through X. Controls are found by their places from the layout table
# (layout_places), clicked and pointed at in the window's client area
# (client_x, client_y, set once the window is shown); windows are found by
# name; the drawing area (picture_x, picture_y) is read back from the screen.

# A control's place in the client area: sets left, top, width and height.
place_of() {
    local name="place_${1//[()]/_}"
    name="${name%_}"
    read -r left top width height <<<"${!name}"
}
# The middle of a control, in client coordinates.
middle_of() { place_of "$1"; echo "$((left + width / 2)) $((top + height / 2))"; }
# The screen read by one process for the whole test (screen_reader.py):
# "hash WIDTH HEIGHT X Y" or "colour X Y".
coproc SCREEN_READER { python3 "$(dirname "${BASH_SOURCE[0]}")/screen_reader.py"; }
read_screen() { echo "$*" >&"${SCREEN_READER[1]}" && read -r answer <&"${SCREEN_READER[0]}" && echo "$answer"; }
# The drawing area's interior on the screen: its crop geometry, and hashed.
picture_crop() { echo "396x396+$((client_x + picture_x))+$((client_y + picture_y))"; }
picture_hash() { read_screen hash 396 396 "$((client_x + picture_x))" "$((client_y + picture_y))"; }

picture_differs_from() { [ "$(picture_hash)" != "$1" ]; }

# The picture once it has stopped changing (two reads 100 ms apart alike):
# a machine under load may be read while the window is still drawing.
settled_picture_hash() {
    local last now
    last=$(picture_hash)
    for _ in $(seq 40); do
        sleep 0.1
        now=$(picture_hash)
        [ "$now" = "$last" ] && break
        last=$now
    done
    echo "$last"
}

# Clicks at a point of the window's client area (below the menu bar).
click_client() {
    xdotool mousemove "$((client_x + $1))" "$((client_y + $2))" click "${3:-1}"
}

move_client() {
    xdotool mousemove "$((client_x + $1))" "$((client_y + $2))"
}

# Clicks the middle of a control of the layout table ("$2": the button).
click_control() {
    local at
    read -r -a at <<<"$(middle_of "$1")"
    click_client "${at[0]}" "${at[1]}" "${2:-1}"
}

# Moves the pointer to (x, y) of the drawing area, and clicks there.
move_picture() { move_client "$((picture_x + $1))" "$((picture_y + $2))"; }
click_picture() { click_client "$((picture_x + $1))" "$((picture_y + $2))" "${3:-1}"; }

window_shown() { window=$(xdotool search --onlyvisible --name '^RUVEX Display 3D$' 2>/dev/null | head -1); [ -n "$window" ]; }
shown_named() { xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
gone_named() { ! shown_named "$1"; }
# The window named "$1" has the keyboard focus, so typed keys reach it.
has_keys() { [[ "$(xdotool getwindowfocus getwindowname 2>/dev/null)" =~ $1 ]]; }
# The program's windows on screen, its menus included.
shown_windows() { xdotool search --onlyvisible --pid "$app" 2>/dev/null | wc -l; }
more_windows_than() { [ "$(shown_windows)" -gt "$1" ]; }
# Clicks at client (x, y) of the menu bar's height and waits for the menu.
open_menu_at() {
    local before
    before=$(shown_windows)
    xdotool mousemove "$((X + $1))" "$((Y + (HEIGHT - client_height) / 2))" click 1
    wait_for 5 more_windows_than "$before" || fail "no menu opened under the menu bar at $1"
}
# The drawing area's left border, yellow while it has the keyboard focus.
frame_colour() { read_screen colour "$((client_x + picture_x - picture_border))" "$((client_y + picture_y + 198))"; }
focus_frame_shown() { [ "$(frame_colour)" = "#FFFF00" ]; }
