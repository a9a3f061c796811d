#!/usr/bin/env bash
# Runs a command under a virtual X server of its own. The server picks a free
# display number itself and reports it once it takes clients (-displayfd), so
# tests started side by side never race for a number, as two `xvfb-run -a`
# can; the server ends with the command, whose status is returned.
#   bash tests/e2e/with_xvfb.sh "-screen 0 1024x768x24 -noreset" command [arguments...]
set -u
options="$1"
shift
number_file=$(mktemp)
# shellcheck disable=SC2086 # the server's options are split on purpose
Xvfb -displayfd 3 $options -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
server=$!
trap 'kill "$server" 2>/dev/null; wait "$server" 2>/dev/null; rm -f "$number_file"' EXIT
for _ in $(seq 400); do
    [ -s "$number_file" ] && break
    kill -0 "$server" 2>/dev/null || break
    sleep 0.05
done
[ -s "$number_file" ] || { echo "FAIL: the virtual X server ($options) did not start"; exit 1; }
DISPLAY=":$(head -1 "$number_file")" "$@"
