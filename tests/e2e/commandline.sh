# Sourced by the command-line tests with the program as $1: they work in a
# folder of their own, removed at the end, and run the program as users run
# it from a terminal with no display at all.
program="$1"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

# run ARGUMENTS...: $status, and the output in $work/out and $work/err.
run() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@" >"$work/out" 2>"$work/err"
    status=$?
}

fail() {
    echo "FAIL ($1): $2"
    echo "--- stdout"; cat "$work/out"; echo "--- stderr"; cat "$work/err"
    exit 1
}
