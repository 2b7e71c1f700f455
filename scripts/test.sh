#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs what is missing, builds everything and runs the whole test suite.
# Exits non-zero when anything fails. Extra arguments go to ctest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="${MATCHMAKER_BUILD_DIR:-$root/build}"

"$root/scripts/install-deps.sh" build test
cmake -S "$root" -B "$build" -DBUILD_TESTING=ON ${MATCHMAKER_CMAKE_ARGS:-} >/dev/null
cmake --build "$build" -j"$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir "$build" --output-on-failure "$@"
