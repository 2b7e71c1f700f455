#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program and starts it with data/ as its working directory.
# Without a display it runs the program on a virtual one for a few seconds and saves a
# screenshot instead (docs/screenshot.png, or the path in MATCHMAKER_SCREENSHOT).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh" build run
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target matchmaker
program="$build/app/matchmaker"
cd "$root/data"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program"
fi

shot="${MATCHMAKER_SCREENSHOT:-$root/docs/screenshot.png}"
mkdir -p "$(dirname "$shot")"
echo "No display: running Brindlecast Match Maker on a virtual display for a few seconds."
xvfb-run -a -s "-screen 0 800x480x24" bash -c '
    "$1" & pid=$!
    sleep "${MATCHMAKER_SHOT_DELAY:-3}"
    # The window by its title, so the picture shows the window alone; the whole screen otherwise.
    import -window "Brindlecast Match Maker!" "$2" 2>/dev/null || import -window root "$2"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
' _ "$program" "$shot"
echo "Screenshot saved to $shot"
