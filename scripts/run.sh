#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the program and starts it with data/ as its working directory;
# arguments go to the program (for example --edit data/episode1.qzt), and a relative file name in
# them is taken from the folder the script was started in, as the installed launcher does. Without
# a display it runs the program on a virtual one for a few seconds and saves a screenshot instead
# (build/screenshot.png, or the path in MATCHMAKER_SCREENSHOT).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh" build run
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target matchmaker
program="$build/app/matchmaker"
shot=$(realpath -m "${MATCHMAKER_SCREENSHOT:-$build/screenshot.png}")
export MATCHMAKER_START_DIR="${MATCHMAKER_START_DIR:-$PWD}"
cd "$root/data"

if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program" "$@"
fi

mkdir -p "$(dirname "$shot")"
echo "No display: running Brindlecast Match Maker on a virtual display for a few seconds."
xvfb-run -a -s "-screen 0 800x600x24" bash -c '
    program=$1 shot=$2
    shift 2
    "$program" "$@" & pid=$!
    sleep "${MATCHMAKER_SHOT_DELAY:-3}"
    # The main window by its title (MATCHMAKER_SHOT_TITLE in another language), so the picture
    # shows the window alone; any other window (the quiz editor) is cut from the black screen.
    if [[ $# -eq 0 ]]; then
        import -window "${MATCHMAKER_SHOT_TITLE:-Brindlecast Match Maker!}" "$shot" 2>/dev/null \
            || import -window root "$shot"
    else
        import -window root -trim +repage "$shot"
    fi
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
' _ "$program" "$shot" "$@"
echo "Screenshot saved to $shot"
