#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds the studio (build/studio, a static web app) and serves it on
# 127.0.0.1 until Ctrl+C, on port $PORT or 8080, or the first free one after it. The folder also
# works from the disk (open build/studio/index.html) and from any static host.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh" studio
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" -j"$(nproc)" --target studio
folder="$build/studio"

# The first port from the given one that nothing listens on.
port=$(python3 - "${PORT:-8080}" <<'PYTHON'
import socket, sys
first = int(sys.argv[1])
for port in range(first, first + 100):
    with socket.socket() as probe:
        try:
            probe.bind(("127.0.0.1", port))
        except OSError:
            continue
        print(port)
        break
else:
    sys.exit(f"studio: no free port from {first} to {first + 99}")
PYTHON
)
echo "The studio: http://127.0.0.1:$port/ (Ctrl+C stops it)"
exec python3 -m http.server --bind 127.0.0.1 --directory "$folder" "$port"
