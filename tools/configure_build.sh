# Sourced by the tools that configure a build folder; defines configure_build.
#
#   configure_build SOURCE BUILD [cmake options...]
#
# Configures BUILD from SOURCE, printing only CMake's errors and warnings. A
# folder moved or copied with its build folder (a USB stick, another path)
# cannot be configured again in place: CMake stops at "the cache was made in
# another folder". That build folder is started afresh, once, and the
# configuration tried again; every other failure is returned as it is.

configure_build() {
    local source="$1" build="$2"
    shift 2
    local messages status=0
    messages="$(mktemp)"
    cmake -S "$source" -B "$build" "$@" >/dev/null 2>"$messages" || status=$?
    if [ "$status" -ne 0 ] && [ -f "$build/CMakeCache.txt" ] \
        && grep -qE 'is different than the directory|does not match the source' "$messages"; then
        echo "The build folder $build was made for another place; starting it afresh." >&2
        rm -rf "$build"
        status=0
        cmake -S "$source" -B "$build" "$@" >/dev/null 2>"$messages" || status=$?
    fi
    cat "$messages" >&2
    rm -f "$messages"
    return "$status"
}
