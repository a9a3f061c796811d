# Sourced by the window tests: how they report, and how they wait.

fail() { echo "FAIL: $*"; exit 1; }
ok() { echo "ok: $*"; }

# Polls "$@" every 50 ms until it succeeds or the deadline (seconds) passes.
wait_for() {
    local deadline=$(( $(date +%s%N) + ${1} * 1000000000 ))
    shift
    until "$@"; do
        [ "$(date +%s%N)" -lt "$deadline" ] || return 1
        sleep 0.05
    done
}
