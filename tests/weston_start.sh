#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the program as a native Wayland client on a headless Weston and checks that its window
# appears, that it tells the compositor its desktop entry (so the compositor finds the icon)
# and its fixed size, and that it prints nothing to standard error. Weston is stopped in every
# case. Works as root in a container without a seat: the headless back end needs no device.
# Usage: weston_start.sh PROGRAM DATA_DIR [SCREENSHOT.png]
# With SCREENSHOT, the program is then started again and Weston's screen saved to that file.
set -euo pipefail
program=$(readlink -f "${1:?usage: weston_start.sh PROGRAM DATA_DIR [SCREENSHOT.png]}")
data=${2:?usage: weston_start.sh PROGRAM DATA_DIR [SCREENSHOT.png]}
shot=${3:+$(readlink -f "$3")}
appId=example.brindlecast.matchmaker

fail() {
    echo "weston_start: $*" >&2
    exit 1
}
command -v weston >/dev/null || fail "weston is not installed (scripts/install-deps.sh test)"

# A private runtime folder, as a session manager would give: Wayland sockets live there, and Qt
# refuses one that others can read.
runtime=$(mktemp -d)
chmod 0700 "$runtime"
westonPid=
stop() {
    if [[ -n $westonPid ]]; then
        kill "$westonPid" 2>/dev/null || true
        wait "$westonPid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap stop EXIT

# The pixman renderer draws into memory, so a screenshot has pixels; --debug offers the
# screenshooter and lets the protocol log (scope "proto") show what the client asked for.
export XDG_RUNTIME_DIR=$runtime
socket=matchmaker-test
timeout 120 weston --backend=headless-backend.so --use-pixman --width=800 --height=480 \
    --socket=$socket --idle-time=0 --no-config --debug \
    --log="$runtime/weston.log" --logger-scopes=log,proto 2>"$runtime/weston.err" &
westonPid=$!
for _ in $(seq 100); do
    [[ -S $runtime/$socket ]] && break
    kill -0 "$westonPid" 2>/dev/null || fail "weston ended at start: $(cat "$runtime/weston.err")"
    sleep 0.1
done
[[ -S $runtime/$socket ]] || fail "weston did not open its socket within 10 s"

runProgram() {
    (cd "$data" && env -u DISPLAY WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland \
        MATCHMAKER_NONINTERACTIVE=1 "$@")
}

# The start-up probe prints once the window has been painted, then ends the program.
set +e
runProgram env MATCHMAKER_STARTUP_PROBE=1 timeout 30 "$program" >"$runtime/out" 2>"$runtime/err"
status=$?
set -e
[[ $status -eq 0 ]] || fail "the program ended with status $status: $(cat "$runtime/err")"
grep -q '^shown ' "$runtime/out" || fail "the window was not painted"
[[ ! -s $runtime/err ]] || fail "the program printed to standard error: $(cat "$runtime/err")"

requested() {
    grep -qF "$1" "$runtime/weston.log" || fail "the window did not send $1"
}
requested "set_app_id(\"$appId\")"
requested "set_min_size(636, 325)"
requested "set_max_size(636, 325)"

if [[ -n $shot ]]; then
    runProgram timeout 20 "$program" 2>/dev/null &
    programPid=$!
    sleep "${MATCHMAKER_SHOT_DELAY:-3}"
    (cd "$runtime" && WAYLAND_DISPLAY=$socket timeout 10 weston-screenshooter)
    mv "$runtime"/wayland-screenshot-*.png "$shot"
    kill "$programPid" 2>/dev/null || true
    wait "$programPid" 2>/dev/null || true
    echo "weston_start: screenshot saved to $shot"
fi
echo "weston_start: the window appeared on Weston"
